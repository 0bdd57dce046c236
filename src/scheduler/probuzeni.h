#pragma once

#include <cstdint>
#include <string>

// While a shut-down or restart is armed, the computer is to wake for its warning minute; otherwise
// no wake is set. Brings the system's wake timer into line with the schedule when they differ.
void HlidejProbuzeni();

// The clock or the time zone changed: the wake moment is set again.
void ObnovProbuzeni();

// The wake timer goes with the program's timer.
void ZrusProbuzeni();

// The computer is held awake from the warning until the action has been carried out, and after the
// program's own wake timer woke it until the warning: woken without a user, the system would sleep
// again within about two minutes. Brings the hold into line with the schedule.
void HlidejBdelost();

// The sentence for a shut-down or restart whose wake-up the power plan forbids; empty otherwise, also
// when the plan cannot be read.
std::string TextBezProbuzeni(std::uint8_t akce);

// The system resumed by itself (no user is known to be there).
void PoProbuzeni();
