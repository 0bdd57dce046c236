#include "core/start.h"

#include <optional>
#include <string>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/okna_programu.h"
#include "platform/planovac.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "scheduler/casovac.h"

namespace {

// The parameter string in force at start: a stored schedule wins over the command line. The
// autostart entry's command line carries the stored form, a command typed by the user is plain.
struct Zadani {
  std::string parametr;
  bool ulozeny = false;  // it came from the store (or in the stored form)
};

Zadani ZadaniKeSpusteni(std::string_view argument) {
  Zadani z{std::string(argument), false};
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  if (!ulozeny.empty()) z = {ulozeny, true};
  if (auto prosty = RozbalUlozenyTvar(z.parametr)) z = {std::move(*prosty), true};
  return z;
}

// A stored string the parser refuses would refuse again at every start, and as it wins over the
// command line the user could never give the program another schedule: it goes, with one word. So
// does a stored action without a time, which would act at every log-on.
void OdstranPoskozene() {
  port<Dialogy>().Zprava("Uložené nastavení programu bylo poškozené, a proto bylo odstraněno.\r\n"
                         "Zadejte prosím nastavení znovu.",
                         NazevAplikace, styl::Ok | styl::Vykricnik);
  stav.Parametr.clear();
  port<Planovac>().UlozNastaveni();
}

}  // namespace

void Start(std::string_view argument) {
  const Zadani zadani = ZadaniKeSpusteni(argument);
  bool aktivni = false;
  if (!zadani.parametr.empty()) {
    stav.PriSpusteni = 1;
    const Rozbor rozbor = Rozeber(zadani.parametr, zadani.ulozeny, false, zadani.ulozeny);
    aktivni = rozbor == Rozbor::Aktivni;
    if (zadani.ulozeny && rozbor == Rozbor::Odmitnuto) {
      OdstranPoskozene();
      // The command line, when it is not the damaged string itself, is taken as on any other start.
      if (!argument.empty() && !RozbalUlozenyTvar(argument))
        aktivni = RozeberParametr(std::string(argument), false, false);
    }
  }
  // The warning window comes first: it owns the icon and the timer.
  if (!aktivni) stav.Neaktivni = 1;
  port<OknoUpozorneni>().Nacti();
  Casovac(true);
  if (!aktivni) {
    port<IkonaListy>().NastavTip(NazevAplikace);
    port<HlavniOkno>().Otevri();
  }
  stav.PriSpusteni = 0;
}
