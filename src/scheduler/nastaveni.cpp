#include "scheduler/nastaveni.h"

#include <utility>

#include "core/kodovani.h"
#include "core/stav.h"
#include "platform/port.h"
#include "platform/uloziste.h"

namespace {
bool ukladani_pozastaveno = false;
}  // namespace

BezUkladani::BezUkladani() : predtim_(std::exchange(ukladani_pozastaveno, true)) {}
BezUkladani::~BezUkladani() { ukladani_pozastaveno = predtim_; }

// An armed or a daily schedule is stored and registered for the next log-on; an idle one-off
// schedule is forgotten. So is a one-off schedule that belongs to this session alone: a number of
// minutes, or a condition without a time, whose "now" would be another one after a restart (a program
// not running yet at the log-on would shut the computer down within seconds).
void UlozNastaveni() {
  if (ukladani_pozastaveno) return;
  Uloziste& uloziste = port<Uloziste>();
  if (stav.KazdyDen != 1 && (stav.Neaktivni == 1 || stav.JenRelace == 1)) {
    uloziste.ZapisParametr("");
    uloziste.ZapisVyrizeno("");
    uloziste.SmazAutostart(Autostart::RunOnce);
    uloziste.SmazAutostart(Autostart::Run);
    return;
  }
  const std::string ulozeny = UlozenyTvar(stav.Parametr);
  uloziste.ZapisParametr(ulozeny);
  uloziste.ZapisVyrizeno(stav.Vyrizeno == Cas{} ? "" : ZapisOkamziku(stav.Vyrizeno));
  const std::string prikaz = PrikazAutostartu(uloziste.CestaProgramu(), ulozeny);
  uloziste.NastavAutostart(Autostart::RunOnce, prikaz);
  uloziste.NastavAutostart(Autostart::Run, prikaz);
}

// The path is quoted: unquoted, a path with a blank would let a planted "C:\Program.exe" run at every
// log-on.
std::string PrikazAutostartu(std::string_view cesta_programu, std::string_view ulozeny_tvar) {
  std::string prikaz = "\"";
  prikaz.append(cesta_programu).append("\" ").append(ulozeny_tvar);
  return prikaz;
}
