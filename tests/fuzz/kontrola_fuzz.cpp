// Random text into the time and date boxes' checks, on a random day: nothing may crash, and a refused
// entry puts the caret inside its text.
#include <algorithm>

#include "scheduler/kontrola.h"
#include "tichy_svet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TichySvet svet;
  if (size < 2) return 0;
  // The first two bytes choose today: any day of 2026 to 2027, leap days of 2028 included.
  const int den = (data[0] | (data[1] << 8)) % 1100;
  svet.ted = SlozCas(2026, 1, 1 + den, 12, 0, 0);
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  for (bool (*kontrola)(PoleVstupu&) : {KontrolaCasu, KontrolaData}) {
    PoleVstupu pole{text, -1};
    if (kontrola(pole)) continue;
    // The caret counts characters: every byte but a UTF-8 continuation byte.
    const auto znaku = std::count_if(pole.text.begin(), pole.text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    Over(pole.kurzor >= 0 && pole.kurzor <= znaku);
  }
  return 0;
}
