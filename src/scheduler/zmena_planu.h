#pragma once

#include <string>

#include "core/parametr.h"
#include "core/stav.h"

// The ways the schedule in force gives way, shared by the main window and a second start.

// A new string takes the place of the schedule in force. Whatever the parser does not arm (a time
// already passed, a bad string, an action carried out at once), the schedule that was armed stays
// armed, with its warning and the seconds it had left; a countdown of the one replaced never carries
// out the new one.
Rozbor NahradPlan(const std::string& text, bool BezHlaseni, bool NeUkladat);

// The schedule in force ends: its countdown stops, its action under way too (unless it may not be
// stopped: ask StornoMozne first), and the store and the autostart values forget it at once, not only
// when the program ends.
void ZrusPlan();

// A postponement armed (its string is in force now) stands in for this schedule.
void ZapamatujPosunuti(const Plan& nahrazeny);

// A postponement ends: the moment it stood in for comes back. Passed meanwhile, a daily schedule moves
// on to its next day and a one-off one has nothing left (false); nothing is carried out late.
bool ZrusPosunuti();
