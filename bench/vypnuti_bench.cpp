// How long the schedule's own work takes: reading a parameter string, one tick of the timer, the
// tooltip's sentence, scrambling the stored form. Figures only; nothing here is a test.
#include <benchmark/benchmark.h>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/probouzeni.h"
#include "scheduler/casovac.h"
#include "scheduler/zbyvajici.h"
#include "tichy_svet.h"

namespace {

// The parser's quiet world, and the windows the tick reaches, doing nothing.
struct TichySvetSOkny : TichySvet, IkonaListy, OknoUpozorneni, HlavniOkno, Probouzeni {
  bool Nastav(Cas) override { return true; }
  void Zrus() override {}
  void DrzBdely(std::uint32_t) override {}
  std::optional<unsigned> NastaveniBuzeni() override { return std::nullopt; }
  void NastavTip(std::string_view) override {}
  std::string Tip() const override { return {}; }
  void Bublina(std::string_view) override {}
  int StavUzivatele() override { return 0; }
  void Odeber() override {}
  void Vrat() override {}
  void Nacti() override {}
  void Ukaz(bool, std::string_view) override {}
  void ZakazStorno() override {}
  void Schovej() override {}
  void NastavText(std::string_view) override {}
  void Ohlas() override {}
  void Zazni() override {}
  void Otevri() override {}
  void UkazCas(std::string_view, std::string_view) override {}
  void StavovyRadek(std::string_view, int) override {}
  bool mmeActive() override { return false; }
  void ZrusHint() override {}
  void PlanZvenku(std::string_view) override {}
};

TichySvetSOkny svet;
Pripojeni<Hodiny> p1(svet);
Pripojeni<Dialogy> p2(svet);
Pripojeni<Mistni> p3(svet);
Pripojeni<Planovac> p4(svet);
Pripojeni<IkonaListy> p5(svet);
Pripojeni<OknoUpozorneni> p6(svet);
Pripojeni<HlavniOkno> p7(svet);
Pripojeni<Probouzeni> p8(svet);

void RozborParametru(benchmark::State& s) {
  stav.CasSpusteni = svet.ted;
  for (auto _ : s) benchmark::DoNotOptimize(RozeberParametr("/restart;kd;zs;ss;kv;h/heslo/;t/22:30/", true, true));
}
BENCHMARK(RozborParametru);

// A tick of an armed schedule that rebuilds the tooltip: the most a tick does before the warning.
void TikSTipem(benchmark::State& s) {
  stav.CasSpusteni = svet.ted;
  RozeberParametr("/vypnuti;t/525600/", true, true);
  for (auto _ : s) {
    stav.PosledniMinuta = -1;
    CasovacTik();
  }
}
BENCHMARK(TikSTipem);

void VetaZbyvajiciDoby(benchmark::State& s) {
  stav.AkceNazev = "Vypnutí";
  for (auto _ : s) benchmark::DoNotOptimize(TextZbyvajici(1565));
}
BENCHMARK(VetaZbyvajiciDoby);

void UlozenyTvarTamAZpet(benchmark::State& s) {
  const std::string parametr = "/vypnuti;kd;h/Žluťoučký kůň/;t/22:30/";
  for (auto _ : s) benchmark::DoNotOptimize(RozbalUlozenyTvar(UlozenyTvar(parametr)));
}
BENCHMARK(UlozenyTvarTamAZpet);

}  // namespace

BENCHMARK_MAIN();
