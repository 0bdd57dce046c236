// The real warning window, loaded as start-up loads it: its countdown label and its layout. What its
// icon does when the taskbar comes and goes, Program_e2e.KonecZvenkuUlozi tells.
#include "zaklad_win.h"

#include "ui/warning/frmkzupozorneni_win.h"

HWND Popisek(const frmkzupozorneni& okno) { return FindWindowExW(okno.hwnd(), nullptr, L"Static", nullptr); }
HWND Storno(const frmkzupozorneni& okno) { return FindWindowExW(okno.hwnd(), nullptr, TridaTlText, nullptr); }

// The width of the window's text in the window's own font.
int SirkaTextu(HWND okno) {
  HDC dc = GetDC(okno);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(okno, WM_GETFONT, 0, 0)));
  RECT r{};
  DrawTextW(dc, TextOkna(okno).c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  ReleaseDC(okno, dc);
  return r.right;
}

// Moved to a screen of 144 dpi while it waits hidden, the window takes the suggested rectangle, and
// the label and STORNO, made at the first warning, come in the new pixels.
TEST(Upozorneni, ZmenaDpiPrerovnaITlacitko) {
  frmkzupozorneni okno;
  okno.Nacti();
  EXPECT_EQ(Popisek(okno), nullptr) << "a schedule waiting in the tray needs no label yet";
  const auto t = [](int twipy) { return std::to_string(TwipyNaPixely(twipy, 144)); };
  const RECT navrh{50, 60, 50 + TwipyNaPixely(7170, 144), 60 + TwipyNaPixely(1320, 144)};
  SendMessageW(okno.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&navrh));
  EXPECT_EQ(Misto(okno.hwnd()), "50,60 " + t(7170) + "x" + t(1320));

  okno.Ukaz(true, "");
  RECT r{};
  GetWindowRect(Popisek(okno), &r);
  // STORNO's place, size and font (13.5 points at 144 dpi); the label's width.
  EXPECT_EQ(
      Misto(Storno(okno)) + " " + std::to_string(VyskaPisma(Storno(okno))) + " " + std::to_string(r.right - r.left),
      t(2580) + "," + t(720) + " " + t(2205) + "x" + t(495) + " -27 " + t(7035));
}

// The warning comes above every window but leaves the focus where the user types, so that a key meant
// for another program never reaches STORNO; brought to the front, it gives STORNO the focus. Its
// countdown keeps to one line, and other users signed in add one under STORNO.
TEST(Upozorneni, NahoreAleFokusNechaJinde) {
  const TestovaciOkno jine;
  frmkzupozorneni okno;
  okno.Nacti();
  okno.Ukaz(true, "");
  Pumpuj();
  EXPECT_TRUE(GetWindowLongW(okno.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), jine.hwnd());
  SetForegroundWindow(okno.hwnd());
  Pumpuj();
  EXPECT_EQ(GetFocus(), Storno(okno));

  // The countdown stays on one line in the label: in the designed 24 points when it fits, smaller when not.
  const HWND popisek = Popisek(okno);
  RECT pole{};
  GetClientRect(popisek, &pole);
  for (const char* text : {"Restartování za 46 vteřin.", "Odhlášení za 59 vteřin.", "Nashledanou"}) {
    okno.NastavText(text);
    EXPECT_LE(SirkaTextu(popisek), pole.right) << text;
  }
  EXPECT_EQ(VyskaPisma(popisek), -MulDiv(24, DpiOkna(popisek), 72)) << "a short text keeps the design";

  // Other users signed in: one more line under STORNO, the window taller by it; gone again without them.
  RECT puvodne{};
  GetClientRect(okno.hwnd(), &puvodne);
  const std::string veta = "Přihlášen je i uživatel Petr; jeho neuložená práce se ztratí.";
  okno.Ukaz(true, veta);
  const HWND poznamka = FindWindowExW(okno.hwnd(), popisek, L"Static", nullptr);
  ASSERT_NE(poznamka, nullptr);
  const auto vyska = [&] {
    RECT r{};
    GetClientRect(okno.hwnd(), &r);
    return std::to_string(r.bottom - puvodne.bottom) +
           (IsWindowVisible(poznamka) ? " " + Utf8(TextOkna(poznamka)) : "");
  };
  EXPECT_EQ(vyska(), std::to_string(TwipyNaPixely(480, DpiOkna(okno.hwnd()))) + " " + veta);
  okno.Ukaz(true, "");
  EXPECT_EQ(vyska(), "0");
  okno.Schovej();
  EXPECT_FALSE(GetWindowLongW(okno.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}
