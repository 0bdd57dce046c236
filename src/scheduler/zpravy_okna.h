#pragma once

#include <cstdint>

// The messages the warning window's replacement procedure acts on, with the platform's values.
namespace zpravy_okna {
inline constexpr unsigned ZmenaCasu = 0x1E;      // WM_TIMECHANGE
inline constexpr unsigned Napajeni = 0x218;      // WM_POWERBROADCAST
inline constexpr std::uintptr_t Probuzeni = 0x12;  // PBT_APMRESUMEAUTOMATIC, its wParam
inline constexpr unsigned Casovac = 0x113;       // WM_TIMER
inline constexpr unsigned IdCasovace = 1225;     // the schedule's one-second timer
inline constexpr unsigned ZpravaIkony = 1125;    // the notification icon's callback (WM_USER + 101)
inline constexpr std::intptr_t LeveTlacitkoPusteno = 0x202;  // WM_LBUTTONUP, in the callback's lParam
inline constexpr std::intptr_t VyberKlavesnici = 0x401;      // NIN_KEYSELECT: Enter or Space on the icon
}  // namespace zpravy_okna

// What the program does with a message of the warning window before the window's own procedure gets
// it: the timer's tick, a left click on the icon (opens the main window), a change of the system time
// (stores the schedule again and looks for a missed moment), the computer's resume from sleep.
void ZpracujZpravuOkna(unsigned zprava, std::uintptr_t w, std::intptr_t l);
