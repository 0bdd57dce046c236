#include "scheduler/probuzeni.h"

#include <chrono>
#include <optional>

#include "core/stav.h"
#include "platform/port.h"
#include "platform/probouzeni.h"

void HlidejProbuzeni() {
  std::optional<Cas> chci;
  const bool vypne = stav.Akce == akce::Vypnuti || stav.Akce == akce::Restart;
  if (stav.Neaktivni == 0 && stav.UpozorneniBezi == 0 && stav.OdDo != 1 && vypne) {
    chci = stav.CilovyCas - std::chrono::minutes{1};
  }
  if (chci == stav.Probuzeni) return;
  if (chci) {
    if (!port<Probouzeni>().Nastav(*chci)) return;  // tried again at the next tick
  } else {
    port<Probouzeni>().Zrus();
  }
  stav.Probuzeni = chci;
}

// The system keeps the wake moment in universal time: after a change of the time zone the local
// moment is another one, so it is set anew.
void ObnovProbuzeni() {
  if (stav.Probuzeni && !port<Probouzeni>().Nastav(*stav.Probuzeni)) stav.Probuzeni.reset();
}

void ZrusProbuzeni() {
  if (!stav.Probuzeni) return;
  port<Probouzeni>().Zrus();
  stav.Probuzeni.reset();
}
