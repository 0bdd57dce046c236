#pragma once

#include <cstdint>

// What the parser asks of the scheduler: keep the parameter string for the next start, and carry an
// action out at once.
class Planovac {
 public:
  virtual ~Planovac() = default;
  virtual void UlozNastaveni() = 0;
  // An action carried out at once leaves the store and the autostart entries as they are.
  virtual void ProvedAkci(std::uint8_t kod) = 0;
};
