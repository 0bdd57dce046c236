#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/geometrie.h"
#include "ui/main_window/formular.h"

// The main window's own logic, apart from the editor: loading, the guard, the buttons, the exit.

// Form_Load, the steps that are not the window's own: the clock and the date, the status bar, the
// open flag, the summary and the editor, the version and the system lines.
void NactiHlavniOkno(Formular& f, std::string_view verze);
// Form_Unload: the schedule, the icon and the warning window stay.
void Form_Unload();

// The timer's clock and date lines.
void UkazCas(Formular& f);

// The legal notice and the version as lblHA shows them: "… (2008.1.23)" for version 2008.1.0.23.
std::string TextVerze(std::string_view pravni, int hlavni, int vedlejsi, int revize);

// The outer window's top-left corner: its bottom-right corner meets that of the work area, wherever
// the taskbar is.
Bod UmisteniOkna(const Obdelnik& pracovni_plocha, int sirka, int vyska);

// "Ukončit": the guard, a question, then the program's one end path.
void tlHZavrit_Click();

// A shut-down, restart or log-off at once loses unsaved work: a touch tap brings no hint before its click,
// so the top row's button and the editor without a time ask this, No the default. Sleep and lock lose
// nothing: empty for them.
std::string OtazkaHned(std::uint8_t akce);

// The tool buttons tlKZ(0) to (7); 8 and 9 open their own address.
void tlKZ_Click(int Index);

// A click on one of the window's buttons, by the mouse or the keyboard.
void KlikNaTlacitko(Formular& f, Ovladac o);

// The parameter list that "Parametr" shows.
std::string TextParametru();
