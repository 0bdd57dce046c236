#include "scheduler/zmeskane.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "core/dny.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/casovac.h"
#include "scheduler/kdy.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"

using namespace std::chrono;

namespace {

constexpr minutes NejvyseZpozdeni{10};
// A countdown's end passed without a tick by more than this: the computer slept through it. Normal
// ticks never come later than half a second past the end; a busy system may delay one a little.
constexpr seconds PreruseniOdpoctu{3};

}  // namespace

std::string TextZmeskani(Cas zmeskany, Cas ted, std::optional<Cas> pristi) {
  static constexpr std::array<std::string_view, 3> Naplanovane = {" naplánovaný na ", " naplánovaná na ",
                                                                  " naplánované na "};
  const bool dnes = floor<days>(zmeskany) == floor<days>(ted);
  std::string text =
      stav.AkceNazev + std::string(Naplanovane[static_cast<std::size_t>(RodAkce(stav.Akce))]) +
      (dnes ? FormatHodinyMinuty(zmeskany - floor<days>(zmeskany)) : FormatDatum(zmeskany) + " " + VHodin(zmeskany)) +
      " " + std::string(TvarNeprobehlo(stav.Akce)) + ", počítač v tu dobu nebyl v provozu.";
  if (pristi) text += " Příště proběhne " + Kdy(*pristi, ted) + ".";
  return text;
}

// A postponement stood in for one day's moment: after it, the stored time comes back, from the day after
// the moment it replaced, so that a day moved to an earlier time does not act twice.
// The day's moment left behind is dealt with, also for a start later that day: it is stored with the
// schedule.
void PrenesNaDalsiDen(bool po_hlidani) {
  const Cas ted = port<Hodiny>().Ted();
  stav.Vyrizeno = stav.Posunuti == 1 ? stav.PredPosunutim.CilovyCas : stav.CilovyCas;
  if (stav.Posunuti == 1) {
    const Plan posunuty = stav;
    if (Rozeber(stav.Parametr, true, true) == Rozbor::Aktivni) {
      stav.Posunuti = 0;
    } else {
      static_cast<Plan&>(stav) = posunuty;
    }
  }
  // The schedule read again is past the day left behind already; so is a clock set back over it.
  const auto dalsi = [&](Cas cil) {
    const bool nastane = po_hlidani ? JesteNastane(stav, cil, ted) : cil - minutes{1} > floor<minutes>(ted);
    return nastane && cil > stav.Vyrizeno && VPovolenyDen(stav, cil);
  };
  while (!dalsi(stav.CilovyCas)) stav.CilovyCas += days{1};
  NastavMinutuVarovani();
  UlozNastaveni();
}

// Over a full-screen program, a presentation or quiet hours the balloon waits, its text in the tooltip.
void OznamBublinou(const std::string& text) {
  if (BublinuUvidi(port<IkonaListy>().StavUzivatele())) {
    port<IkonaListy>().Bublina(text);
  } else {  // kept for later; meanwhile the tooltip says it
    stav.OdlozenaBublina = text;
    port<IkonaListy>().NastavTip(text);
  }
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Vykricnik);
}

namespace {

// The moment was missed by so long: soon enough, the warning starts with its whole minute; later, a
// daily schedule moves on and a one-off one is forgotten, and the balloon says so.
void Zmeskano(milliseconds o) {
  if (floor<minutes>(o) <= NejvyseZpozdeni) {
    stav.Zpozdeni = o;
    Zobraz(seconds{60});
    return;
  }
  const Cas ted = port<Hodiny>().Ted();
  const Cas zmeskany = stav.CilovyCas;
  std::optional<Cas> pristi;
  if (stav.KazdyDen == 1) {
    PrenesNaDalsiDen();
    pristi = stav.CilovyCas;
  } else {
    stav.Neaktivni = 1;
    UlozNastaveni();
    port<IkonaListy>().NastavTip(NazevAplikace);
  }
  OznamBublinou(TextZmeskani(zmeskany, ted, pristi));
}

// A countdown is never finished late: one whose end the computer slept through is a missed moment. A
// condition's is watched anew instead: what held before the sleep need not hold after it.
void HlidejOdpocet() {
  const milliseconds pres = port<Hodiny>().Tik() - stav.KonecOdpoctu;
  if (pres <= PreruseniOdpoctu) return;
  Skryj();
  PrerusenoSpankem(pres);
}

}  // namespace

// Late by the sleep, and by as much as the countdown it cut began late already (after an earlier sleep):
// one must not start again and again, ten minutes at a time. Both in real time, which a clock set
// forward or daylight saving's hour does not lengthen.
void PrerusenoSpankem(milliseconds pres) {
  if (!stav.Podminka.Zadne()) {
    stav.Hlidani = {};
    return;
  }
  Zmeskano(stav.Zpozdeni + minutes{1} + pres);  // the countdown's minute, then the sleep past its end
}

// Over a full-screen program, a presentation, in quiet hours, or while nobody is at the screen, the
// shell hides a balloon or shows it to no one. Answers it cannot give are no reason to hold one back.
bool BublinuUvidi(int stav_uzivatele) {
  switch (stav_uzivatele) {
    case 1:  // QUNS_NOT_PRESENT: locked, a screen saver, another user's session
    case 2:  // QUNS_BUSY: a full-screen program
    case 3:  // QUNS_RUNNING_D3D_FULL_SCREEN
    case 4:  // QUNS_PRESENTATION_MODE
    case 6:  // QUNS_QUIET_TIME
    case 7:  // QUNS_APP: a full-screen app of the new kind
      return false;
    default:
      return true;
  }
}

void HlidejOdlozenouBublinu() {
  if (stav.OdlozenaBublina.empty() || !BublinuUvidi(port<IkonaListy>().StavUzivatele())) return;
  port<IkonaListy>().Bublina(stav.OdlozenaBublina);
  stav.OdlozenaBublina.clear();
  port<IkonaListy>().NastavTip(TipPlanu());
}

// How long ago the warning minute passed, in the time that really went by: a clock set forward over
// it (or the hour daylight saving skips) passes it in no time, and the warning is still due.
void HlidejZmeskane() {
  if (stav.Neaktivni != 0 || stav.OdDo == 1) return;
  if (stav.UpozorneniBezi == 1) {
    HlidejOdpocet();
    return;
  }
  if (!stav.Podminka.Zadne()) return;  // its moment is only where the watching begins
  if (port<Hodiny>().Tik() < stav.NejdriveVarovani) return;  // a snooze's minutes have not passed yet
  const Cas ted = port<Hodiny>().Ted();
  const Cas varovani = stav.CilovyCas - minutes{1};
  const milliseconds podle_hodin = ted - varovani;
  if (podle_hodin < minutes{1}) return;  // not passed yet; its own minute is the tick's
  const milliseconds opravdu =
      stav.PosledniTik > milliseconds{0} ? port<Hodiny>().Tik() - stav.PosledniTik : podle_hodin;
  Zmeskano(std::min(podle_hodin, opravdu));
}
