#pragma once

#include "controls/soft_button/tltext_win.h"

// The program's loop: the soft buttons' keys first, then the usual translation.
inline void Pumpuj() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (tlText::PrelozKlavesu(m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

// A real top-level window with a client area of the given size, for controls under test. A system
// class does: the window only has to hold its children.
struct TestovaciOkno {
  explicit TestovaciOkno(int sirka = 300, int vyska = 200) {
    RECT r{0, 0, sirka, vyska};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(hwnd_);
    Pumpuj();
  }
  ~TestovaciOkno() { DestroyWindow(hwnd_); }
  TestovaciOkno(const TestovaciOkno&) = delete;
  HWND hwnd() const { return hwnd_; }
  HWND hwnd_ = nullptr;
};

// Moves the cursor and waits until it stays there: under Wine the display reports the move a little
// later, and the moves it reports pass through the message queue like a user's.
inline void PresunKurzor(POINT kde) {
  for (int i = 0, klidnych = 0; i < 200 && klidnych < 3; ++i) {
    POINT ted{};
    GetCursorPos(&ted);
    klidnych = ted.x == kde.x && ted.y == kde.y ? klidnych + 1 : 0;
    if (klidnych == 0) SetCursorPos(kde.x, kde.y);
    Sleep(10);
    Pumpuj();
  }
}

// Puts the cursor at a screen point and hands a mouse message to the window Windows would: the one
// holding the capture, otherwise the one under the cursor.
inline void Mys(UINT zprava, POINT kde, WPARAM tlacitka = 0) {
  PresunKurzor(kde);
  HWND cil = GetCapture();
  if (!cil) cil = WindowFromPoint(kde);
  ScreenToClient(cil, &kde);
  SendMessageW(cil, zprava, tlacitka, MAKELPARAM(kde.x, kde.y));
  Pumpuj();
}
