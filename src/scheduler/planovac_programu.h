#pragma once

#include "platform/planovac.h"

// The parser's requests go to the scheduler itself.
class PlanovacProgramu final : public Planovac {
 public:
  void UlozNastaveni() override;
  void ProvedAkci(const OkamzitaAkce& akce) override;
  bool AkceMozna(std::uint8_t kod) override;
  bool KlidMeritelny() override;
};
