#pragma once

#include <windows.h>

#include "controls/kresleni_win.h"

// The program's own icon in a window's caption and in the task switcher, in the two sizes the window
// asks for; the icons live as long as this object.
class IkonyOkna {
 public:
  void Nastav(HWND okno, int velka, int mala);

 private:
  VlastniIkona velka_, mala_;
};
