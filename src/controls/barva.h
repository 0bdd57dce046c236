#pragma once

#include <cstdint>

// A colour as the controls store it: a plain RGB value (red in the lowest byte) or a reference to a
// system colour (the high bit set, the system colour's index in the low byte).
using Barva = std::uint32_t;

inline constexpr Barva SystemovaBarvaPriznak = 0x80000000u;

constexpr Barva Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Barva{r} | (Barva{g} << 8) | (Barva{b} << 16);
}

constexpr Barva SystemovaBarva(int index) { return SystemovaBarvaPriznak | static_cast<Barva>(index); }

inline constexpr Barva BarvaPlochyTlacitka = SystemovaBarva(15);  // the button face
inline constexpr Barva BarvaTextuTlacitka = SystemovaBarva(18);   // the button text
