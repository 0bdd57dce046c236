#pragma once

#include <string>
#include <string_view>

// The per-user settings store and the autostart entries of the next log-on.
enum class Autostart { Run, RunOnce };

class Uloziste {
 public:
  virtual ~Uloziste() = default;
  virtual std::string CtiParametr() = 0;  // empty when there is none
  virtual void ZapisParametr(std::string_view ulozeny_tvar) = 0;
  virtual void NastavAutostart(Autostart klic, std::string_view prikaz) = 0;
  virtual void SmazAutostart(Autostart klic) = 0;
  virtual std::string CestaProgramu() = 0;  // the full path of the running program
};
