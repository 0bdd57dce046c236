#include "platform/cas.h"

using namespace std::chrono;

namespace {

// Floor division, so that month 0 lands in December of the year before.
int DeleniDolu(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

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
