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
void PlanovacProgramu::ProvedAkci(std::uint8_t kod) {
  const BezUkladani bez_ukladani;
  ::ProvedAkci(kod);
}

bool PlanovacProgramu::AkceMozna(std::uint8_t kod) {
  return kod != akce::Spanek || ZpusobSpankuPocitace() != ZpusobSpanku::Nelze;
}

bool PlanovacProgramu::KlidMeritelny() { return port<Cinnost>().MeriSit(); }
