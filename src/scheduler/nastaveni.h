#pragma once

#include <string>
#include <string_view>

// Keeps the parameter string in force for the next start, or forgets it, as the schedule state says.
void UlozNastaveni();
// Forgets the user's own stored schedule and its autostart entries: a cancel under the administrator's
// ban on own schedules, which stores nothing else, still takes it away.
void SmazUlozeny();

// While one lives, UlozNastaveni leaves the store and the autostart entries alone.
class BezUkladani {
 public:
  BezUkladani();
  ~BezUkladani();
  BezUkladani(const BezUkladani&) = delete;
  BezUkladani& operator=(const BezUkladani&) = delete;

 private:
  bool predtim_;
};

// The command line that starts the program at a log-on with its stored schedule: the program's quoted
// path and the stored form's marker, which means "take the store".
std::string PrikazAutostartu(std::string_view cesta_programu);
