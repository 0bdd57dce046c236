// Drives the running vypnuti.exe from outside, as a user would, for the screenshot scripts:
//   ovladej ikona          a left click on its tray icon (opens the main window)
//   ovladej najed TEXT     the pointer onto the main window's button with that caption
//   ovladej klik TEXT      a click on that button
//   ovladej pis TEXT       types the text over what the box with the focus holds
//   ovladej ano            answers the program's question with "Ano" (OK in a message)
//   ovladej cekej TRIDA    waits (at most 10 s) until a visible window of that class is there
// Exits with 1 when the window or the button is not found.
#include <windows.h>

#include <string>

#include "ovladani.h"

namespace {

HWND Hlavni() { return FindWindowW(L"frmkzhlavni", nullptr); }
HWND Tlacitko(const std::wstring& text) { return Hlavni() ? Potomek(Hlavni(), L"tlText", text) : nullptr; }

}  // namespace

int wmain(int pocet, wchar_t** argumenty) {
  if (pocet < 2) return 1;
  const std::wstring prikaz = argumenty[1];
  const std::wstring co = pocet > 2 ? argumenty[2] : L"";
  if (prikaz == L"ikona") {
    HWND upozorneni = FindWindowW(L"frmkzupozorneni", nullptr);
    if (!upozorneni) return 1;
    KlikNaIkonu(upozorneni);
  } else if (prikaz == L"najed" || prikaz == L"klik") {
    HWND tlacitko = Tlacitko(co);
    if (!tlacitko) return 1;
    if (prikaz == L"najed") NajedNa(tlacitko);
    else Klikni(tlacitko);
  } else if (prikaz == L"pis") {
    if (!Fokus()) return 1;
    PostMessageW(Fokus(), EM_SETSEL, 0, -1);
    Napis(co);
  } else if (prikaz == L"ano") {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box) return 1;
    PostMessageW(box, WM_COMMAND, GetDlgItem(box, IDYES) ? IDYES : IDOK, 0);
  } else if (prikaz == L"cekej") {
    const auto je = [&] {
      HWND okno = FindWindowW(co.c_str(), nullptr);
      return okno && IsWindowVisible(okno);
    };
    if (!Dockej(je, 10s)) return 1;
  } else {
    return 1;
  }
  return 0;
}
