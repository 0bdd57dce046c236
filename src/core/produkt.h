#pragma once

// The product name: the settings section, the autostart value's name and the version resource's
// product name are all this one text.
#define VYPNUTI_PRODUKT "ZDKZ"
#define VYPNUTI_PRODUKT_W L"ZDKZ"
#define VYPNUTI_VERZE_TEXT "1.1.0.0"
#define VYPNUTI_VERZE_CISLA 1, 1, 0, 0
