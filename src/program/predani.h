#pragma once

#include <string>
#include <string_view>

#include "core/kody.h"

// A second start of the program hands its command line to the one already running, which answers
// with the second start's exit code (core/kody.h).

// What a command line asks of the program: its main window (nothing given), to cancel the schedule
// ("/storno"), to say what is armed ("/stav"), to arm what is due at a log-on and show nothing
// ("/prihlaseni", the per-machine autostart value), or a schedule.
enum class Pokyn { Okno, Storno, Stav, Prihlaseni, Plan };
Pokyn PokynZ(std::string_view argument);

struct Odpoved {
  int kod = kod::Hotovo;
  std::string radek;  // the line "/stav" prints
};

// In the running program: what a second start handed over.
Odpoved PrijmiPokyn(std::string_view text);

// In a start that found no program running: "/storno" forgets a stored schedule, behind its password.
int ZrusUlozenyPlan();

// "Vypnutí za 2 hodiny a 5 minut (22:30)." or "Nic není naplánováno."
std::string RadekStavu();
