#pragma once

#include "core/kalendar.h"

// The local wall clock.
class Hodiny {
 public:
  virtual ~Hodiny() = default;
  virtual Cas Ted() = 0;
};
