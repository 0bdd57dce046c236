#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/cas.h"

bool JePrestupny(int rok);

std::string FormatDatum(Cas cas);         // "d.m.yyyy"
std::string FormatCasSekundy(Cas cas);    // "H:mm:ss"
std::string FormatHodinyMinuty(std::chrono::seconds cas_dne);  // "HH:nn"

// A moment to the minute as the settings store keeps it, "2026-12-04 22:00", and back; nothing for any
// other text.
std::string ZapisOkamziku(Cas cas);
std::optional<Cas> CtiOkamzik(std::string_view text);
