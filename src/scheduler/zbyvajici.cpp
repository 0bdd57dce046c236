#include "scheduler/zbyvajici.h"

#include "core/stav.h"

namespace {

// Czech has three forms after a number: one, two to four, five and more. A negative count (a
// target already passed) takes the "two to four" form: "-3 minuty".
struct Tvary {
  const char* jeden;
  const char* dva_az_ctyri;
  const char* pet_a_vice;
};

// Thousands are grouped as Czech writes them, with a non-breaking space: "1 124".
std::string STisici(std::int64_t n) {
  std::string cislice = std::to_string(n);
  for (auto i = static_cast<std::ptrdiff_t>(cislice.size()) - 3; i > 0; i -= 3) cislice.insert(i, "\u00A0");
  return cislice;
}

std::string Pocet(std::int64_t n, const Tvary& tvary) {
  if (n == 1) return std::string("1 ") + tvary.jeden;
  if (n <= 4) return std::to_string(n) + " " + tvary.dva_az_ctyri;
  return STisici(n) + " " + tvary.pet_a_vice;
}

}  // namespace

// A negative count is shown as it is, in minutes only.
std::string TextZbyvajici(std::int64_t minuty) {
  const std::int64_t dny = minuty > 0 ? minuty / 1440 : 0;
  const std::int64_t hodiny = minuty > 0 ? minuty % 1440 / 60 : 0;
  const std::int64_t zbytek = minuty > 0 ? minuty % 60 : minuty;

  std::string text = stav.AkceNazev + " za";
  if (dny != 0) text += " " + Pocet(dny, {"den", "dny", "dní"});
  if (hodiny != 0) text += (dny != 0 ? ", " : " ") + Pocet(hodiny, {"hodinu", "hodiny", "hodin"});
  if (zbytek != 0) {
    text += (dny != 0 || hodiny != 0 ? " a " : " ") + Pocet(zbytek, {"minutu", "minuty", "minut"});
  }
  return text + ".";
}
