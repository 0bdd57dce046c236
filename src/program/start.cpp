#include "program/start.h"

#include <chrono>
#include <optional>
#include <string>

#include "core/heslo.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/planovac.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "program/predani.h"
#include "program/zasady.h"
#include "scheduler/casovac.h"
#include "scheduler/hlidani.h"

using namespace std::chrono;

namespace {

// A stored string the parser refuses would refuse again at every start: it goes, with one word. So
// does a stored action without a time, which would act at every log-on.
void OdstranPoskozene() {
  port<Dialogy>().Zprava(
      "Uložené nastavení programu bylo poškozené, a proto bylo odstraněno.\r\n"
      "Zadejte prosím nastavení znovu.",
      NazevAplikace, styl::Ok | styl::Vykricnik);
  stav.Neaktivni = 1;  // a refusal may have put back a plan that counted as armed
  stav.KazdyDen = 0;
  stav.Parametr.clear();
  port<Planovac>().UlozNastaveni();
}

// "Čas 15:32 už dnes uplynul, nic není naplánováno." for a typed line whose moment has passed.
std::string TextUplynulo(Cas cil, bool ulozeny_plati) {
  const Cas ted = port<Hodiny>().Ted();
  const DatumCas d = RozlozCas(cil);
  const std::string hodina = std::to_string(d.hodina) + (d.minuta < 10 ? ":0" : ":") + std::to_string(d.minuta);
  const std::string kdy = floor<days>(cil) == floor<days>(ted) ? hodina + " už dnes uplynul"
                                                               : FormatDatum(cil) + " v " + hodina + " už uplynul";
  return "Čas " + kdy + (ulozeny_plati ? "; platí dál uložené nastavení." : ", nic není naplánováno.");
}

}  // namespace

// The stored schedule, armed again: the string and the day's moment of it already dealt with. At a
// log-on (the autostart entry's start) the session before has ended.
bool ObnovUlozeny(bool prihlaseni) {
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  if (ulozeny.empty() || stav.ZakazVlastnich == 1) return false;
  stav.PriSpusteni = 1;
  stav.PriPrihlaseni = prihlaseni ? 1 : 0;
  stav.Parametr = RozbalUlozenyTvar(ulozeny).value_or(ulozeny);
  stav.Vyrizeno = CtiOkamzik(port<Uloziste>().CtiVyrizeno()).value_or(Cas{});
  const Rozbor rozbor = Rozeber(stav.Parametr, true, false, true);
  stav.PriSpusteni = stav.PriPrihlaseni = 0;
  if (rozbor == Rozbor::Odmitnuto) OdstranPoskozene();
  // An older build stored a number of minutes or a lone condition too: counted from this start they
  // would be other schedules (parsing cleared them from the store).
  return rozbor == Rozbor::Aktivni && !(stav.JenRelace == 1 && stav.KazdyDen != 1);
}

// The warning window comes first: it owns the icon and the timer, and a second start started while a
// box of the start-up is open finds the program there and gets its answer at once.
//
// A line the user typed wins over the stored schedule, as it does when handed to a running program; a
// protected stored schedule asks for its password first. What the line does not arm (a bad string, a
// moment passed, an action carried out at once) leaves the stored schedule in force. The autostart
// entry's own stored form, or no line at all, brings the stored schedule back. The administrator's
// schedule wins over both, and a typed line is refused under it.
bool Start(std::string_view argument) {
  port<OknoUpozorneni>().Nacti();
  const bool prihlaseni = PokynZ(argument) == Pokyn::Prihlaseni;
  const bool z_autostartu = prihlaseni || RozbalUlozenyTvar(argument).has_value();
  const bool napsany = !argument.empty() && !z_autostartu;
  stav.Neaktivni = 1;
  UplatniZasady();
  const bool spravce = !stav.ZasadaParametr.empty();
  std::optional<Rozbor> rozbor;
  if (napsany && NastaveniHeslo()) rozbor = Rozeber(std::string(argument), false, false);
  bool aktivni = spravce ? stav.Neaktivni == 0 : rozbor == Rozbor::Aktivni;
  const Cas uplynuly = stav.CilovyCas;  // of a line whose moment has passed
  // Read now: a cancel during the typed line's own action may have emptied it.
  // The per-machine autostart value starts every user: their own schedule only while they let the
  // program start with them (Startup apps), as their own autostart value would.
  if (!aktivni && !spravce && (!prihlaseni || port<Uloziste>().AutostartPovolen()))
    aktivni = ObnovUlozeny(z_autostartu);
  if (!aktivni) stav.Neaktivni = 1;
  if (prihlaseni && !aktivni) return false;
  Casovac(true);
  if (!aktivni || rozbor == Rozbor::Vyprselo) {
    port<IkonaListy>().NastavTip(aktivni ? TipPlanu() : std::string(NazevAplikace));
    port<HlavniOkno>().Otevri();
    if (rozbor == Rozbor::Vyprselo) port<HlavniOkno>().StavovyRadek(TextUplynulo(uplynuly, aktivni), ikona::Informace);
  } else if (const std::string tip = TipPoAktivaci(); tip != TipPlanu()) {
    port<IkonaListy>().NastavTip(tip);
    stav.PosledniMinuta = RozlozCas(port<Hodiny>().Ted()).minuta;  // the first tick leaves it there
  }
  return true;
}
