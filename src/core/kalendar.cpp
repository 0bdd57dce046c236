#include "core/kalendar.h"

#include <charconv>
#include <string>

using namespace std::chrono;

namespace {

// A number with leading zeros to the given width. Not printf: its formatter would bring the
// floating-point one into the program along with it.
std::string Doplnene(long cislo, std::size_t sirka) {
  std::string text = std::to_string(cislo);
  if (text.size() < sirka) text.insert(0, sirka - text.size(), '0');
  return text;
}

}  // namespace

bool JePrestupny(int rok) { return year{rok}.is_leap(); }

std::string FormatDatum(Cas cas) {
  const DatumCas d = RozlozCas(cas);
  return std::to_string(d.den) + "." + std::to_string(d.mesic) + "." + Doplnene(d.rok, 4);
}

std::string FormatCasSekundy(Cas cas) {
  const DatumCas d = RozlozCas(cas);
  return std::to_string(d.hodina) + ":" + Doplnene(d.minuta, 2) + ":" + Doplnene(d.sekunda, 2);
}

std::string FormatHodinyMinuty(seconds cas_dne) {
  const long minut_dne = (duration_cast<minutes>(cas_dne).count() % 1440 + 1440) % 1440;
  return Doplnene(minut_dne / 60, 2) + ":" + Doplnene(minut_dne % 60, 2);
}

std::string ZapisOkamziku(Cas cas) {
  const DatumCas d = RozlozCas(cas);
  return Doplnene(d.rok, 4) + "-" + Doplnene(d.mesic, 2) + "-" + Doplnene(d.den, 2) + " " + Doplnene(d.hodina, 2) +
         ":" + Doplnene(d.minuta, 2);
}

std::optional<Cas> CtiOkamzik(std::string_view text) {
  constexpr std::string_view Oddelovace = "?-- :";  // before each part but the first
  int casti[5] = {};
  const char* p = text.data();
  const char* konec = text.data() + text.size();
  for (int i = 0; i < 5; ++i) {
    if (i > 0) {
      if (p == konec || *p != Oddelovace[i]) return std::nullopt;
      ++p;
    }
    const auto [dal, chyba] = std::from_chars(p, konec, casti[i]);
    if (chyba != std::errc{}) return std::nullopt;
    p = dal;
  }
  if (p != konec) return std::nullopt;
  return SlozCas(casti[0], casti[1], casti[2], casti[3], casti[4]);
}
