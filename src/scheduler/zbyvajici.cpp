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

std::string Pocet(std::int32_t n, const Tvary& tvary) {
  if (n == 1) return std::string("1 ") + tvary.jeden;
  // Counts stay below 1000 for the 365 days the program accepts, so no thousands grouping.
  return std::to_string(n) + " " + (n <= 4 ? tvary.dva_az_ctyri : tvary.pet_a_vice);
}

}  // namespace

// A negative count is shown as it is, in minutes only.
std::string TextZbyvajici(std::int32_t minuty) {
  const std::int32_t dny = minuty > 0 ? minuty / 1440 : 0;
  const std::int32_t hodiny = minuty > 0 ? minuty % 1440 / 60 : 0;
  const std::int32_t zbytek = minuty > 0 ? minuty % 60 : minuty;

  std::string text = stav.AkceNazev + " za";
  if (dny != 0) text += " " + Pocet(dny, {"den", "dny", "dní"});
  if (hodiny != 0) text += (dny != 0 ? ", " : " ") + Pocet(hodiny, {"hodinu", "hodiny", "hodin"});
  if (zbytek != 0) {
    text += (dny != 0 || hodiny != 0 ? " a " : " ") + Pocet(zbytek, {"minutu", "minuty", "minut"});
  }
  return text + ".";
}
