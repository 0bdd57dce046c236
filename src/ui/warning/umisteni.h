#pragma once

#include <optional>

#include "controls/geometrie.h"

// Where the warning shows: in the middle of the work area of the monitor the user is looking at, the
// one with the foreground window, else the one with the pointer, else the primary one.
Bod UmisteniUpozorneni(const std::optional<Obdelnik>& popredi, const std::optional<Obdelnik>& ukazatel,
                       const Obdelnik& primarni, int sirka, int vyska);
