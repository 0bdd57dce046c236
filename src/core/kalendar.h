#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

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

// A moment to the minute as the settings store keeps it, "2026-12-04 22:00", and back; nothing for any
// other text.
std::string ZapisOkamziku(Cas cas);
std::optional<Cas> CtiOkamzik(std::string_view text);
