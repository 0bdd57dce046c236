#include "core/start.h"

#include <optional>
#include <string>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/planovac.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "scheduler/casovac.h"
#include "scheduler/hlidani.h"

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
  stav.Neaktivni = 1;  // a refusal may have put back a plan that counted as armed
  stav.KazdyDen = 0;
  stav.Parametr.clear();
  port<Planovac>().UlozNastaveni();
}

// What the store holds besides the string: the day's moment of it already dealt with.
void CtiVyrizeno(const Zadani& zadani) {
  if (!zadani.ulozeny) return;
  stav.Parametr = zadani.parametr;
  stav.Vyrizeno = CtiOkamzik(port<Uloziste>().CtiVyrizeno()).value_or(Cas{});
}

}  // namespace

// The warning window comes first: it owns the icon and the timer, and a second start started while a
// box of the start-up is open finds the program there and gets its answer at once.
void Start(std::string_view argument) {
  port<OknoUpozorneni>().Nacti();
  const Zadani zadani = ZadaniKeSpusteni(argument);
  bool aktivni = false;
  if (!zadani.parametr.empty()) {
    stav.PriSpusteni = 1;
    // Started by the autostart entry at a log-on: the session before has ended.
    stav.PriPrihlaseni = RozbalUlozenyTvar(argument) ? 1 : 0;
    CtiVyrizeno(zadani);
    const Rozbor rozbor = Rozeber(zadani.parametr, zadani.ulozeny, false, zadani.ulozeny);
    // An older build stored a number of minutes or a lone condition too: counted from this start they
    // would be other schedules (parsing cleared them from the store).
    aktivni = rozbor == Rozbor::Aktivni && !(zadani.ulozeny && stav.JenRelace == 1 && stav.KazdyDen != 1);
    if (zadani.ulozeny && rozbor == Rozbor::Odmitnuto) {
      OdstranPoskozene();
      // The command line, when it is not the damaged string itself, is taken as on any other start.
      if (!argument.empty() && !RozbalUlozenyTvar(argument))
        aktivni = RozeberParametr(std::string(argument), false, false);
    }
  }
  if (!aktivni) stav.Neaktivni = 1;
  Casovac(true);
  if (!aktivni) {
    port<IkonaListy>().NastavTip(NazevAplikace);
    port<HlavniOkno>().Otevri();
  } else if (const std::string tip = TipPoAktivaci(); tip != TipPlanu()) {
    port<IkonaListy>().NastavTip(tip);
    stav.PosledniMinuta = RozlozCas(port<Hodiny>().Ted()).minuta;  // the first tick leaves it there
  }
  stav.PriSpusteni = stav.PriPrihlaseni = 0;
}
