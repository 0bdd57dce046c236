#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The characters the time and date boxes take. A filter answers the character that goes in, or 0
// when the key is swallowed: ":", "," and "." all become the box's separator, digits and Backspace
// pass, everything else (Enter, letters, Ctrl+V) is swallowed.
std::int16_t FiltrCasu(std::int16_t KeyAscii);
std::int16_t FiltrData(std::int16_t KeyAscii, bool odDo);

// Pasted text through the same filter, character by character: what a box may receive of it.
std::string FiltrujVlozeni(std::string_view text, bool datum, bool odDo);
