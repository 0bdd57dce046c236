#pragma once

#include "core/kalendar.h"

// A timer that wakes a sleeping computer at a local moment (a waitable timer with resume).
class Probouzeni {
 public:
  virtual ~Probouzeni() = default;
  // Replaces the moment set before; false when the system refused it.
  virtual bool Nastav(Cas kdy) = 0;
  virtual void Zrus() = 0;
};
