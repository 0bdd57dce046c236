#include "scheduler/planovac_programu.h"

#include "core/spanek.h"
#include "core/stav.h"
#include "platform/cinnost.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"

void PlanovacProgramu::UlozNastaveni() { ::UlozNastaveni(); }
// A shut-down stops the timer, and stopping the timer stores the schedule; an action carried out at
// once is no schedule, so the store keeps what it held.
// It is the new string's action, not the schedule's (kod 0): nothing of the schedule in force changes by
// it, also when the action does not happen.
void PlanovacProgramu::ProvedAkci(std::uint8_t kod) {
  const BezUkladani bez_ukladani;
  ::ProvedAkci(kod != 0 ? kod : stav.Akce);
}

bool PlanovacProgramu::AkceMozna(std::uint8_t kod) {
  return kod != akce::Spanek || ZpusobSpankuPocitace() != ZpusobSpanku::Nelze;
}

bool PlanovacProgramu::KlidMeritelny() { return port<Cinnost>().MeriSit(); }
