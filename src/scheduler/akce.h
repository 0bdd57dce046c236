#pragma once

#include <cstdint>
#include <string>

// Session-ending flags of ExitWindowsEx, and the reason it is given.
namespace ewx {
inline constexpr unsigned Odhlasit = 0x00;
inline constexpr unsigned Vypnout = 0x01;
inline constexpr unsigned Restartovat = 0x02;
inline constexpr unsigned Vynutit = 0x04;
inline constexpr unsigned VypnoutNapajeni = 0x08;
inline constexpr unsigned ObnovitAplikace = 0x40;  // EWX_RESTARTAPPS: registered programs reopen (Vista on)
// SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_MAINTENANCE: the event
// log says a program planned it.
inline constexpr unsigned DuvodPlanovany = 0x80040001;
}  // namespace ewx

// Carries out an action: kod 1 to 5 names it, 0 means the scheduled one (Akce), and only then is it the
// schedule's own, which a cancel may still stop while the programs are being closed. True when the
// session is being ended; false when the program goes on (sleep, lock, a cancel, a failure).
bool ProvedAkci(std::uint8_t kod);

// A cancel while the programs are being closed before a shut-down, restart or log-off: the action stops
// before the system call, unless cancelling is forbidden (";zs"). True when it did.
bool ZrusAkci();

// Whether a cancel can still stop what is under way: always outside an action, never once the session
// is being ended, and during the closing of programs unless cancelling is forbidden.
bool StornoMozne();

// On the tick: a session that goes on a minute after the call that was to end it was not ended; the
// program comes back and says so.
void HlidejKonecSezeni();

// "Vypnutí neproběhlo: u počítače pracoval jiný uživatel." when another user's session has the screen
// and the program's own does not: a shut-down, restart or sleep then would end or freeze their work.
std::string CiziRelace(std::uint8_t akce);

// The line the warning adds for a shut-down or restart while other users are signed in: "Přihlášen je
// i uživatel Petr; jeho neuložená práce se ztratí."; empty otherwise.
std::string VetaOJinych(std::uint8_t akce);
