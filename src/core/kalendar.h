#pragma once

#include <chrono>
#include <string>

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
bool JePrestupny(int rok);

std::string FormatDatum(Cas cas);         // "d.m.yyyy"
std::string FormatCasSekundy(Cas cas);    // "H:mm:ss"
std::string FormatHodinyMinuty(std::chrono::seconds cas_dne);  // "HH:nn"
