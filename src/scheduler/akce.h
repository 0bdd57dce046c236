#pragma once

#include <cstdint>

// Session-ending flags of ExitWindowsEx.
namespace ewx {
inline constexpr unsigned Odhlasit = 0x00;
inline constexpr unsigned Vypnout = 0x01;
inline constexpr unsigned Restartovat = 0x02;
inline constexpr unsigned Vynutit = 0x04;
inline constexpr unsigned VypnoutNapajeni = 0x08;
inline constexpr unsigned DuvodNeuveden = 0xFFFFFFFF;
}  // namespace ewx

// Carries out an action: kod 1 to 5 names it, 0 means the scheduled one (Akce).
void ProvedAkci(std::uint8_t kod);
