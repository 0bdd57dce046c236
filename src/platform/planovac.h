#pragma once

#include <cstdint>

// What the parser asks of the scheduler: keep the parameter string for the next start, carry an
// action out at once, and whether this computer can carry an action out at all.
class Planovac {
 public:
  virtual ~Planovac() = default;
  virtual void UlozNastaveni() = 0;
  // An action carried out at once leaves the store and the autostart entries as they are.
  virtual void ProvedAkci(std::uint8_t kod) = 0;
  virtual bool AkceMozna(std::uint8_t kod) = 0;
  // Whether the system can tell a quiet computer (";klid"): the old releases lack the counters.
  virtual bool KlidMeritelny() = 0;
};
