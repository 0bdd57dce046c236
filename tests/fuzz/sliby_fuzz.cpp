// The promise checker on bytes from libFuzzer: every input is one user's sequence of schedules and
// days; a broken promise aborts with its story.
#include <cstdio>
#include <cstdlib>

#include "sliby.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  long udalosti = 0;
  if (const auto poruseni = ProverSliby(std::span(data, size), udalosti)) {
    std::fputs(poruseni->c_str(), stderr);
    std::abort();
  }
  return 0;
}
