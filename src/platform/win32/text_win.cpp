#include "platform/win32/text_win.h"

#include <windows.h>

std::wstring Utf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int delka = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                        static_cast<int>(utf8.size()), nullptr, 0);
  if (delka <= 0) return {};
  std::wstring text(static_cast<std::size_t>(delka), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      text.data(), delka);
  return text;
}

std::string Utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int delka = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(),
                                        static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  if (delka <= 0) return {};
  std::string text(static_cast<std::size_t>(delka), '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), static_cast<int>(utf16.size()),
                      text.data(), delka, nullptr, nullptr);
  return text;
}

std::wstring TextOkna(HWND okno) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(okno)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(okno, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The W call, so that a localized system text reaches the UTF-8 logic intact.
std::string TextChyby(DWORD kod) {
  wchar_t text[256];
  const DWORD delka =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, kod, 0, text, 256, nullptr);
  return delka > 0 ? Utf8(std::wstring_view(text, delka)) : std::string();
}
