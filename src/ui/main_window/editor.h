#pragma once

#include "ui/main_window/formular.h"

// The settings editor in the lower half of the main window, over its form model.

// Sets a check box chHN(index); a change runs chHN_Click, as a click by the user would.
void NastavZaskrtnuti(Formular& f, int index, int hodnota);
// The rules that tie the option boxes to the rest of the editor.
void chHN_Click(Formular& f, int index);
// "Od-Do" / "Zpět": the from-to mode and back.
void tlHNOdDo_Click(Formular& f);
