#include "scheduler/akce.h"

#include <chrono>
#include <string_view>

#include "core/spanek.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/napajeni.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/relace.h"
#include "platform/system.h"
#include "scheduler/casovac.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmeskane.h"

using namespace std::chrono;

namespace {

// How long a session may go on after the call that was to end it.
constexpr seconds CekaniNaKonecSezeni{60};

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
void Neprobehlo(std::uint8_t akce, std::string_view duvod) {
  Pokracuj();
  const std::string text = Neuspech(akce) + std::string(duvod);
  port<IkonaListy>().NastavTip(text);
  OznamBublinou(text);
}

// Shut-down, restart and log-off: the timer stops first (which stores or clears the settings), the
// running programs are asked to close when the schedule says so, and the system forces the rest. While
// the programs are closed messages flow: a cancel stops the action there, and nothing else from outside
// starts meanwhile (AkceBezi).
bool UkonciSezeni(std::uint8_t akce, bool plan, unsigned priznaky, bool ukoncit_progman) {
  stav.AkceBezi = 1;
  stav.AkceZrusena = 0;
  Casovac(false);
  if (stav.KontrolovaneVypnuti == 1) port<Napajeni>().ZavriProgramy();
  if (stav.AkceZrusena == 1) {  // the programs already closed stay closed
    Pokracuj();
    return false;
  }
  if (ukoncit_progman) port<Napajeni>().UkonciProgman();
  stav.AkceBezi = 2;
  port<OknoUpozorneni>().ZakazStorno();
  if (const Selhani chyba = port<Napajeni>().ExitWindowsEx(priznaky | ewx::Vynutit, ewx::DuvodPlanovany)) {
    Neprobehlo(akce, *chyba);
    return false;
  }
  stav.KonecSezeni = VolaniKonce{port<Hodiny>().Tik(), akce, plan};
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
  if (zpusob == ZpusobSpanku::Nelze) return;
  Ohlas("Spuštěné uspání dokončeno.");
  const Selhani chyba = zpusob == ZpusobSpanku::VypnoutObrazovku
                            ? (port<Napajeni>().VypniObrazovku(), Selhani{})
                            : port<Napajeni>().SetSuspendState(zpusob == ZpusobSpanku::Hibernace, false, false);
  if (chyba) Neprobehlo(akce::Spanek, *chyba);
}

void Zamkni() {
  Ohlas("Spuštěné uzamčení dokončeno.");
  if (const Selhani chyba = port<Napajeni>().LockWorkStation()) Neprobehlo(akce::Zamceni, *chyba);
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

}  // namespace

bool ProvedAkci(std::uint8_t kod) {
  const InfoSystemu& system = port<InfoSystemu>();
  if (system.WinPlatform() == platforma::WindowsNT) port<Napajeni>().PovolVypnuti();
  const int verze = system.WinVersion();
  const std::uint8_t akce = kod != 0 ? kod : stav.Akce;
  const bool plan = kod == 0;
  switch (akce) {
    case akce::Vypnuti:
      return UkonciSezeni(akce, plan, ewx::Vypnout | ewx::VypnoutNapajeni, false);
    case akce::Restart:
      return UkonciSezeni(akce, plan, ewx::Restartovat | (verze >= verze::Vista ? ewx::ObnovitAplikace : 0), false);
    case akce::Odhlaseni:
      return UkonciSezeni(akce, plan, ewx::Odhlasit, verze < verze::NT351);
    case akce::Spanek:
      if (verze == verze::Win98 || verze == verze::WinME || verze >= verze::WinXP) Uspi();
      return false;
    case akce::Zamceni:
      if (verze > verze::NT40) Zamkni();
      return false;
    default:
      return false;
  }
}

bool StornoMozne() { return stav.AkceBezi == 0 || (stav.AkceBezi == 1 && stav.ZakazStorna != 1); }

bool ZrusAkci() {
  if (stav.AkceBezi == 0 || !StornoMozne()) return false;
  stav.AkceZrusena = 1;
  return true;
}

void HlidejKonecSezeni() {
  if (!stav.KonecSezeni || port<Hodiny>().Tik() - stav.KonecSezeni->od < CekaniNaKonecSezeni) return;
  const VolaniKonce konec = *stav.KonecSezeni;
  Neprobehlo(konec.akce, "systém do minuty nic neudělal.");
  if (konec.plan) PoAkciPlanu();
}

std::string CiziRelace(std::uint8_t akce) {
  if (!KonciPraci(akce) && akce != akce::Spanek) return {};
  const auto prihlaseni = port<Relace>().Prihlaseni();
  if (!prihlaseni || prihlaseni->vlastni_aktivni || !prihlaseni->jina_aktivni) return {};
  const std::string nazev = akce == akce::Vypnuti ? "Vypnutí" : akce == akce::Restart ? "Restartování" : "Spánek";
  return nazev + (akce == akce::Spanek ? " neproběhl" : " neproběhlo") + ": u počítače pracoval jiný uživatel.";
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
