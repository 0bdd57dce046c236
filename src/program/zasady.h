#pragma once

#include <string>

// Group Policy over the program: what an administrator set for the computer or the user.

// The policy as it holds now, each value the computer's if set there, else the user's.
struct ZasadySpravce {
  std::string parametr;  // the administrator's schedule; empty: none
  std::string chybny;    // a schedule the program refuses, taken as none
  std::string zprava;    // one line of at most 200 characters for the warning
  bool zakaz_vlastnich = false;
};
ZasadySpravce CtiZasady();

// Reads the policy and brings the program in line with it, at start and whenever the system says the
// policy changed: a new schedule of the administrator's takes the place of what was in force, one taken
// away gives back the user's own stored schedule, one unchanged is left running; a ban on own schedules
// stops the user's own, and its end brings it back. False when it cannot be done now: a countdown or an
// action runs that nothing may stop; then it is to be asked again later.
bool UplatniZasady();
