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
    port<Probouzeni>().Nastav(*chci);
  } else {
    port<Probouzeni>().Zrus();
  }
  stav.Probuzeni = chci;
}

void ZrusProbuzeni() {
  if (!stav.Probuzeni) return;
  port<Probouzeni>().Zrus();
  stav.Probuzeni.reset();
}
