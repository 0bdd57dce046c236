#include "scheduler/zmena_planu.h"

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/port.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"

Rozbor NahradPlan(const std::string& text, bool BezHlaseni, bool NeUkladat) {
  const Plan vPlatnosti = stav;
  const bool odpocet = stav.UpozorneniBezi == 1;
  const auto konec_odpoctu = stav.KonecOdpoctu;
  if (odpocet) Skryj();
  stav.Neaktivni = 1;
  const Rozbor rozbor = Rozeber(text, BezHlaseni, NeUkladat);
  if (rozbor == Rozbor::Aktivni) return rozbor;
  static_cast<Plan&>(stav) = vPlatnosti;
  if (odpocet) Zobraz(konec_odpoctu - port<Hodiny>().Tik());
  return rozbor;
}

void ZrusPlan() {
  if (stav.UpozorneniBezi == 1) Skryj();
  stav.Neaktivni = 1;
  stav.Posunuti = 0;
  RozeberParametr({}, true, false);
  UlozNastaveni();
}
