#pragma once

// While a shut-down or restart is armed, the computer is to wake for its warning minute; otherwise
// no wake is set. Brings the system's wake timer into line with the schedule when they differ.
void HlidejProbuzeni();

// The clock or the time zone changed: the wake moment is set again.
void ObnovProbuzeni();

// The wake timer goes with the program's timer.
void ZrusProbuzeni();
