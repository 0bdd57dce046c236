#include "scheduler/zmena_planu.h"

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmeskane.h"

// The parse shows no box: the box's own message loop would let the schedule in force tick meanwhile with
// the state half read, or let a stop made meanwhile be undone when it closes. So the schedule in force
// is back, armed and counting, before the box says what was wrong.
Rozbor NahradPlan(const std::string& text, bool BezHlaseni, bool NeUkladat) {
  if (!StornoMozne()) return Rozbor::Odmitnuto;  // the session is being ended, or may not be stopped
  const Plan vPlatnosti = stav;
  const bool odpocet = stav.UpozorneniBezi == 1;
  const std::uint8_t zbyva = stav.ZbyvaSekund;  // a refused string resets it, the countdown goes on
  const Rozbor rozbor = Rozeber(text, true, NeUkladat);
  if (rozbor == Rozbor::Aktivni) {
    ZrusAkci();            // nor does its action under way
    if (odpocet) Skryj();  // a countdown of the one replaced never carries out the new one
    HlidejBdelost();       // nor is the computer kept awake for the job it waited for
    return rozbor;
  }
  if (rozbor == Rozbor::Provedeno) return rozbor;  // what changed while it ran stays
  static_cast<Plan&>(stav) = vPlatnosti;
  stav.ZbyvaSekund = zbyva;
  if (rozbor == Rozbor::Odmitnuto && !BezHlaseni) UkazOdmitnuti();
  return rozbor;
}

void ZrusPlan() {
  ZrusAkci();
  if (stav.UpozorneniBezi == 1) Skryj();
  stav.Neaktivni = 1;
  stav.Posunuti = 0;
  RozeberParametr({}, true, false);
  UlozNastaveni();
  HlidejBdelost();
}

void ZapamatujPosunuti(const Plan& nahrazeny) {
  stav.Posunuti = 1;
  stav.PredPosunutim = nahrazeny;
  stav.PredPosunutim.Posunuti = 0;
}

bool ZrusPosunuti() {
  // Only while its warning minute has not begun: a snooze pressed in that minute must not bring it back.
  if (stav.PredPosunutim.CilovyCas - std::chrono::minutes{1} > port<Hodiny>().Ted()) {
    static_cast<Plan&>(stav) = stav.PredPosunutim;  // its 24:00, its watch, all as it was
    stav.Hlidani = {};
    return true;
  }
  if (stav.KazdyDen != 1) return false;
  PrenesNaDalsiDen();
  return true;
}
