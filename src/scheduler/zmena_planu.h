#pragma once

#include <string>

#include "core/parametr.h"

// The two ways the schedule in force gives way, shared by the main window and a second start.

// A new string takes the place of the schedule in force. Whatever the parser does not arm (a time
// already passed, a bad string, an action carried out at once), the schedule that was armed stays
// armed, with its warning and the seconds it had left; a countdown of the one replaced never carries
// out the new one.
Rozbor NahradPlan(const std::string& text, bool BezHlaseni, bool NeUkladat);

// The schedule in force ends: its countdown stops, its action under way too (unless it may not be
// stopped: ask StornoMozne first), and the store and the autostart values forget it at once, not only
// when the program ends.
void ZrusPlan();
