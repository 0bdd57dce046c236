#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/kalendar.h"
#include "core/podminky.h"
#include "ui/main_window/formular.h"

// The editor's row "Podmínka": what the action waits for, chosen in cbHNPodminka, and the program's
// name or the minutes in txtHNPodminka. A schedule with more than one condition shows a choice of
// its own that keeps them all as they are (Formular::podminka).
namespace volba_podminky {
enum : int { Zadna, Program, Klid, Necinnost, Vice };
}

// The schedule's conditions into the row.
void UkazPodminky(Formular& f, const Podminky& p);
// The user chose another entry of the list.
void cbHNPodminka_Click(Formular& f, int volba);
// The row is there except in the from-to mode, which waits for nothing; the box only for a choice
// that needs it.
void UkazRadekPodminky(Formular& f);

// The row as the parameter string writes it (";po/render.exe/"); empty for none.
std::string PodminkaRadku(const Formular& f);
// What keeps the row, with the time box's text, from making a schedule the parser takes.
std::optional<std::string> ChybaPodminky(const Formular& f, std::string_view cas);
// The row's program when the schedule would be watched from the moment it is armed (no time given, or
// one of today that has passed); none otherwise.
Podminky PodminkyHned(const Formular& f, Cas ted);
