#pragma once

#include <string_view>

// Start-up once the program knows it is the only instance: the administrator's schedule (Group Policy),
// or the stored parameter string, or else the command line's, armed; then the windows: the hidden
// warning window always, the main window when nothing got armed. False when the program is to end at
// once: started at a log-on for every user ("/prihlaseni") with nothing to arm.
bool Start(std::string_view argument);

// The user's own stored schedule armed again, as a start arms it (at a log-on: `prihlaseni`), unless the
// administrator forbids schedules of the users' own; true when it is armed.
bool ObnovUlozeny(bool prihlaseni);
