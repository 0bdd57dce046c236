#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/kalendar.h"

// The days of the week a daily schedule keeps to (";dny/po-pa/"): one bit a day, Monday the lowest.
// No bits means every day.
namespace dny {
inline constexpr std::uint8_t Kazdy = 0;
inline constexpr std::uint8_t Vsechny = 0x7F;
inline constexpr std::uint8_t Pracovni = 0x1F;
inline constexpr std::uint8_t Vikend = 0x60;
}  // namespace dny

// The bit of a day, 0 = Monday … 6 = Sunday.
constexpr std::uint8_t BitDne(int den) { return static_cast<std::uint8_t>(1u << den); }

// "po-pa", "po,st,pa", "pa-po" (round the week's end); "út", "čt", "pá" and upper case too. Nothing
// for an empty list, an unknown name or a range without an end.
std::optional<std::uint8_t> CtiDny(std::string_view text);

// The list the parameter string takes: "po-pa", "po,st,pa", "so-ne".
std::string ZapisDny(std::uint8_t dny);

// Whether the day of the moment is one of them.
bool DenPovolen(std::uint8_t dny, Cas cas);

// The days as a sentence names them after its action or window, with the blank before them:
// " v pracovní dny", " o víkendu", " v po, st, pá"; empty for every day.
std::string DnyVeVete(std::uint8_t dny);
