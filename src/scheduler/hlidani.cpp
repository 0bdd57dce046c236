#include "scheduler/hlidani.h"

#include <chrono>

#include "core/parametr.h"
#include "core/podminky.h"
#include "core/stav.h"
#include "platform/cinnost.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/kdy.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmeskane.h"

using namespace std::chrono;

namespace {

// A process list, the counters and the last input cost little, but not nothing: once in so long.
constexpr milliseconds MeziKontrolami{5000};
// Checks this far apart mean that the computer slept or the program stood still: that time proves no
// quiet.
constexpr milliseconds NejdelsiMezera{60000};

// Sampled at every check, whatever the other conditions say, so that no burst goes unseen.
bool KlidTrva(milliseconds tik) {
  HlidaniPodminek& h = stav.Hlidani;
  const Vzorek vzorek{tik, port<Cinnost>().Procesor(), port<Cinnost>().BajtySite()};
  if (h.vzorek && (tik - h.vzorek->tik > NejdelsiMezera || !BylKlid(*h.vzorek, vzorek))) h.klid_od = tik;
  h.vzorek = vzorek;
  return tik - h.klid_od >= minutes{stav.Podminka.klid};
}

// A program of a batch ends and the next one starts a moment later: one check between the two proves
// nothing, two in a row do.
constexpr int KontrolBezProgramu = 2;

// Whether a process of the program runs under either of its names; nothing when the system cannot say.
std::optional<bool> BeziProgram(const std::string& program) {
  bool bezi = false;
  for (const auto& jmeno : JmenaProcesu(program)) {
    const auto odpoved = port<Cinnost>().BeziProgram(jmeno);
    if (!odpoved) return std::nullopt;
    bezi = bezi || *odpoved;
  }
  return bezi;
}

// Every condition is asked at every check, so that the quiet and the program's absence count in a row.
// An answer the system could not give never lets the action start: a failed process list is no
// program ended.
bool Plati(milliseconds tik) {
  const Podminky& p = stav.Podminka;
  HlidaniPodminek& h = stav.Hlidani;
  bool plati = p.klid == 0 || KlidTrva(tik);
  if (p.necinnost != 0) {
    const auto bez_vstupu = port<Cinnost>().BezVstupu();
    plati = plati && bez_vstupu && *bez_vstupu >= minutes{p.necinnost};
  }
  if (!p.program.empty()) {
    const auto bezi = BeziProgram(p.program);
    h.bez_programu = bezi && !*bezi ? h.bez_programu + 1 : 0;
    plati = plati && h.bez_programu >= KontrolBezProgramu;
  }
  return plati;
}

bool Hlida(Cas ted) { return ted >= stav.CilovyCas && stav.Hlidani.pro == stav.CilovyCas; }

// The day's watch is over and the condition never held: a daily schedule waits for its next day, a
// one-off one is forgotten, and the user hears of it.
void KonecDne(Cas ted) {
  if (stav.KazdyDen == 1) {
    PrenesNaDalsiDen(true);  // stored with the day it leaves behind
    port<IkonaListy>().NastavTip(TextCekani(ted));
    return;
  }
  const std::string text = TextNesplneni(ted);
  stav.Neaktivni = 1;
  UlozNastaveni();
  port<IkonaListy>().NastavTip(NazevAplikace);
  OznamBublinou(text);
}

}  // namespace

// A new schedule, or a daily one's next day, starts the watching anew: the quiet counts from then.
void HlidejPodminky(Cas ted) {
  if (ted < stav.CilovyCas) return;
  if (!JesteNastane(stav, stav.CilovyCas, ted)) {
    KonecDne(ted);
    return;
  }
  const milliseconds tik = port<Hodiny>().Tik();
  HlidaniPodminek& h = stav.Hlidani;
  if (h.pro != stav.CilovyCas) {
    h = HlidaniPodminek{stav.CilovyCas, tik, tik, std::nullopt};
  } else if (tik - h.kontrola < MeziKontrolami) {
    return;
  }
  h.kontrola = tik;
  if (Plati(tik)) Zobraz(seconds{60});
}

std::string TextProgramNebezi(const Podminky& p) {
  if (p.program.empty() || BeziProgram(p.program) != false) return {};
  const bool jen_program = p.klid == 0 && p.necinnost == 0;
  return "Program " + p.program + (jen_program ? " teď neběží: akce proběhne hned." : " teď neběží.");
}

// "Vypnutí po skončení programu render.exe, nejdříve dnes ve 20:00, neproběhlo: podmínka do rána nenastala."
std::string TextNesplneni(Cas ted) {
  return stav.AkceNazev + " " + PodminkyVeVete(stav.Podminka) + ", nejdříve " + Kdy(stav.CilovyCas, ted) + ", " +
         std::string(TvarNeprobehlo(stav.Akce)) + ": podmínka do rána nenastala.";
}

std::string TextCekani(Cas ted) {
  std::optional<minutes> klid;
  if (stav.Podminka.klid != 0 && Hlida(ted)) klid = floor<minutes>(port<Hodiny>().Tik() - stav.Hlidani.klid_od);
  std::string text = stav.AkceNazev + " " + PodminkyVeVete(stav.Podminka, klid);
  if (ted < stav.CilovyCas) text += ", nejdříve " + Kdy(stav.CilovyCas, ted);
  return text + ".";
}
