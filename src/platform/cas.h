#pragma once

#include <chrono>

// The time values the ports pass, and the one conversion between a moment and its parts; the
// calendar's sentences and arithmetic build on them in core/kalendar.h.

// A local date and time, without a time zone, to the second.
using Cas = std::chrono::local_seconds;

// The parts of a local date and time; den_tydne counts from Sunday = 0.
struct DatumCas {
  int rok = 0;
  int mesic = 0;
  int den = 0;
  int hodina = 0;
  int minuta = 0;
  int sekunda = 0;
  int den_tydne = 0;
};

Cas SlozCas(int rok, int mesic, int den, int hodina = 0, int minuta = 0, int sekunda = 0);
DatumCas RozlozCas(Cas cas);
