#include "scheduler/nastaveni.h"

#include <utility>

#include "core/kodovani.h"
#include "core/stav.h"
#include "platform/port.h"
#include "platform/uloziste.h"

namespace {
bool ukladani_pozastaveno = false;

// A one-off clock time belongs to the day it was given: stored with that day, a log-on on a later day
// finds it passed instead of arming it for that day's clock. 24:00 names the day before its midnight.
// A postponement stores the schedule it stands in for, with that one's day.
std::string ParametrSeDnem() {
  const Plan& p = stav.Posunuti == 1 ? stav.PredPosunutim : stav;
  if (p.KazdyDen == 1 || p.OdDo == 1 || p.RezimMinuty == 1 || p.BezCasu == 1 || p.SDatem == 1) return p.Parametr;
  const Cas den = p.CilovyCas - std::chrono::days{p.KonecDne == 1 ? 1 : 0};
  return p.Parametr + ";d/" + FormatDatum(den) + "/";
}
}  // namespace

BezUkladani::BezUkladani() : predtim_(std::exchange(ukladani_pozastaveno, true)) {}
BezUkladani::~BezUkladani() { ukladani_pozastaveno = predtim_; }

// An armed or a daily schedule is stored and registered for the next log-on; an idle one-off
// schedule is forgotten. So is a one-off schedule that belongs to this session alone: a number of
// minutes, or a condition without a time, whose "now" would be another one after a restart (a program
// not running yet at the log-on would shut the computer down within seconds).
//
// Forgetting takes the autostart values first: should the store not be cleared, nothing starts the
// schedule again anyway. RunOnce is not governed by the user's switch in Startup apps, so it is written
// only while that switch is on.
void SmazUlozeny() {
  Uloziste& uloziste = port<Uloziste>();
  uloziste.SmazAutostart(Autostart::RunOnce);
  uloziste.SmazAutostart(Autostart::Run);
  uloziste.ZapisParametr("");
  uloziste.ZapisVyrizeno("");
}

void UlozNastaveni() {
  if (ukladani_pozastaveno) return;
  Uloziste& uloziste = port<Uloziste>();
  // The administrator's schedule belongs to the policy, which brings it back at every start: only its
  // day's moment dealt with is kept (a one-off one is dealt with once disarmed). The user's own stays
  // stored as it was, to come back when the policy goes.
  if (!stav.ZasadaParametr.empty()) {
    const Cas vyrizeno = stav.KazdyDen != 1 && stav.Neaktivni == 1 ? stav.CilovyCas : stav.Vyrizeno;
    if (vyrizeno != Cas{}) uloziste.ZapisVyrizenoSpravce(ZapisOkamziku(vyrizeno) + "\n" + stav.ZasadaParametr);
    return;
  }
  if (stav.ZakazVlastnich == 1) return;
  if (stav.KazdyDen != 1 && (stav.Neaktivni == 1 || stav.JenRelace == 1)) return SmazUlozeny();
  uloziste.ZapisParametr(UlozenyTvar(ParametrSeDnem()));
  uloziste.ZapisVyrizeno(stav.Vyrizeno == Cas{} ? "" : ZapisOkamziku(stav.Vyrizeno));
  const std::string prikaz = PrikazAutostartu(uloziste.CestaProgramu());
  if (uloziste.AutostartPovolen()) {
    uloziste.NastavAutostart(Autostart::RunOnce, prikaz);
  } else {
    uloziste.SmazAutostart(Autostart::RunOnce);
  }
  uloziste.NastavAutostart(Autostart::Run, prikaz);
}

// The path is quoted: unquoted, a path with a blank would let a planted "C:\Program.exe" run at every
// log-on. The schedule stays in the store: the stored form of an empty string is only the marker that
// says so. A password scrambled into the command line could hold a zero, a quotation mark or a blank,
// which the shell cuts or splits at.
std::string PrikazAutostartu(std::string_view cesta_programu) {
  std::string prikaz = "\"";
  prikaz.append(cesta_programu).append("\" ").append(UlozenyTvar(""));
  return prikaz;
}
