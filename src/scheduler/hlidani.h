#pragma once

#include <string>

#include "core/kalendar.h"

// The conditions of the armed schedule (";po", ";klid", ";necinnost"), watched on the tick from its
// moment on, at most every few seconds; when all of them hold, the warning minute starts.
void HlidejPodminky(Cas ted);

// The tooltip of a schedule with conditions: what it waits for, and from when, if that is still to
// come: "Spánek po 15 minutách klidu (teď 3 min).", "Vypnutí po skončení programu render.exe,
// nejdříve dnes ve 23:00."
std::string TextCekani(Cas ted);
