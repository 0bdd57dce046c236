#include "core/kalendar.h"

#include <charconv>
#include <string>

using namespace std::chrono;

namespace {

// Floor division, so that month 0 lands in December of the year before.
int DeleniDolu(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// A number with leading zeros to the given width. Not printf: its formatter would bring the
// floating-point one into the program along with it.
std::string Doplnene(long cislo, std::size_t sirka) {
  std::string text = std::to_string(cislo);
  if (text.size() < sirka) text.insert(0, sirka - text.size(), '0');
  return text;
}

}  // namespace

// Builds a moment from parts that may lie outside their usual ranges, carrying over as ordinary
// calendar arithmetic does: day 31 of February is 3 March, month 0 is December of the year before,
// hour 24 is 0:00 of the next day.
Cas SlozCas(int rok, int mesic, int den, int hodina, int minuta, int sekunda) {
  const int mesice_od_ledna = mesic - 1;
  const int rok_posunuty = rok + DeleniDolu(mesice_od_ledna, 12);
  const int mesic_v_roce = mesice_od_ledna - DeleniDolu(mesice_od_ledna, 12) * 12 + 1;
  const local_days prvni{year{rok_posunuty} / month{static_cast<unsigned>(mesic_v_roce)} / 1};
  return prvni + days{den - 1} + hours{hodina} + minutes{minuta} + seconds{sekunda};
}

DatumCas RozlozCas(Cas cas) {
  const local_days den = floor<days>(cas);
  const year_month_day ymd{den};
  const hh_mm_ss hms{cas - den};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(hms.hours().count()),
          static_cast<int>(hms.minutes().count()),
          static_cast<int>(hms.seconds().count()),
          static_cast<int>(weekday{den}.c_encoding())};
}

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
