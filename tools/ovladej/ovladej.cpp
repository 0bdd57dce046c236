// Drives the running vypnuti.exe from outside, as a user would, for the screenshot scripts:
//   ovladej ikona          a left click on its tray icon (opens the main window)
//   ovladej nabidka        a right click on its tray icon (opens the icon's menu)
//   ovladej najed TEXT     the pointer onto the main window's button with that caption
//   ovladej klik TEXT      a click on that button
//   ovladej pis TEXT       types the text over what the box with the focus holds
//   ovladej ano            answers the program's question with "Ano" (OK in a message)
//   ovladej cekej TRIDA    waits (at most 10 s) until a visible window of that class is there
//   ovladej stiskni TEXT   a click on the standard button (or check box) with that caption in a
//                          dialog, such as the installer's "Další >", once it is there and enabled
//   ovladej ceka TEXT      waits (at most 10 s) until such a button is there and enabled
//   ovladej obdelnik TRIDA prints where the visible window of that class is, as WxH+X+Y, for cropping
// Exits with 1 when the window or the button is not found.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ovladani.h"

namespace {

HWND Hlavni() { return FindWindowW(L"frmkzhlavni", nullptr); }

// A button of the main window by its caption, as a user finds it.
HWND Tlacitko(const std::wstring& text) {
  for (HWND okno = nullptr; Hlavni() && (okno = FindWindowExW(Hlavni(), okno, L"tlText", nullptr)) != nullptr;)
    if (Text(okno) == text) return okno;
  return nullptr;
}

// A caption as the user reads it: without the "&" that marks the underlined letter.
std::wstring BezAmpersandu(std::wstring text) {
  std::erase(text, L'&');
  return text;
}

// An enabled standard button of that caption in a visible dialog, or on one of its pages.
HWND TlacitkoDialogu(const std::wstring& text) {
  const auto hledej = [&](HWND rodic) -> HWND {
    for (HWND okno = nullptr; (okno = FindWindowExW(rodic, okno, L"Button", nullptr)) != nullptr;)
      if (BezAmpersandu(Text(okno)) == text && IsWindowVisible(okno) && IsWindowEnabled(okno)) return okno;
    return nullptr;
  };
  for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr;) {
    if (!IsWindowVisible(dialog)) continue;
    HWND tlacitko = hledej(dialog);
    for (HWND stranka = nullptr; !tlacitko && (stranka = FindWindowExW(dialog, stranka, L"#32770", nullptr));)
      tlacitko = hledej(stranka);
    if (tlacitko) return tlacitko;
  }
  return nullptr;
}

}  // namespace

int wmain(int pocet, wchar_t** argumenty) {
  if (pocet < 2) return 1;
  const std::wstring prikaz = argumenty[1];
  const std::wstring co = pocet > 2 ? argumenty[2] : L"";
  if (prikaz == L"ikona") {
    HWND upozorneni = FindWindowW(L"frmkzupozorneni", nullptr);
    if (!upozorneni) return 1;
    KlikNaIkonu(upozorneni);
  } else if (prikaz == L"nabidka") {
    HWND upozorneni = FindWindowW(L"frmkzupozorneni", nullptr);
    if (!upozorneni) return 1;
    PostMessageW(upozorneni, WM_USER + 101, 0, WM_CONTEXTMENU);  // what the shell sends for a right click
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
  } else if (prikaz == L"stiskni" || prikaz == L"ceka") {
    if (!Dockej([&] { return TlacitkoDialogu(co) != nullptr; }, 10s)) return 1;
    if (prikaz == L"stiskni") PostMessageW(TlacitkoDialogu(co), BM_CLICK, 0, 0);
  } else if (prikaz == L"obdelnik") {
    HWND okno = FindWindowW(co.c_str(), nullptr);
    RECT r{};
    if (!okno || !IsWindowVisible(okno) || !GetWindowRect(okno, &r)) return 1;
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  } else {
    return 1;
  }
  return 0;
}
