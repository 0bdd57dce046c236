#include "core/predani.h"

#include <chrono>

#include "core/kalendar.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "scheduler/casovac.h"
#include "scheduler/zmena_planu.h"
#include "ui/main_window/hlavni_okno.h"

using namespace std::chrono;

namespace {

// The keywords stand alone; blanks after them are the shell's, not the user's.
std::string_view BezKoncovychMezer(std::string_view text) {
  const auto konec = text.find_last_not_of(" \t");
  return konec == std::string_view::npos ? std::string_view{} : text.substr(0, konec + 1);
}

// A countdown with ";zs" may be stopped by nobody: the command line is no way round it.
bool ZakazanoStornem() { return stav.UpozorneniBezi == 1 && stav.ZakazStorna == 1; }

// The guard of the schedule in force, and a second look after its box: while the box was up, the
// countdown may have begun.
bool Dovoleno() {
  if (ZakazanoStornem()) return false;
  if (stav.Neaktivni == 0 && !NastaveniHeslo()) return false;
  return !ZakazanoStornem();
}

void Oznam(std::string_view text) {
  port<IkonaListy>().NastavTip(text);
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().PlanZvenku(text);
}

int Storno() {
  if (stav.Neaktivni != 0) return kod::Nic;
  if (!Dovoleno()) return kod::Odmitnuto;
  if (stav.Neaktivni != 0) return kod::Nic;  // carried out while the password was asked for
  const std::string text = stav.AkceNazev + " bylo stornováno.";
  ZrusPlan();
  Oznam(text);
  return kod::Hotovo;
}

// The user typed a new string on purpose: it wins over the stored one, as an activation in the window.
int NovyPlan(std::string_view predany) {
  const std::string text = RozbalUlozenyTvar(predany).value_or(std::string(predany));
  // The autostart entry's own command line, started again: nothing to ask for.
  if (stav.Neaktivni == 0 && text == stav.Parametr) return kod::Hotovo;
  if (!Dovoleno()) return kod::Odmitnuto;
  switch (NahradPlan(text, false, false)) {
    case Rozbor::Aktivni:
      Oznam(TipPlanu());
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

Pokyn PokynZ(std::string_view argument) {
  const std::string_view text = BezKoncovychMezer(argument);
  if (text.empty()) return Pokyn::Okno;
  if (text == "/storno") return Pokyn::Storno;
  if (text == "/stav") return Pokyn::Stav;
  return Pokyn::Plan;
}

Odpoved PrijmiPokyn(std::string_view text) {
  const Pokyn pokyn = PokynZ(text);
  if (pokyn == Pokyn::Stav) return {stav.Neaktivni == 0 ? kod::Hotovo : kod::Nic, RadekStavu()};
  // The user is answering a box of ours: nothing may change or act behind it.
  if (port<Dialogy>().Otevreno()) return {kod::Odmitnuto, {}};
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
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  if (ulozeny.empty()) return kod::Nic;
  // Read only for its password: nothing is armed, stored or carried out.
  Rozeber(RozbalUlozenyTvar(ulozeny).value_or(ulozeny), true, true, true);
  if (!NastaveniHeslo()) return kod::Odmitnuto;
  ZrusPlan();
  return kod::Hotovo;
}

std::string RadekStavu() {
  if (stav.Neaktivni != 0) return "Nic není naplánováno.";
  std::string radek = TextTipu(port<Hodiny>().Ted());
  // A window names its times, and a condition its earliest moment, if that is still to come.
  if (stav.OdDo == 1 || !stav.Podminka.Zadne()) return radek;
  radek.pop_back();  // the sentence's full stop goes after the moment
  return radek + " (" + FormatHodinyMinuty(stav.CilovyCas - floor<days>(stav.CilovyCas)) + ").";
}
