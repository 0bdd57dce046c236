// Random text into the time and date boxes' checks, on a random day: nothing may crash, and a refused
// entry puts the caret inside its text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/port.h"
#include "scheduler/kontrola.h"
#include "tichy_svet.h"

namespace {

int Znaku(const std::string& text) {
  int pocet = 0;
  for (const char c : text) pocet += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return pocet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TichySvet svet;
  static Pripojeni<Hodiny> p1(svet);
  static Pripojeni<Dialogy> p2(svet);
  static Pripojeni<Mistni> p3(svet);
  if (size < 2) return 0;
  // The first two bytes choose today: any day of 2026 to 2027, leap days of 2028 included.
  const int den = (data[0] | (data[1] << 8)) % 1100;
  svet.ted = SlozCas(2026, 1, 1 + den, 12, 0, 0);
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  for (bool (*kontrola)(PoleVstupu&) : {KontrolaCasu, KontrolaData}) {
    PoleVstupu pole{text, -1};
    if (!kontrola(pole)) Over(pole.kurzor >= 0 && pole.kurzor <= Znaku(pole.text));
  }
  return 0;
}
