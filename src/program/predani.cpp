#include "program/predani.h"

#include <chrono>

#include "core/dny.h"
#include "core/heslo.h"
#include "core/kalendar.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "program/zasady.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/hlidani.h"
#include "scheduler/kdy.h"
#include "scheduler/nastaveni.h"
#include "scheduler/zmena_planu.h"

using namespace std::chrono;

namespace {

// The keywords stand alone; blanks after them are the shell's, not the user's.
std::string_view BezKoncovychMezer(std::string_view text) {
  const auto konec = text.find_last_not_of(" \t");
  return konec == std::string_view::npos ? std::string_view{} : text.substr(0, konec + 1);
}

// The guard of what is in force, and a second look after its box: while the box was up, the countdown
// may have begun. A countdown with ";zs" may be stopped by nobody: the command line is no way round it.
bool Dovoleno(Zasah co) {
  if (!StornoMozne()) return false;
  if (!NastaveniHeslo(co)) return false;
  return StornoMozne();
}

void Oznam(std::string_view text) {
  port<IkonaListy>().NastavTip(text);
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().PlanZvenku(text);
}

// Under the administrator's ban alone nothing of the user's is stored, yet a cancel takes the user's own
// stored schedule away too: it must not come back when the ban is lifted.
void ZrusVcetneUlozeneho() {
  ZrusPlan();
  if (stav.ZakazVlastnich == 1 && stav.ZasadaParametr.empty()) SmazUlozeny();
}

// A stored schedule that is not armed now (a daily one waiting for the next log-on) goes too: the user
// asked that nothing come.
int Storno() {
  const auto zbyva = [] {
    return stav.Neaktivni == 0 || stav.AkceBezi != 0 || !port<Uloziste>().CtiParametr().empty();
  };
  if (!zbyva()) return kod::Nic;
  if (!Dovoleno(Zasah::Storno)) return kod::Odmitnuto;
  if (!zbyva()) return kod::Nic;  // carried out while the password was asked for
  const bool aktivni = stav.Neaktivni == 0 || stav.AkceBezi != 0;
  const std::string text = TextStornovano();
  ZrusVcetneUlozeneho();
  if (aktivni) Oznam(text);
  return kod::Hotovo;
}

// The user typed a new string on purpose: it wins over the stored one, as an activation in the window.
int NovyPlan(std::string_view predany) {
  const std::optional<std::string> ulozeny = RozbalUlozenyTvar(predany);
  // The autostart entry's own command line, started again (Run and RunOnce both start at a log-on):
  // nothing to ask for. Its marker alone means the stored schedule. A string typed again (a script that
  // keeps re-arming "in 60 minutes") is a new schedule.
  if (ulozeny && stav.Neaktivni == 0 && (ulozeny->empty() || *ulozeny == stav.Parametr)) return kod::Hotovo;
  // Under the administrator's word the user's autostart entry has nothing to bring back, nor a box to show.
  if (ulozeny && (!stav.ZasadaParametr.empty() || stav.ZakazVlastnich == 1)) return kod::Nic;
  std::string text = ulozeny.value_or(std::string(predany));
  if (ulozeny && ulozeny->empty()) {
    const std::string v_ulozisti = port<Uloziste>().CtiParametr();
    text = RozbalUlozenyTvar(v_ulozisti).value_or(v_ulozisti);
    if (text.empty()) return kod::Nic;
  }
  if (!Dovoleno(Zasah::Zmena)) return kod::Odmitnuto;
  switch (NahradPlan(text, false, false)) {
    case Rozbor::Aktivni:
      Oznam(TipPoAktivaci());
      return kod::Hotovo;
    case Rozbor::Provedeno:
      return kod::Hotovo;
    case Rozbor::Vyprselo:
      return kod::Nic;
    case Rozbor::Odmitnuto:
      break;
  }
  return kod::Odmitnuto;
}

}  // namespace

