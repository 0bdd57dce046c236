#pragma once

#include <windows.h>

// The tray icon's menu at the pointer (or at the icon, when the keyboard asked), owned by the window
// that owns the icon; the choice is carried out once the menu is closed.
void UkazNabidkuIkony(HWND vlastnik);
