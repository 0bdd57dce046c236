// Writes down what the parser of the build it is compiled against makes of each line of its input: the
// line, a tab and the outcome (tests/native/korpus_radek.h). tools/korpus.sh builds it against an old
// commit and that commit's own fake world, the one its tests used.
#include <iostream>
#include <string>

#include "falesny_svet.h"
#include "korpus_radek.h"

int main() {
  FalesnySvet svet;
  PripravSvet(svet);
  std::string radek;
  for (int cislo = 1; std::getline(std::cin, radek); ++cislo) {
    // The tab divides the string from its outcome.
    if (radek.find('\t') != std::string::npos) {
      std::cerr << "line " << cislo << ": a tab in a corpus string\n";
      return 1;
    }
    std::cout << radek << '\t' << RadekKorpusu(radek, svet.log) << '\n';
  }
}
