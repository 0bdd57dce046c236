#include "scheduler/probuzeni.h"

#include <chrono>
#include <optional>

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/port.h"
#include "platform/probouzeni.h"

void HlidejProbuzeni() {
  std::optional<Cas> chci;
  const bool vypne = stav.Akce == akce::Vypnuti || stav.Akce == akce::Restart;
  // A schedule that waits for a condition is not woken for: its moment only begins the watching.
  const bool podminka = !stav.Podminka.Zadne();
  if (stav.Neaktivni == 0 && stav.UpozorneniBezi == 0 && stav.OdDo != 1 && !podminka && vypne) {
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

void HlidejBdelost() {
  // A wake-up that no countdown followed soon holds no longer: the schedule went elsewhere.
  constexpr auto NejdeleChvile = std::chrono::minutes{5};
  const Cas ted = port<Hodiny>().Ted();
  if (stav.UpozorneniBezi == 1 || stav.Neaktivni != 0 || (stav.Probuzeno && ted - *stav.Probuzeno > NejdeleChvile)) {
    stav.Probuzeno.reset();
  }
  // From the warning to the action the screen stays on too: a warning on a dark screen is none.
  const bool varovani = stav.UpozorneniBezi == 1 || stav.AkceBezi == 1;
  // A condition is watched from its not-before moment: the job the user waits for (a render, a
  // download) must not be cut off by the system's idle sleep, nor the action with it.
  // So is the snooze of one: the user put off the action the job was waiting for, not the job.
  const bool odlozena = stav.Posunuti == 1 && !stav.PredPosunutim.Podminka.Zadne();
  const bool hlida =
      stav.Neaktivni == 0 && stav.OdDo != 1 && ((!stav.Podminka.Zadne() && ted >= stav.CilovyCas) || odlozena);
  const std::uint32_t drzet = varovani                              ? bdelost::System | bdelost::Displej
                              : stav.Probuzeno.has_value() || hlida ? bdelost::System
                                                                    : 0;
  if (drzet == stav.Bdely) return;
  port<Probouzeni>().DrzBdely(bdelost::Trvale | drzet);
  stav.Bdely = drzet;
}

// Any resume reports this; it is the program's own when it comes about the moment its timer was set
// for.
void PoProbuzeni() {
  constexpr auto Tolerance = std::chrono::minutes{2};
  const Cas ted = port<Hodiny>().Ted();
  if (stav.Neaktivni == 0 && stav.Probuzeni && ted >= *stav.Probuzeni - Tolerance &&
      ted <= *stav.Probuzeni + Tolerance) {
    stav.Probuzeno = ted;
  }
  HlidejBdelost();
}

std::string TextBezProbuzeni(std::uint8_t kod) {
  if (kod != akce::Vypnuti && kod != akce::Restart) return {};
  const std::optional<unsigned> buzeni = port<Probouzeni>().NastaveniBuzeni();
  if (!buzeni || *buzeni == 1) return {};
  return "Plán napájení nedovoluje probuzení: ze spánku počítač v naplánovanou dobu nevstane.";
}

void ZrusProbuzeni() {
  if (!stav.Probuzeni) return;
  port<Probouzeni>().Zrus();
  stav.Probuzeni.reset();
}
