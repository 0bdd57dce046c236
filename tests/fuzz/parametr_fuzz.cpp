// Random text into the parameter parser and the stored-form scrambling: nothing may crash, and the
// few things that must always hold are checked.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/planovac.h"
#include "platform/port.h"

namespace {

struct TichySvet : Hodiny, Dialogy, Mistni, Planovac {
  Cas Ted() override { return SlozCas(2026, 12, 5, 18, 30, 15); }
  int Zprava(std::string_view, std::string_view, unsigned) override { return odpoved::Ok; }
  std::string DesetinnyOddelovac() override { return ","; }
  std::string DenMesicSlovy(int, int, int) override { return {}; }
  std::string DlouheDatum(const DatumCas&) override { return {}; }
  void UlozNastaveni() override {}
  void ProvedAkci(std::uint8_t) override {}
};

void Over(bool podminka) {
  if (!podminka) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TichySvet svet;
  static Pripojeni<Hodiny> p1(svet);
  static Pripojeni<Dialogy> p2(svet);
  static Pripojeni<Mistni> p3(svet);
  static Pripojeni<Planovac> p4(svet);

  const std::string text(reinterpret_cast<const char*>(data), size);
  stav = StavPlanu{};
  stav.CasSpusteni = svet.Ted();
  const bool volby = size > 0 && (data[0] & 1);
  if (RozeberParametr(text, volby, false)) {
    Over(stav.Neaktivni == 0 && stav.Akce >= 1 && stav.Akce <= 5 && !stav.AkceNazev.empty());
    Over(stav.CilovyCas >= svet.Ted() || stav.KazdyDen == 1);
  }
  Over(Dekoduj(text).size() <= 3 * text.size());
  if (LzeUlozit(text)) {
    Over(Dekoduj(Zakoduj(text)) == text);
    Over(RozbalUlozenyTvar(UlozenyTvar(text)) == text);
  }
  return 0;
}
