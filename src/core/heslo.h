#pragma once

#include <optional>
#include <string>

// The password guard that the main window's editor, its exit and a second start's requests all share.

// The password that protects what is in force now: the armed schedule's, or, while none is armed, the
// stored schedule's that the next log-on would bring back. Nothing when neither has one.
std::optional<std::string> HesloVPlatnosti();

// What a box of the program is about to let the user do.
enum class Zasah { Zmena, Storno, Konec };

// The administrator's word (Group Policy) comes before any password: their schedule in force may be
// neither changed nor cancelled nor ended with the program, and where they forbid schedules of the
// users' own, none is set (a cancel, or the program's end, is still the user's). False, with one box
// that says so, when it refuses.
bool SpravceDovoli(Zasah co = Zasah::Zmena);

// Asks SpravceDovoli, then for that password, if there is one; true when the user may go on. A
// cancelled prompt refuses without a word, a wrong password with one. The administrator is asked again
// after the prompt: the policy may have changed while it was up.
bool NastaveniHeslo(Zasah co = Zasah::Zmena);
