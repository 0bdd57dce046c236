#pragma once

#include <windows.h>

#include <string_view>

// The command line's way to the running program: a WM_COPYDATA to its hidden window, tagged, at most
// 1,024 UTF-16 characters, answered with the second start's exit code.

// The second start's side: hands the argument over and waits for the answer, however long the running
// program's boxes take; "/stav" prints the line it gets back.
int PredejBezicimu(std::string_view argument);

// The tag of the argument text, ours so that another program's WM_COPYDATA is never read as a command.
inline constexpr ULONG_PTR ZnackaPokynu = 0x5A444B01;

// The running program's side. The text is copied and checked before anything is done with it.
LRESULT PrijmiPredani(HWND odesilatel, const COPYDATASTRUCT& data);

// A line on the console the program was started from, or into its redirected output (UTF-8).
void VypisNaKonzoli(std::string_view radek);
