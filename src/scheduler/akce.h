#pragma once

#include <cstdint>
#include <string>

#include "platform/planovac.h"

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

// Carries out an action: kod 1 to 5 names it (a tool button: the programs are closed as the schedule in
// force says), 0 means the scheduled one (Akce). True when the session is being ended; false when the
// program goes on (sleep, lock, a cancel, a failure).
bool ProvedAkci(std::uint8_t kod);
// An action given without a time. The schedule in force stays in force meanwhile: a cancel or a new
// schedule while its programs are being closed acts on it. Refused while another action is under way.
bool ProvedAkci(const OkamzitaAkce& akce);
// One action at a time: "Akce už probíhá." when one is under way (the programs being closed). Said in
// the status bar, not a box: a box would hold the closing, and the action with it.
bool AkceUzBezi();

// A cancel while the programs are being closed before a shut-down, restart or log-off: the action stops
// before the system call, unless cancelling is forbidden (";zs"). True when it did.
bool ZrusAkci();

// Whether a cancel, a new schedule or the program's end can still stop what is under way: not during
// a countdown or the closing of programs with cancelling forbidden (";zs"), never once the session is
// being ended.
bool StornoMozne();
// False, and says so, when StornoMozne is: "Akci už nelze stornovat."
bool StornoDovoleno();

// "Vypnutí bylo stornováno.", naming the action under way if one is (an action given at once is no
// schedule), else the schedule in force.
std::string TextStornovano();

// On the tick: a session that goes on a minute after the call that was to end it was not ended; the
// program comes back and says so.
void HlidejKonecSezeni();

// "Vypnutí neproběhlo: u počítače pracoval jiný uživatel." when another user's session has the screen
// and the program's own does not: a shut-down, restart or sleep then would end or freeze their work.
std::string CiziRelace(std::uint8_t akce);

// The line the warning adds for a shut-down or restart while other users are signed in: "Přihlášen je
// i uživatel Petr; jeho neuložená práce se ztratí."; empty otherwise.
std::string VetaOJinych(std::uint8_t akce);
