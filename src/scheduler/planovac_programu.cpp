#include "scheduler/planovac_programu.h"

#include "core/spanek.h"
#include "core/stav.h"
#include "platform/cinnost.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"

void PlanovacProgramu::UlozNastaveni() { ::UlozNastaveni(); }
void PlanovacProgramu::ProvedAkci(const OkamzitaAkce& akce) { ::ProvedAkci(akce); }

bool PlanovacProgramu::AkceMozna(std::uint8_t kod) {
  if (kod == akce::Hibernace) return port<Napajeni>().Schopnosti().hibernace;
  return kod != akce::Spanek || ZpusobSpankuPocitace() != ZpusobSpanku::Nelze;
}

bool PlanovacProgramu::KlidMeritelny() { return port<Cinnost>().MeriSit(); }
