#pragma once

#include <optional>

#include "core/kalendar.h"

// A timer that wakes a sleeping computer at a local moment (a waitable timer with resume).
class Probouzeni {
 public:
  virtual ~Probouzeni() = default;
  // Replaces the moment set before; false when the system refused it.
  virtual bool Nastav(Cas kdy) = 0;
  virtual void Zrus() = 0;
  // Keeps the computer from sleeping when idle (an explicit sleep still goes ahead), or lets it.
  virtual void DrzBdely(bool drzet) = 0;
  // The power plan's "Allow wake timers" for the present power source: 0 off, 1 on, 2 important ones
  // only (the system's own); none when it cannot be read.
  virtual std::optional<unsigned> NastaveniBuzeni() = 0;
};
