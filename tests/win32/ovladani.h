#pragma once
// What a user does to the program from outside, for the end-to-end tests and the screenshot tool:
// read a window's text, click it, move the pointer onto it, type, click the tray icon.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

using namespace std::chrono_literals;

// Waits until the condition holds, checking every 100 ms; false when the time ran out.
template <class Podminka>
bool Dockej(Podminka podminka, std::chrono::milliseconds limit) {
  for (auto konec = std::chrono::steady_clock::now() + limit; !podminka(); std::this_thread::sleep_for(100ms))
    if (std::chrono::steady_clock::now() > konec) return false;
  return true;
}

// A one-off moment so many minutes from now, as a command line writes it, with its date: a number of
// minutes belongs to the session and is never stored, and a clock time alone would pass at midnight.
inline std::string ZaMinut(int minut) {
  SYSTEMTIME t;
  ULARGE_INTEGER n;  // laid out as a FILETIME
  GetLocalTime(&t);
  SystemTimeToFileTime(&t, reinterpret_cast<FILETIME*>(&n));
  n.QuadPart += minut * 600'000'000ULL;
  FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&n), &t);
  char text[48];
  snprintf(text, sizeof text, ";t/%d:%02d/;d/%d.%d.%d/", t.wHour, t.wMinute, t.wDay, t.wMonth, t.wYear);
  return text;
}

// A file that the build puts beside the test program.
inline std::filesystem::path VedleTestu(const wchar_t* soubor) {
  wchar_t cesta[MAX_PATH];
  GetModuleFileNameW(nullptr, cesta, MAX_PATH);
  return std::filesystem::path(cesta).parent_path() / soubor;
}

// A window's text as its own window procedure answers it: GetWindowTextW does not ask the controls
// of another program, and an edit box keeps its text there.
inline std::wstring Text(HWND okno) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(okno, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(okno, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// A left click as the button hears it.
inline void Klikni(HWND okno) {
  PostMessageW(okno, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(okno, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// The pointer moved as the user's mouse moves it.
inline void PresunUkazatel(int x, int y) {
  INPUT vstup{};
  vstup.type = INPUT_MOUSE;
  vstup.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  vstup.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  vstup.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &vstup, sizeof vstup);
}

// The centre of a window, reached by the pointer the way a hand moves it: over its edge first.
inline void NajedNa(HWND okno) {
  RECT r{};
  GetWindowRect(okno, &r);
  PresunUkazatel(r.left + 1, r.top + 1);
  std::this_thread::sleep_for(150ms);
  PresunUkazatel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The window that has the focus in the foreground; and characters typed into it, as they reach it
// through the program's own message loop.
inline HWND Fokus() {
  GUITHREADINFO vlakno{};
  vlakno.cbSize = sizeof vlakno;
  return GetGUIThreadInfo(0, &vlakno) ? vlakno.hwndFocus : nullptr;
}

inline void Napis(const std::wstring& text) {
  for (const wchar_t znak : text) PostMessageW(Fokus(), WM_CHAR, znak, 1);
}

// The left click on the tray icon, as the notification area reports it to the program's window.
inline void KlikNaIkonu(HWND upozorneni) { PostMessageW(upozorneni, WM_USER + 101, 0, WM_LBUTTONUP); }
