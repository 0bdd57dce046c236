#include "scheduler/akce.h"

#include <chrono>
#include <string_view>

#include "core/parametr.h"
#include "core/spanek.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/napajeni.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/relace.h"
#include "platform/system.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zavirani.h"
#include "scheduler/zmeskane.h"

using namespace std::chrono;

namespace {

// How long a session may go on after the call that was to end it.
constexpr seconds CekaniNaKonecSezeni{60};
// The closing of programs takes about 30 s, and 5 s more for each window slow to answer; a box of ours
// opened meanwhile (a password asked for) holds it. Held longer than this, the user is elsewhere now.
constexpr minutes NejdeleZavirani{5};

std::string Neuspech(std::uint8_t akce) {
  switch (akce) {
    case akce::Vypnuti:
      return "Počítač se nepodařilo vypnout: ";
    case akce::Restart:
      return "Počítač se nepodařilo restartovat: ";
    case akce::Odhlaseni:
      return "Uživatele se nepodařilo odhlásit: ";
    case akce::Spanek:
      return "Počítač se nepodařilo uspat: ";
    case akce::Hibernace:
      return "Počítač se nepodařilo hibernovat: ";
    default:
      return "Počítač se nepodařilo zamknout: ";
  }
}

// The program goes on after an action that did not end the session: the warning away, the icon back to
// reach it by, the timer on.
void Pokracuj() {
  stav.AkceBezi = 0;
  stav.AkceZrusena = 0;
  stav.KonecSezeni.reset();
  Skryj();
  Casovac(true);
}

// Said in a balloon, and kept in the tooltip (no longer "Nashledanou") for the status bar of a main
// window opened later.
void Neprobehlo(const std::string& text) {
  Pokracuj();
  port<IkonaListy>().NastavTip(text);
  OznamBublinou(text);
}

// A refusal while an action is under way or counting down, in the status bar of the main window it came
// from.
void Odmitni(const std::string& text) {
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Vykricnik);
}

// "Vypnutí neproběhlo: " and why.
std::string VetaNeprobehlo(std::uint8_t akce, std::string_view duvod) {
  return std::string(NazevAkce(akce)) + " " + std::string(TvarNeprobehlo(akce)) + ": " + std::string(duvod);
}

// The closing of programs was cut off from its action by a sleep, or held up by a box of ours left open:
// the action does not follow unannounced. A schedule's comes after a whole warning minute again; after a
// sleep its moment counts as missed (nothing after a long one). An action given at once, or a from-to
// window's, is not carried out.
void PoPreruseni(std::uint8_t akce, bool plan, bool spal) {
  if (!plan || stav.OdDo == 1) {
    Neprobehlo(VetaNeprobehlo(akce, spal ? "počítač mezitím spal." : "zavírání programů se zdrželo."));
    return;
  }
  Pokracuj();
  stav.Neaktivni = 0;
  if (spal) {
    PrerusenoSpankem(port<Hodiny>().Tik() - stav.KonecOdpoctu);
  } else {  // a whole minute again, and a sleep in it counts the time the closing took too
    stav.Zpozdeni += port<Hodiny>().Tik() - stav.KonecOdpoctu;
    Zobraz(seconds{60});
  }
  // No longer "Nashledanou"; a balloon kept for later has the tooltip till then.
  if (stav.OdlozenaBublina.empty()) port<IkonaListy>().NastavTip(TipPlanu());
}

