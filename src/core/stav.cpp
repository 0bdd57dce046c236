#include "core/stav.h"

#include <algorithm>

#include "core/dny.h"

using namespace std::chrono;

StavPlanu stav;

bool VPovolenyDen(const Plan& plan, Cas okamzik) { return DenPovolen(plan.Dny, okamzik - days{plan.KonecDne}); }

// The night after a busy evening is the job's; the next day's lunch break is not. A moment in the small
// hours belongs to that night: its watch ends the same morning.
Cas KonecHlidani(const Plan& plan, Cas od) {
  Cas rano = floor<days>(od) + hours{6};
  if (rano <= od) rano += days{1};
  return plan.KazdyDen == 1 ? std::min(rano, od + days{1}) : rano;
}

bool JesteNastane(const Plan& plan, Cas okamzik, Cas ted) {
  if (plan.Podminka.Zadne()) return okamzik >= ted;
  return plan.BezCasu == 1 || ted < KonecHlidani(plan, okamzik);
}
