#pragma once

#include "controls/barva.h"

// What a colour is for; in high-contrast mode each purpose takes the system colour the user chose
// for it, so that text stays readable whatever the theme.
enum class UcelBarvy {
  PlochaTlacitka,  // a button's face, the main window's background
  TextTlacitka,    // a caption and a label on it
  Pohyb,           // a caption under the pointer
  Stisk,           // a caption pressed
  Pozadi,          // the warning window and its label
  TextPozadi,      // the countdown on it
};

Barva BarvaVKontrastu(Barva navrzena, UcelBarvy ucel, bool vysokyKontrast);
