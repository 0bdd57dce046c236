#pragma once

#include "controls/barva.h"

// What a colour is for; in high-contrast mode each purpose takes the system colour the user chose
// for it, so that text stays readable whatever the theme. Text and its face come only in the pairs
// the system defines together.
enum class UcelBarvy {
  PlochaTlacitka,  // a button's face, the main window's background
  TextTlacitka,    // a caption and a label on it
  PlochaPohybu,    // a button's face under the pointer
  Pohyb,           // a caption under the pointer (the "hot" colour, on the window colour)
  PlochaStisku,    // a button's face pressed (the selection colour)
  Stisk,           // a caption pressed (the selection's text)
  PlochaZapnuti,   // a toggle's face while it is on (the selection colour, with its text)
  Zakazany,        // a caption that cannot be used
  Pozadi,          // the warning window and its label
  TextPozadi,      // the countdown on it
};

Barva BarvaVKontrastu(Barva navrzena, UcelBarvy ucel, bool vysokyKontrast);
