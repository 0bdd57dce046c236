#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1250 (the Czech code page): all 256 bytes map one-to-one to characters, the five bytes the
// code page leaves unassigned to U+0081, U+0083, U+0088, U+0090 and U+0098.
std::optional<std::string> DoCp1250(std::string_view utf8);  // nullopt: a character it cannot hold
std::string ZCp1250(std::string_view bajty);
bool LzeUlozit(std::string_view utf8);

// Scrambles and unscrambles a text over its Windows-1250 bytes with the program's fixed key; the
// result is again a text of as many characters. A character outside the code page scrambles as "?".
std::string Zakoduj(std::string_view text);
std::string Dekoduj(std::string_view text);

// The stored form of a parameter string: the marker ";TD" and the string, scrambled separately.
std::string UlozenyTvar(std::string_view parametr);
// The plain parameter string when the text is a stored form, otherwise nothing.
std::optional<std::string> RozbalUlozenyTvar(std::string_view text);
