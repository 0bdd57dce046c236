#pragma once

#include "platform/uloziste.h"

// The settings store under HKEY_CURRENT_USER\Software\ZD\ZDKZ, values "parametr" and "vyrizeno", and the value ZDKZ of
// the current user's Run and RunOnce keys.
class UlozisteWin final : public Uloziste {
 public:
  std::string CtiParametr() override;
  void ZapisParametr(std::string_view ulozeny_tvar) override;
  std::string CtiVyrizeno() override;
  void ZapisVyrizeno(std::string_view okamzik) override;
  std::string CtiVyrizenoSpravce() override;
  void ZapisVyrizenoSpravce(std::string_view okamzik_a_plan) override;
  void NastavAutostart(Autostart klic, std::string_view prikaz) override;
  void SmazAutostart(Autostart klic) override;
  bool AutostartPovolen() override;
  std::string CestaProgramu() override;
};
