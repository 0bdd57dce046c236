#pragma once

#include "platform/cinnost.h"

class CinnostWin final : public Cinnost {
 public:
  std::optional<bool> BeziProgram(std::string_view jmeno) override;
  std::optional<CasyProcesoru> Procesor() override;
  std::optional<std::uint64_t> BajtySite() override;
  bool MeriSit() override;
  std::optional<std::chrono::milliseconds> BezVstupu() override;
};
