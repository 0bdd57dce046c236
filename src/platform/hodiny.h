#pragma once

#include <chrono>

#include "platform/cas.h"

// The local wall clock, and a steady one beside it.
class Hodiny {
 public:
  virtual ~Hodiny() = default;
  virtual Cas Ted() = 0;
  // Milliseconds since the system started, sleep included; never set back, whatever the wall clock does.
  virtual std::chrono::milliseconds Tik() = 0;
};
