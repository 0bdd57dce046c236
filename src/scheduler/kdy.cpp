#include "scheduler/kdy.h"

#include <chrono>

using namespace std::chrono;

// Czech says "ve" before the hours that begin with a cluster when read aloud (ve dvě, ve třináct, ve
// dvacet) and "v" before the others (v jednu, v pět, v patnáct).
std::string VHodin(Cas kdy) {
  const DatumCas d = RozlozCas(kdy);
  const bool ve =
      d.hodina == 2 || d.hodina == 3 || d.hodina == 4 || (d.hodina >= 12 && d.hodina <= 14) || d.hodina >= 20;
  return std::string(ve ? "ve " : "v ") + FormatHodinyMinuty(kdy - floor<days>(kdy));
}

std::string Kdy(Cas kdy, Cas ted) {
  const auto den = floor<days>(kdy) - floor<days>(ted);
  if (den == days{0}) return "dnes " + VHodin(kdy);
  if (den == days{1}) return "zítra " + VHodin(kdy);
  return FormatDatum(kdy) + " " + VHodin(kdy);
}
