#pragma once

#include <cstdint>
#include <string>

// "Vypnutí za 1 den, 2 hodiny a 5 minut." for the tray tooltip and the status bar.
std::string TextZbyvajici(std::int64_t minuty);
