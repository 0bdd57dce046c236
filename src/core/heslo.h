#pragma once

#include <optional>
#include <string>

// The password guard that the main window's editor, its exit and a second start's requests all share.

// The password that protects what is in force now: the armed schedule's, or, while none is armed, the
// stored schedule's that the next log-on would bring back. Nothing when neither has one.
std::optional<std::string> HesloVPlatnosti();

// Asks for that password, if there is one; true when the user may go on. A cancelled prompt refuses
// without a word, a wrong password with one.
bool NastaveniHeslo();