// Shut-down, restart and log-off: the timer stops first (a schedule's stores or clears the settings; an
// action given at once leaves them), the running programs are asked to close when the string says so,
// and the system forces the rest. While the programs are closed messages flow: a cancel stops the
// action there, and nothing else from outside starts meanwhile (AkceBezi).
bool UkonciSezeni(const OkamzitaAkce& a, bool plan, unsigned priznaky, bool ukoncit_progman) {
  stav.AkceBezi = 1;
  stav.BeziciAkce = a.akce;
  stav.AkcePlanu = plan ? 1 : 0;
  stav.AkceZrusena = 0;
  stav.AkceBezStorna = a.bez_storna ? 1 : 0;
  stav.SpanekBehemAkce = 0;
  HlidejBdelost();  // an action given at once had no countdown to hold the computer awake
  const milliseconds zacatek = port<Hodiny>().Tik();
  if (plan) {
    Casovac(false);
  } else {
    const BezUkladani nechat;
    Casovac(false);
  }
  if (a.zavrit_programy) ZavriProgramy();
  if (stav.AkceZrusena == 1) {  // the programs already closed stay closed
    Pokracuj();
    return false;
  }
  if (stav.SpanekBehemAkce == 1 || port<Hodiny>().Tik() - zacatek > NejdeleZavirani) {
    PoPreruseni(a.akce, plan, stav.SpanekBehemAkce == 1);
    return false;
  }
  if (ukoncit_progman) port<Napajeni>().UkonciProgman();
  stav.AkceBezi = 2;
  port<OknoUpozorneni>().ZakazStorno();
  if (const Selhani chyba = port<Napajeni>().ExitWindowsEx(priznaky | ewx::Vynutit, ewx::DuvodPlanovany)) {
    Neprobehlo(Neuspech(a.akce) + *chyba);
    return false;
  }
  stav.KonecSezeni = VolaniKonce{port<Hodiny>().Tik(), a.akce, plan};
  Casovac(true);  // to see whether the session really ends
  return true;
}

// Sleep and lock: the program stays, so the warning goes away and the tooltip reports the action.
void Ohlas(std::string_view tip) {
  Skryj();
  port<IkonaListy>().NastavTip(tip);
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().ZrusHint();
}

// Sleep, never a hibernation the user did not choose: the old releases keep their call, where it
// meant sleep.
void Uspi() {
  const ZpusobSpanku zpusob = ZpusobSpankuPocitace();
  if (zpusob == ZpusobSpanku::Nelze) {  // it could when armed
    Neprobehlo(VetaNeprobehlo(akce::Spanek, "tento počítač teď neumí přejít do spánku."));
    return;
  }
  Ohlas("Spuštěné uspání dokončeno.");
  const Selhani chyba = zpusob == ZpusobSpanku::VypnoutObrazovku
                            ? (port<Napajeni>().VypniObrazovku(), Selhani{})
                            : port<Napajeni>().SetSuspendState(zpusob == ZpusobSpanku::Hibernace, false, false);
  if (chyba) Neprobehlo(Neuspech(akce::Spanek) + *chyba);
}

// Hibernation only where it is switched on: it could when armed.
void Hibernuj() {
  if (!port<Napajeni>().Schopnosti().hibernace) {
    Neprobehlo(VetaNeprobehlo(akce::Hibernace, "hibernace je v tomto počítači vypnutá."));
    return;
  }
  Ohlas("Spuštěná hibernace dokončena.");
  if (const Selhani chyba = port<Napajeni>().SetSuspendState(true, false, false)) {
    Neprobehlo(Neuspech(akce::Hibernace) + *chyba);
  }
}

void Zamkni() {
  Ohlas("Spuštěné uzamčení dokončeno.");
  if (const Selhani chyba = port<Napajeni>().LockWorkStation()) Neprobehlo(Neuspech(akce::Zamceni) + *chyba);
}

// "Petr", "Petr a Jana", "Petr, Jana a Eva".
std::string Vycet(const std::vector<std::string>& jmena) {
  std::string text;
  for (std::size_t i = 0; i < jmena.size(); ++i) {
    if (i > 0) text += i + 1 == jmena.size() ? " a " : ", ";
    text += jmena[i];
  }
  return text;
}

bool KonciPraci(std::uint8_t akce) { return akce == akce::Vypnuti || akce == akce::Restart; }

