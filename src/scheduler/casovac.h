#pragma once

#include <cstdint>

#include "core/kalendar.h"

// The one-second timer that drives the schedule. Switching it off also stores or clears the settings.
void Casovac(bool zapnout);

// One second of the schedule: the main window's clock, the countdown, the moment of the action or the
// from-to window, and once a minute the tray tooltip.
void CasovacTik();

// One step of the warning countdown.
void KrokOdpoctu();

// The schedule's action is over and the program goes on (sleep, lock, a cancel, a failure): a daily
// schedule is armed for its next day, a one-off one is done with.
void PoAkciPlanu();

// Whether a screen reader is to hear the countdown at this many seconds left: every ten seconds and
// once more at five (its start is announced by the window's showing).
bool OhlasitOdpocet(int zbyvaSekund);

// Whether the time (hour, minute) lies inside the daily window from (od_h, od_m) to (do_h, do_m),
// both ends included; a window may run over midnight.
bool VOknu(int od_h, int od_m, int do_h, int do_m, int hodina, int minuta);

// When the armed schedule's action comes: its moment, or the end of the countdown once that runs.
Cas OkamzikAkce(Cas ted);

// The tray tooltip of an armed schedule at the given moment.
std::string TextTipu(Cas ted);
// The tooltip right after a schedule was armed: what the user would not expect, once, else the usual.
std::string TipPoAktivaci();
// The tray tooltip now: the time left of the schedule in force, or the application title when idle.
std::string TipPlanu();
