#include "scheduler/hlidani.h"

#include <chrono>

#include "core/podminky.h"
#include "core/stav.h"
#include "platform/cinnost.h"
#include "platform/hodiny.h"
#include "platform/port.h"
#include "scheduler/kdy.h"
#include "scheduler/upozorneni.h"

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

// An answer the system could not give never lets the action start: a failed process list is no
// program ended.
bool Plati(milliseconds tik) {
  const Podminky& p = stav.Podminka;
  bool plati = p.klid == 0 || KlidTrva(tik);
  if (plati && p.necinnost != 0) {
    const auto bez_vstupu = port<Cinnost>().BezVstupu();
    plati = bez_vstupu && *bez_vstupu >= minutes{p.necinnost};
  }
  if (plati && !p.program.empty()) {
    const auto bezi = port<Cinnost>().BeziProgram(JmenoProcesu(p.program));
    plati = bezi && !*bezi;
  }
  return plati;
}

bool Hlida(Cas ted) { return ted >= stav.CilovyCas && stav.Hlidani.pro == stav.CilovyCas; }

}  // namespace

// A new schedule, or a daily one's next day, starts the watching anew: the quiet counts from then.
void HlidejPodminky(Cas ted) {
  if (ted < stav.CilovyCas) return;
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

std::string TextCekani(Cas ted) {
  std::optional<minutes> klid;
  if (stav.Podminka.klid != 0 && Hlida(ted)) klid = floor<minutes>(port<Hodiny>().Tik() - stav.Hlidani.klid_od);
  std::string text = stav.AkceNazev + " " + PodminkyVeVete(stav.Podminka, klid);
  if (ted < stav.CilovyCas) text += ", nejdříve " + Kdy(stav.CilovyCas, ted);
  return text + ".";
}
