#pragma once

#include "platform/zasady.h"

// The policy values under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, Software\Policies\ZD\ZDKZ.
class ZasadyWin final : public Zasady {
 public:
  std::optional<std::string> Text(Rozsah rozsah, std::string_view nazev) override;
  std::optional<std::uint32_t> Cislo(Rozsah rozsah, std::string_view nazev) override;
};
