#pragma once

#include <string>

#include "ui/main_window/formular.h"

// The one-line hint a soft button shows in the status bar while the pointer rests on it, and its icon.
struct Napoveda {
  std::string text;
  int ikona = 0;
  bool operator==(const Napoveda&) const = default;
};

Napoveda NapovedaTlacitka(const Formular& f, Ovladac tlacitko);

// The hint convention of every soft button of the window: the hint while the pointer is on the button,
// the tray icon's text when it leaves.
void tl_MouseMoveEnabled(Formular& f, Ovladac tlacitko, bool mme);

// What the status bar says when no hint is in it: the tray icon's text, or in full with its warning
// mark the missed moment a balloon could not tell yet.
void StavovyRadekZIkony(Formular& f);
