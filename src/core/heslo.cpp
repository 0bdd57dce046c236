#include "core/heslo.h"

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/port.h"
#include "platform/uloziste.h"

// A cancelled warning or a missed moment disarms a schedule that may still be stored: whoever could
// replace or remove that one without its password could also undo its protection for the next log-on.
// The schedule's own action under way (the closing of programs) is disarmed too, and still its own.
std::optional<std::string> HesloVPlatnosti() {
  if (stav.Neaktivni == 0 || (stav.AkceBezi != 0 && stav.AkcePlanu == 1))
    return stav.HesloZapnuto == 1 ? std::optional(stav.Heslo) : std::nullopt;
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  if (ulozeny.empty()) return std::nullopt;
  return HesloParametru(RozbalUlozenyTvar(ulozeny).value_or(ulozeny));
}

bool SpravceDovoli(Zasah co) {
  if (stav.ZasadaParametr.empty() && (stav.ZakazVlastnich != 1 || co != Zasah::Zmena)) return true;
  port<Dialogy>().Zprava("Akci naplánoval správce počítače. Změnit ji nelze.", NazevAplikace,
                         styl::Ok | styl::Vykricnik);
  return false;
}

bool NastaveniHeslo(Zasah co) {
  if (!SpravceDovoli(co)) return false;
  const std::optional<std::string> heslo = HesloVPlatnosti();
  if (!heslo) return true;
  const auto odpoved = port<Dialogy>().Vstup("Zadejte heslo!", NazevAplikace);
  if (!odpoved) return false;
  if (*odpoved == *heslo) return SpravceDovoli(co);
  port<Dialogy>().Zprava("Neplatné heslo.", NazevAplikace, styl::Ok | styl::Vykricnik);
  return false;
}
