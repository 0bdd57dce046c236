#pragma once

#include "platform/shell.h"

class SpoustecWin final : public Spoustec {
 public:
  void Otevri(std::string_view cil, std::string_view parametry) override;
};
