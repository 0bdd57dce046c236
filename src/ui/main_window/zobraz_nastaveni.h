#pragma once

#include <string>

#include "core/kalendar.h"
#include "ui/main_window/formular.h"

// Brings the main window into line with the schedule state: the action's option, the option boxes,
// the time, date and password boxes, the summary line, which of "Změnit", "Posunutí" and "S" show,
// and the colour of "Posunutí". With bezRezimu false it also puts the editor into the mode (time and
// date, or from-to) that the schedule asks for.
void ZobrazNastaveni(Formular& f, bool bezRezimu);

// The summary line of the schedule in force, e.g. "Vypnutí 4.5.2005 v 15:32."; empty when none.
std::string TextShrnuti();
// A target moment as the summary writes it: "4.5.2005 v 15:32".
std::string TextCile(Cas cil);
