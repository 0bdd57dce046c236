#pragma once

#include <string_view>

// Start-up once the program knows it is the only instance: takes the stored parameter string or else
// the command line's, arms it, and brings up the windows: the hidden warning window always, the main
// window when nothing got armed.
void Start(std::string_view argument);
