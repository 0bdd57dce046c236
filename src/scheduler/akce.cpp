#include "scheduler/akce.h"

#include <string_view>

#include "core/spanek.h"
#include "core/stav.h"
#include "platform/napajeni.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/system.h"
#include "scheduler/casovac.h"
#include "scheduler/upozorneni.h"

namespace {

// Shut-down, restart and log-off: the timer stops first (which stores or clears the settings), the
// running programs are asked to close when the schedule says so, and the system forces the rest.
// While the programs are being closed messages flow: nothing from outside may start another action
// meanwhile (a second start's request is refused while AkceBezi holds).
void UkonciSezeni(unsigned priznaky, bool ukoncit_progman) {
  stav.AkceBezi = 1;
  Casovac(false);
  if (stav.KontrolovaneVypnuti == 1) port<Napajeni>().ZavriProgramy();
  if (ukoncit_progman) port<Napajeni>().UkonciProgman();
  port<Napajeni>().ExitWindowsEx(priznaky | ewx::Vynutit, ewx::DuvodNeuveden);
  stav.AkceBezi = 0;
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
  if (zpusob == ZpusobSpanku::VypnoutObrazovku) {
    port<Napajeni>().VypniObrazovku();
  } else {
    port<Napajeni>().SetSuspendState(zpusob == ZpusobSpanku::Hibernace, false, false);
  }
}

}  // namespace

void ProvedAkci(std::uint8_t kod) {
  const InfoSystemu& system = port<InfoSystemu>();
  if (system.WinPlatform() == platforma::WindowsNT) port<Napajeni>().PovolVypnuti();
  const int verze = system.WinVersion();
  switch (kod != 0 ? kod : stav.Akce) {
    case akce::Vypnuti:
      UkonciSezeni(ewx::Vypnout | ewx::VypnoutNapajeni, false);
      break;
    case akce::Restart:
      UkonciSezeni(ewx::Restartovat, false);
      break;
    case akce::Odhlaseni:
      UkonciSezeni(ewx::Odhlasit, verze < verze::NT351);
      break;
    case akce::Spanek:
      if (verze == verze::Win98 || verze == verze::WinME || verze >= verze::WinXP) Uspi();
      break;
    case akce::Zamceni:
      if (verze > verze::NT40) {
        Ohlas("Spuštěné uzamčení dokončeno.");
        port<Napajeni>().LockWorkStation();
      }
      break;
    default:
      break;
  }
}
