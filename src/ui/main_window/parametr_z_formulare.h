#pragma once

#include <optional>
#include <string>

#include "ui/main_window/formular.h"

// The editor's controls as a parameter string in the language of the command line, e.g.
// "/restart;zs;t/15:32/;d/4.5.2005/"; empty when they describe no schedule.
std::string SestavParametr(const Formular& f);

// What keeps the controls from describing a schedule the parser can take, said to the user; nothing
// when they can be activated.
std::optional<std::string> CoChybi(const Formular& f);

// "P": the string into the Tag of tlHNParametr and onto the clipboard. In the from-to mode the
// action is always a shut-down that cannot be cancelled, and the controls say so first.
void tlHNParametr_Click(Formular& f);
