#pragma once

#include <string_view>

#include "ui/main_window/formular.h"

// The settings editor in the lower half of the main window, over its form model. Its state lives in
// three soft buttons' TrueFalse: tlHNOdDo (the from-to mode), tlHNastaveniP (a postponement is being
// edited) and tlHNStorno (the editor is being left).

// Sets a check box chHN(index); a change runs chHN_Click, as a click by the user would.
void NastavZaskrtnuti(Formular& f, int index, int hodnota);
// The rules that tie the option boxes to the rest of the editor.
void chHN_Click(Formular& f, int index);
// "Od-Do" / "Zpět": the from-to mode and back.
void tlHNOdDo_Click(Formular& f);
// A day button of a daily schedule: pressed days are the days it acts on.
void tlHNDen_Click(Formular& f, int den);

// "Nové", "Změnit" and "Posunutí", each behind the password guard.
void tlHNastaveni_Click(Formular& f);
void tlHNastaveniZ_Click(Formular& f);
void tlHNastaveniP_Click(Formular& f);
// "&Aktivace": the controls become a parameter string for the same parser as the command line.
void tlHNAktivace_Click(Formular& f);
// "S": cancels the schedule, or drops the postponement and arms the stored schedule again.
void tlHNStop_Click(Formular& f);
// The schedule in force changed from outside; the status bar says what became of it.
void PlanZvenku(Formular& f, std::string_view text);
// "&Storno": back to viewing the schedule in force.
void tlHNStorno_Click(Formular& f);

// The time or date box is left: its check may correct the text, explain a fault and ask for the
// focus back (f.fokus, f.kurzor).
void KontrolaPriOdchodu(Formular& f, Ovladac pole);
