#pragma once

#include <string>

// An entry box as the checks see it: its text and its caret, counted in characters from 0.
struct PoleVstupu {
  std::string text;
  int kurzor = 0;
};

// Both may rewrite the text and explain the problem in a message box; they answer whether the entry
// is acceptable, and only when it is not do they move the caret to where the fault is.
bool KontrolaCasu(PoleVstupu& pole);
bool KontrolaData(PoleVstupu& pole);
