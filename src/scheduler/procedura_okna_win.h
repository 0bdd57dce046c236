#pragma once

#include <windows.h>

// The warning window's own procedure is replaced by ProceduraOkna, which takes the timer's ticks, the
// notification icon's clicks and the system's time changes before passing every message on.
void NastavHook(HWND okno);
void ZrusHook();
LRESULT CALLBACK ProceduraOkna(HWND okno, UINT zprava, WPARAM w, LPARAM l);

// The hooked window, which also owns the timer; nullptr while there is none.
HWND hWndUpozorneni();
