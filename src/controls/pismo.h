#pragma once

#include <string>

// A font as a control stores it; the window makes the real font from it for its screen.
struct Pismo {
  std::string jmeno = "MS Sans Serif";
  double velikost = 8.25;  // points
  int vaha = 400;          // 400 normal, 700 bold
  bool kurziva = false;
  bool podtrzene = false;
  int znakovaSada = 238;  // Central European
  bool operator==(const Pismo&) const = default;
};
