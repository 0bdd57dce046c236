#include "scheduler/odlozeni.h"

#include <chrono>
#include <string>
#include <utility>

#include "core/parametr.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/probuzeni.h"
#include "scheduler/zbyvajici.h"
#include "scheduler/zmena_planu.h"

bool OdlozeniMozne() {
  const bool varuje = stav.UpozorneniBezi == 1 || (stav.AkceBezi == 1 && stav.AkcePlanu == 1);
  return varuje && stav.ZakazStorna != 1 && stav.OdDo != 1 && StornoMozne();
}

namespace {

// The string the postponement is armed with: the schedule's action and options, in so many minutes.
// A number of minutes cannot wait for a condition: the condition has held already. ";kd" keeps a daily
// schedule daily, so that after its action the stored time comes back for the next day; its days of the
// week come back with it.
std::string TextOdlozeni(int minut) {
  std::string text(KlicoveSlovoAkce(stav.Akce));
  if (stav.KazdyDen == 1) text += ";kd";
  if (stav.KontrolovaneVypnuti == 1) text += ";kv";
  if (stav.SkrytStorno == 1) text += ";ss";
  if (stav.HesloZapnuto == 1) text += ";h/" + stav.Heslo + "/";
  return text + ";t/" + std::to_string(minut) + "/";
}

}  // namespace

void Odloz() {
  if (!OdlozeniMozne()) return;
  // A postponement postponed again still stands in for the schedule it replaced first.
  const Plan nahrazeny = stav.Posunuti == 1 ? stav.PredPosunutim : static_cast<const Plan&>(stav);
  // A number of minutes counts to the start of a minute: one more when the press is not on one, so that
  // the action never comes sooner than 10 minutes after it.
  const bool na_minute = port<Hodiny>().Ted().time_since_epoch() % std::chrono::minutes{1} == std::chrono::seconds{0};
  // The day's moment dealt with already (the programs were being closed for it) must not push the
  // postponement of a daily schedule to tomorrow.
  const Cas vyrizeno = std::exchange(stav.Vyrizeno, Cas{});
  const Rozbor rozbor = NahradPlan(TextOdlozeni(na_minute ? 10 : 11), true, true);
  stav.Vyrizeno = vyrizeno;
  if (rozbor != Rozbor::Aktivni) return;
  ZapamatujPosunuti(nahrazeny);
  // Its warning minute is the tenth after the press in real time too, whatever the wall clock does.
  stav.NejdriveVarovani = port<Hodiny>().Tik() + std::chrono::minutes{9};
  HlidejBdelost();  // the job a condition waited for keeps the computer awake through the snooze too
  const std::string tip = "POSUNUTÍ - " + TextZbyvajici(10);
  port<IkonaListy>().NastavTip(tip);
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().PlanZvenku(tip);
}