bool Proved(const OkamzitaAkce& a, bool plan) {
  const InfoSystemu& system = port<InfoSystemu>();
  if (system.WinPlatform() == platforma::WindowsNT) port<Napajeni>().PovolVypnuti();
  const int verze = system.WinVersion();
  // Another user at the computer: their work is not ended, nor frozen by a sleep, unseen.
  if (const std::string cizi = CiziRelace(a.akce); !cizi.empty()) {
    Skryj();
    port<IkonaListy>().NastavTip(cizi);
    OznamBublinou(cizi);
    return false;
  }
  switch (a.akce) {
    case akce::Vypnuti:
      return UkonciSezeni(a, plan, ewx::Vypnout | ewx::VypnoutNapajeni, false);
    case akce::Restart:
      return UkonciSezeni(a, plan, ewx::Restartovat | (verze >= verze::Vista ? ewx::ObnovitAplikace : 0), false);
    case akce::Odhlaseni:
      return UkonciSezeni(a, plan, ewx::Odhlasit, verze < verze::NT351);
    case akce::Spanek:
      if (verze == verze::Win98 || verze == verze::WinME || verze >= verze::WinXP) Uspi();
      return false;
    case akce::Hibernace:
      if (verze == verze::Win98 || verze == verze::WinME || verze >= verze::WinXP) Hibernuj();
      return false;
    case akce::Zamceni:
      if (verze > verze::NT40) Zamkni();
      return false;
    default:
      return false;
  }
}

}  // namespace

bool ProvedAkci(std::uint8_t kod) {
  if (kod == 0) return Proved({stav.Akce, stav.KontrolovaneVypnuti == 1, stav.ZakazStorna == 1}, true);
  return ProvedAkci(OkamzitaAkce{kod, stav.KontrolovaneVypnuti == 1, false});
}

bool ProvedAkci(const OkamzitaAkce& akce) {
  if (AkceUzBezi()) return false;
  return Proved(akce, false);
}

bool AkceUzBezi() {
  if (stav.AkceBezi == 0) return false;
  Odmitni("Akce už probíhá.");
  return true;
}

// By the action under way's own schedule: a new one armed meanwhile does not change it.
bool StornoMozne() {
  if (stav.AkceBezi != 0) return stav.AkceBezi == 1 && stav.AkceBezStorna != 1;
  return !(stav.UpozorneniBezi == 1 && stav.ZakazStorna == 1);
}

bool StornoDovoleno() {
  if (StornoMozne()) return true;
  Odmitni("Akci už nelze stornovat.");
  return false;
}

std::string TextStornovano() {
  const std::uint8_t akce = stav.AkceBezi != 0 ? stav.BeziciAkce : stav.Akce;
  const std::string_view nazev = stav.AkceBezi != 0 ? NazevAkce(akce) : stav.AkceNazev;
  return std::string(nazev) + (RodAkce(akce) == Rod::Zensky ? " byla stornována." : " bylo stornováno.");
}

bool ZrusAkci() {
  if (stav.AkceBezi == 0 || !StornoMozne()) return false;
  stav.AkceZrusena = 1;
  return true;
}

void HlidejKonecSezeni() {
  if (!stav.KonecSezeni || port<Hodiny>().Tik() - stav.KonecSezeni->od < CekaniNaKonecSezeni) return;
  const VolaniKonce konec = *stav.KonecSezeni;
  Neprobehlo(Neuspech(konec.akce) + "systém do minuty nic neudělal.");
  if (konec.plan) PoAkciPlanu();
}

std::string CiziRelace(std::uint8_t akce) {
  if (!KonciPraci(akce) && akce != akce::Spanek && akce != akce::Hibernace) return {};
  const auto prihlaseni = port<Relace>().Prihlaseni();
  if (!prihlaseni || prihlaseni->vlastni_aktivni || !prihlaseni->jina_aktivni) return {};
  return VetaNeprobehlo(akce, "u počítače pracoval jiný uživatel.");
}

std::string VetaOJinych(std::uint8_t akce) {
  if (!KonciPraci(akce)) return {};
  const auto prihlaseni = port<Relace>().Prihlaseni();
  if (!prihlaseni || prihlaseni->jini.empty()) return {};
  if (prihlaseni->jini.size() == 1) {
    return "Přihlášen je i uživatel " + prihlaseni->jini[0] + "; jeho neuložená práce se ztratí.";
  }
  return "Přihlášeni jsou i uživatelé " + Vycet(prihlaseni->jini) + "; jejich neuložená práce se ztratí.";
}
