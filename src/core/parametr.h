#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a parameter string such as "/vypnuti;t/15:32/" into the schedule state. True when a schedule
// got armed; false when the string was refused, when the schedule had already expired, and when the
// action was carried out at once.
//   BezHlaseni: no error or help box on a refused string.
//   NeUkladat:  leave Parametr and the settings store as they are (a postponement).
bool RozeberParametr(const std::string& Text, bool BezHlaseni, bool NeUkladat);

// The same, with what became of the string.
enum class Rozbor {
  Aktivni,    // a schedule is armed
  Odmitnuto,  // malformed: nothing armed
  Vyprselo,   // its moment has passed: nothing armed
  Provedeno,  // an action without a time, carried out at once; the schedule in force stays
};
//   JenPlan: the string must be a schedule; an action without a time is refused, not carried out
//   (a stored string: an earlier build stored "/vypnuti;kd", which would act at every log-on).
Rozbor Rozeber(const std::string& Text, bool BezHlaseni, bool NeUkladat, bool JenPlan = false);

// The error or help box of the string refused last (the parser shows it itself unless BezHlaseni), for
// a caller that shows it only once it has put back the schedule in force.
void UkazOdmitnuti();

// The password of a parameter string (";h/…/"), read as the parser reads it; nothing when it has none.
std::optional<std::string> HesloParametru(std::string_view text);

// The warning minute (Rok, Mesic, Den, Hodina, Minuta): one minute before the target moment.
void NastavMinutuVarovani();

// The list of parameters that the help box and the error box show.
std::string TextNapovedy();

// The action's name as the tooltip says it ("Vypnutí"); empty for no action.
std::string_view NazevAkce(std::uint8_t akce);
// The action's keyword ("/vypnuti"); empty for no action.
std::string_view KlicoveSlovoAkce(std::uint8_t akce);
// The grammatical gender of that name, which the sentences about it follow: "Spánek" is masculine,
// "Hibernace" feminine, the others neuter.
enum class Rod { Muzsky, Zensky, Stredni };
Rod RodAkce(std::uint8_t akce);
// "neproběhl", "neproběhla" or "neproběhlo", after the action's name.
std::string_view TvarNeprobehlo(std::uint8_t akce);
