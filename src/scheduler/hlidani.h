#pragma once

#include <string>

#include "core/kalendar.h"
#include "core/podminky.h"

// The conditions of the armed schedule (";po", ";klid", ";necinnost"), watched on the tick from its
// moment on, at most every few seconds; when all of them hold, the warning minute starts. A day's
// watch ends at 06:00 the next morning (a daily schedule's sooner, at its next moment): a daily schedule
// then waits for its next day, a one-off one is forgotten and a balloon says so.
void HlidejPodminky(Cas ted);

// "Program render.exe teď neběží: akce proběhne hned." when the program a schedule is to wait for does
// not run even now (a typo, a name with another extension), so that the user is not surprised by a
// warning seconds later; empty when it runs, or the system cannot say.
std::string TextProgramNebezi(const Podminky& p);

// The balloon's words for a one-off condition whose watch ended without it.
std::string TextNesplneni(Cas ted);

// The tooltip of a schedule with conditions: what it waits for, and from when, if that is still to
// come: "Spánek po 15 minutách klidu (teď 3 min).", "Vypnutí po skončení programu render.exe,
// nejdříve dnes ve 23:00."
std::string TextCekani(Cas ted);
