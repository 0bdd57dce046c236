#pragma once

#include <cstdint>
#include <optional>

#include "platform/cas.h"

// SetThreadExecutionState's flags.
namespace bdelost {
inline constexpr std::uint32_t Trvale = 0x80000000;   // ES_CONTINUOUS
inline constexpr std::uint32_t System = 0x00000001;   // ES_SYSTEM_REQUIRED
inline constexpr std::uint32_t Displej = 0x00000002;  // ES_DISPLAY_REQUIRED
}  // namespace bdelost

// A timer that wakes a sleeping computer at a local moment (a waitable timer with resume).
class Probouzeni {
 public:
  virtual ~Probouzeni() = default;
  // Replaces the moment set before; false when the system refused it.
  virtual bool Nastav(Cas kdy) = 0;
  virtual void Zrus() = 0;
  // What the computer is kept from while idle, in the system's execution-state flags (bdelost::): the
  // sleep, the display going off; an explicit sleep still goes ahead. Replaces what was asked before.
  virtual void DrzBdely(std::uint32_t priznaky) = 0;
  // The power plan's "Allow wake timers" for the present power source: 0 off, 1 on, 2 important ones
  // only (the system's own); none when it cannot be read.
  virtual std::optional<unsigned> NastaveniBuzeni() = 0;
};
