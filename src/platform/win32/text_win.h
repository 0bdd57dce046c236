#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// UTF-8 (all logic) to UTF-16 (every W call) and back. Empty text gives empty text; text that does not
// convert (malformed input) also gives empty text.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// The system's text for an error code, in the user's language, with the system's line break at its end;
// empty when it has none.
std::string TextChyby(DWORD kod);

// The text a window or control shows now.
std::wstring TextOkna(HWND okno);
