#pragma once

#include <windows.h>

// The tray icon's menu at the pointer, owned by the window that owns the icon; the choice is carried
// out once the menu is closed.
void UkazNabidkuIkony(HWND vlastnik);
