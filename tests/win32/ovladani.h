#pragma once
// What a user does to the program from outside, for the end-to-end tests and the screenshot tool:
// find a window or a button by what it shows, click it, move the pointer onto it, click the tray icon.
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
  for (auto konec = std::chrono::steady_clock::now() + limit; !podminka();) {
    if (std::chrono::steady_clock::now() > konec) return false;
    std::this_thread::sleep_for(100ms);
  }
  return true;
}

// A one-off moment so many minutes from now, as a command line writes it, with its date: a number of
// minutes belongs to the session and is never stored, and a clock time alone would pass at midnight.
inline std::string ZaMinut(int minut) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  FILETIME f;
  SystemTimeToFileTime(&t, &f);
  ULARGE_INTEGER n{{f.dwLowDateTime, f.dwHighDateTime}};
  n.QuadPart += minut * 600'000'000ULL;
  f = {n.LowPart, n.HighPart};
  FileTimeToSystemTime(&f, &t);
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

// A child window of that class and text, as a user finds a button by its caption.
inline HWND Potomek(HWND rodic, const wchar_t* trida, const std::wstring& text) {
  for (HWND okno = nullptr; (okno = FindWindowExW(rodic, okno, trida, nullptr)) != nullptr;)
    if (Text(okno) == text) return okno;
  return nullptr;
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

// Keys as they reach the window that has the focus in the foreground, through the program's own
// message loop: typed characters, a key pressed and let go, Alt or Ctrl with a letter.
inline HWND Fokus() {
  GUITHREADINFO vlakno{};
  vlakno.cbSize = sizeof vlakno;
  return GetGUIThreadInfo(0, &vlakno) ? vlakno.hwndFocus : nullptr;
}

inline void Napis(const std::wstring& text) {
  for (const wchar_t znak : text) PostMessageW(Fokus(), WM_CHAR, znak, 1);
}

inline void Stiskni(WORD klavesa) {
  HWND cil = Fokus();
  PostMessageW(cil, WM_KEYDOWN, klavesa, 1);
  PostMessageW(cil, WM_KEYUP, klavesa, 0xC0000001);
}

inline void AltA(wchar_t pismeno) { PostMessageW(Fokus(), WM_SYSCHAR, pismeno, 0x20000001); }
inline void CtrlA(wchar_t pismeno) { PostMessageW(Fokus(), WM_CHAR, pismeno - L'A' + 1, 1); }

// The left click on the tray icon, as the notification area reports it to the program's window.
inline void KlikNaIkonu(HWND upozorneni) { PostMessageW(upozorneni, WM_USER + 101, 0, WM_LBUTTONUP); }
