#pragma once

#include "core/kalendar.h"

// A timer that wakes a sleeping computer at a local moment (a waitable timer with resume).
class Probouzeni {
 public:
  virtual ~Probouzeni() = default;
  virtual void Nastav(Cas kdy) = 0;  // replaces the moment set before
  virtual void Zrus() = 0;
};
