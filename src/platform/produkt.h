#pragma once

// The product name: the settings section, the autostart value's name and the version resource's
// product name are all this one text.
#define VYPNUTI_PRODUKT "ZDKZ"
#define VYPNUTI_PRODUKT_W L"ZDKZ"

#ifndef RC_INVOKED
// The name the user sees: the boxes' titles, the tooltip, the shortcut.
inline constexpr const char* NazevAplikace = "Vypnutí počítače";
#endif

// The version numbers come from CMakeLists.txt (a header made at configure time).
#include "verze.h"