// Nothing armed now, but a stored schedule comes back at the next log-on: say which, for the script that
// asks ("Vypnutí každý den ve 21:00 se naplánuje při příštím přihlášení."). It is read as start-up would
// read it, on a copy: nothing is armed, stored or carried out.
std::string RadekUlozeneho() {
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  const std::string nic = "Nic není naplánováno.";
  if (ulozeny.empty() || !stav.ZasadaParametr.empty() || stav.ZakazVlastnich == 1) return nic;
  const StavPlanu predtim = stav;
  std::string radek = nic;
  if (Rozeber(RozbalUlozenyTvar(ulozeny).value_or(ulozeny), true, true, true) == Rozbor::Aktivni) {
    // 24:00 is named on its own day: "v pá ve 24:00", not the Thursday's 0:00 it would read as.
    const std::string hodina = stav.KonecDne == 1 ? "ve 24:00" : VHodin(stav.CilovyCas);
    const std::string kdy = stav.OdDo == 1 ? TextTipu(stav.CilovyCas).substr(stav.AkceNazev.size())
                            : stav.KazdyDen == 1
                                ? (stav.Dny == 0 ? " každý den" : DnyVeVete(stav.Dny)) + " " + hodina
                                : " " + FormatDatum(stav.CilovyCas - days{stav.KonecDne}) + " " + hodina;
    const std::string podminky = stav.Podminka.Zadne() ? "" : " " + PodminkyVeVete(stav.Podminka) + ", nejdříve";
    radek = stav.AkceNazev + podminky + (kdy.ends_with(".") ? kdy.substr(0, kdy.size() - 1) : kdy) +
            " se naplánuje při příštím přihlášení.";
  }
  stav = predtim;
  return radek;
}

Pokyn PokynZ(std::string_view argument) {
  const std::string_view text = BezKoncovychMezer(argument);
  if (text.empty()) return Pokyn::Okno;
  if (text == "/storno") return Pokyn::Storno;
  if (text == "/stav") return Pokyn::Stav;
  if (text == "/prihlaseni") return Pokyn::Prihlaseni;
  return Pokyn::Plan;
}

Odpoved PrijmiPokyn(std::string_view text) {
  const Pokyn pokyn = PokynZ(text);
  if (pokyn == Pokyn::Stav) return {stav.Neaktivni == 0 ? kod::Hotovo : kod::Nic, RadekStavu()};
  if (pokyn == Pokyn::Prihlaseni) return {stav.Neaktivni == 0 ? kod::Hotovo : kod::Nic, {}};  // armed by the first
  // The user is answering a box of ours, or the action is under way (the programs being closed):
  // nothing may change or act behind it, but a cancel.
  if (port<Dialogy>().Otevreno() || (stav.AkceBezi != 0 && pokyn != Pokyn::Storno)) return {kod::Odmitnuto, {}};
  switch (pokyn) {
    case Pokyn::Okno:
      port<HlavniOkno>().Otevri();
      return {};
    case Pokyn::Storno:
      return {Storno(), {}};
    default:
      return {NovyPlan(text), {}};
  }
}

int ZrusUlozenyPlan() {
  stav.Neaktivni = 1;  // nothing runs in this process: the guard is the stored schedule's
  const ZasadySpravce zasady = CtiZasady();
  stav.ZasadaParametr = zasady.parametr;
  stav.ZakazVlastnich = zasady.zakaz_vlastnich ? 1 : 0;
  if (port<Uloziste>().CtiParametr().empty() && stav.ZasadaParametr.empty()) return kod::Nic;
  if (!NastaveniHeslo(Zasah::Storno)) return kod::Odmitnuto;
  ZrusVcetneUlozeneho();
  return kod::Hotovo;
}

std::string RadekStavu() {
  if (stav.Neaktivni != 0) return RadekUlozeneho();
  std::string radek = TextTipu(port<Hodiny>().Ted());
  // A window names its times, and a condition its earliest moment, if that is still to come.
  if (stav.OdDo == 1 || (!stav.Podminka.Zadne() && stav.UpozorneniBezi != 1)) return radek;
  radek.pop_back();  // the sentence's full stop goes after the moment
  const Cas kdy = OkamzikAkce(port<Hodiny>().Ted());
  return radek + " (" + FormatHodinyMinuty(kdy - floor<days>(kdy)) + ").";
}
