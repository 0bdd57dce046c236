#pragma once

#include <cstdint>
#include <functional>

// Cekej's time limit that means none, and its result when the time is up (the system's values).
inline constexpr std::uint32_t CekejBezLimitu = 0xFFFFFFFF;
inline constexpr std::uint32_t CekaniVyprselo = 258;

// When a wait of ms milliseconds begun at tick start ends, and how much of it is left at tick ted.
std::uint32_t KonecCekani(std::uint32_t start, std::uint32_t ms);
std::int32_t ZbyvaDoKonce(std::uint32_t konec, std::uint32_t ted);

// The system calls that Cekej's loop is made of.
struct SystemCekani {
  std::function<std::uint32_t()> tik;                    // the millisecond tick counter
  std::function<std::uint32_t(std::uint32_t ms)> cekej;  // wait for handles or a message
  std::function<bool()> zpracuj_zpravy;                  // false once the thread is quitting
};

// Waits ms milliseconds (CekejBezLimitu: without limit) or until the system wait reports something
// other than zprava_prisla, its message-arrived result, while the window messages are processed.
std::uint32_t CekejSmyckou(std::uint32_t ms, std::uint32_t zprava_prisla, const SystemCekani& system);
