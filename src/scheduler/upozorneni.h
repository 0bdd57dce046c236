#pragma once

// What the warning window does to the schedule; its look is the window's own (OknoUpozorneni).

#include <chrono>

// The warning minute has come: show the warning (unless hidden by ";ss") and start a countdown of
// the given length.
void Zobraz(std::chrono::milliseconds odpocet);
// A warning already up shows the administrator's line as it is now.
void ObnovPoznamku();
// Hide the warning; the countdown stops, and the program, which goes on, can be reached again by its
// icon.
void Skryj();
// The cancel button: disarm, report it, and open the main window.
void cmKZS_Click();
