#pragma once

#include <string>

#include "core/kalendar.h"

// A clock time as Czech says it after a preposition: "ve 23:00", "v 15:32".
std::string VHodin(Cas kdy);

// When, as seen from now: "dnes ve 23:00", "zítra v 7:30", "24.12.2026 v 18:00".
std::string Kdy(Cas kdy, Cas ted);
