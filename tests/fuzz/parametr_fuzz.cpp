// Random text into the parameter parser: nothing may crash, and what it arms must make sense.

#include "core/parametr.h"
#include "core/stav.h"
#include "tichy_svet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TichySvet svet;
  const std::string text(reinterpret_cast<const char*>(data), size);
  stav = StavPlanu{};
  stav.CasSpusteni = svet.Ted();
  const bool volby = size > 0 && (data[0] & 1);
  if (Rozeber(text, volby, false) == Rozbor::Aktivni) {
    Over(stav.Neaktivni == 0 && stav.Akce >= akce::Vypnuti && stav.Akce <= akce::Hibernace && !stav.AkceNazev.empty());
    // A condition's moment only begins its watch: one without a time, or one passed today, is watched
    // from now, until the day's watch ends.
    const bool hlida = !stav.Podminka.Zadne() && JesteNastane(stav, stav.CilovyCas, svet.Ted());
    Over(stav.CilovyCas >= svet.Ted() || stav.KazdyDen == 1 || hlida);
    Over(stav.OdDo == 1 ||
         stav.CilovyCas - std::chrono::minutes{1} == SlozCas(stav.Rok, stav.Mesic, stav.Den, stav.Hodina, stav.Minuta));
  }
  return 0;
}
