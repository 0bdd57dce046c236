#pragma once

#include <windows.h>
#include <oleacc.h>

// What a screen reader asks of a soft button: an accessible object of its own, answered for the
// button's window (WM_GETOBJECT with OBJID_CLIENT). The object holds only the window's handle, so it
// outlives the button harmlessly: it then answers that the button is gone.
// Whether the button takes a press: it is enabled, and so is its window (no modal box of ours is open).
bool Dostupne(HWND tlacitko);

// Null when there is no memory for it.
IAccessible* VytvorPristupnost(HWND tlacitko);
