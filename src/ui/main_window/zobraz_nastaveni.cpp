#include "ui/main_window/zobraz_nastaveni.h"

#include <chrono>

#include "core/dny.h"
#include "core/podminky.h"
#include "core/stav.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/podminka_formulare.h"

using O = Ovladac;
using namespace std::chrono;

namespace {

int Priznak(std::uint8_t hodnota) { return hodnota == 1 ? 1 : 0; }  // a flag counts only as exactly 1

std::string HodinyMinuty(Cas cas) { return FormatHodinyMinuty(cas - floor<days>(cas)); }

}  // namespace

std::string TextCile(Cas cil) { return FormatDatum(cil) + " v " + HodinyMinuty(cil); }

namespace {

// The from-to mode always shuts down, whatever the action's name holds.
std::string ShrnutiPlanu() {
  if (stav.Akce == 0) return {};
  if (stav.OdDo == 1) {
    return "Vypnutí od " + HodinyMinuty(stav.CilovyCas) + " do " + FormatHodinyMinuty(stav.DoCas) +
           DnyVeVete(stav.Dny) + ".";
  }
  // When: " v po, st, pá v 16:00", " 4.12.2026 v 22:30".
  const std::string kdy = stav.Dny != dny::Kazdy ? DnyVeVete(stav.Dny) + " v " + HodinyMinuty(stav.CilovyCas)
                                                 : " " + TextCile(stav.CilovyCas);
  if (stav.Podminka.Zadne()) return stav.AkceNazev + kdy + ".";
  const std::string co = stav.AkceNazev + " " + PodminkyVeVete(stav.Podminka);
  return stav.BezCasu == 1 ? co + "." : co + ", nejdříve" + kdy + ".";
}

}  // namespace

// The administrator's schedule says whose it is, so nobody looks for why "Změnit" refuses.
std::string TextShrnuti() {
  std::string text = ShrnutiPlanu();
  if (!text.empty() && !stav.ZasadaParametr.empty()) text.insert(text.size() - 1, " (nastavuje správce)");
  return text;
}

void ZobrazNastaveni(Formular& f, bool bezRezimu) {
  VyberVolbu(f, stav.Akce);
  NastavZaskrtnuti(f, 0, Priznak(stav.KazdyDen));
  NastavZaskrtnuti(f, 1, Priznak(stav.ZakazStorna));
  NastavZaskrtnuti(f, 2, Priznak(stav.HesloZapnuto));
  NastavZaskrtnuti(f, 3, Priznak(stav.KontrolovaneVypnuti));
  NastavZaskrtnuti(f, 4, Priznak(stav.SkrytStorno));
  // Whatever the boxes held before: with the cancel button hidden, cancelling is forbidden too.
  if (f[chHN(4)].hodnota == 1) chHN_Click(f, 4);
  if (!bezRezimu) {
    f[O::tlHNOdDo].TrueFalse = stav.OdDo != 1;  // the switch flips it
    tlHNOdDo_Click(f);
  }
  NastavDny(f, stav.Dny);
  UkazPodminky(f, stav.Podminka);
  f[O::lblHN].text = TextShrnuti();
  if (stav.Akce != 0) {
    // A condition alone shows no time: the moment it was armed, written back, would be a new one.
    const bool bez_casu = stav.BezCasu == 1;
    f[O::txtHNCas].text = bez_casu ? "" : HodinyMinuty(stav.CilovyCas);
    f[O::txtHNDatum].text = bez_casu         ? ""
                            : stav.OdDo != 1 ? FormatDatum(stav.CilovyCas)
                                             : FormatHodinyMinuty(stav.DoCas);
    f[O::tlHNastaveniZ].viditelny = true;
    f[O::tlHNastaveniP].viditelny = true;
  } else {
    f[O::txtHNDatum].text.clear();
    f[O::txtHNCas].text.clear();
    f[O::tlHNastaveniZ].viditelny = false;
    f[O::tlHNastaveniP].viditelny = false;
    f[O::tlHNStop].viditelny = false;
  }
  f[O::txtHNHeslo].text = stav.Heslo;
  f[O::tlHNastaveniP].barva = stav.Posunuti == 1 ? Rgb(255, 0, 0) : BarvaTextuTlacitka;
}
