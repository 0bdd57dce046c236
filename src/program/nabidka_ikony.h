#pragma once

#include <string_view>
#include <vector>

// The menu on the tray icon's right click (or the context-menu key on the focused icon).
enum class PolozkaNabidky { Otevrit = 1, Odlozit, Stornovat, Ukoncit };

struct Polozka {
  PolozkaNabidky id;
  std::string_view text;  // with its access key
};

// What the menu offers now: "Otevřít" first (the default, as the left click), "Odložit o 10 minut" and
// "Stornovat" while a schedule is armed and its rules allow them, "Ukončit" always; while a box of the
// program is up, neither of the last two.
std::vector<Polozka> NabidkaIkony();
// A choice from it, with the guards of the same command elsewhere: "Stornovat" asks the password of a
// protected schedule as "/storno" does, "Ukončit" asks as the main window's button does.
void VyberZNabidky(PolozkaNabidky polozka);
