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
  // The day's moment of a daily schedule that has been dealt with (carried out, cancelled, passed),
  // so that a start later that day does not bring it back; empty when none.
  virtual std::string CtiVyrizeno() = 0;
  virtual void ZapisVyrizeno(std::string_view okamzik) = 0;
  // The same for the administrator's schedule (Group Policy), that schedule's string on the next line:
  // a cancelled day of it must not come back at the next log-on either.
  virtual std::string CtiVyrizenoSpravce() = 0;
  virtual void ZapisVyrizenoSpravce(std::string_view okamzik_a_plan) = 0;
  virtual void NastavAutostart(Autostart klic, std::string_view prikaz) = 0;
  virtual void SmazAutostart(Autostart klic) = 0;
  // The user's own switch for the program in Startup apps (Task Manager, Settings): false when they
  // turned it off; true when on, or never touched.
  virtual bool AutostartPovolen() = 0;
  virtual std::string CestaProgramu() = 0;  // the full path of the running program
};
