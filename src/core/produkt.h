#pragma once

// The product name: the settings section, the autostart value's name and the version resource's
// product name are all this one text.
#define VYPNUTI_PRODUKT "ZDKZ"
#define VYPNUTI_PRODUKT_W L"ZDKZ"

// The version numbers come from CMakeLists.txt (a header made at configure time).
#include "verze.h"
