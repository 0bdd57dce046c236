#pragma once

#include <cstdint>

// An action carried out at once, with what its own string says of it.
struct OkamzitaAkce {
  std::uint8_t akce = 0;
  bool zavrit_programy = false;  // ";kv"
  bool bez_storna = false;       // ";zs"
};

// What the parser asks of the scheduler: keep the parameter string for the next start, carry an
// action out at once, and whether this computer can carry an action out at all.
class Planovac {
 public:
  virtual ~Planovac() = default;
  virtual void UlozNastaveni() = 0;
  // An action carried out at once leaves the store and the autostart entries as they are.
  virtual void ProvedAkci(const OkamzitaAkce& akce) = 0;
  virtual bool AkceMozna(std::uint8_t kod) = 0;
  // Whether the system can tell a quiet computer (";klid"): the old releases lack the counters.
  virtual bool KlidMeritelny() = 0;
};
