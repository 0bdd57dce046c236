#pragma once

#include "platform/relace.h"

// The sessions of the computer as the terminal services list them (fast user switching is built on them).
class RelaceWin final : public Relace {
 public:
  std::optional<PrihlaseniUzivatelu> Prihlaseni() override;
};
