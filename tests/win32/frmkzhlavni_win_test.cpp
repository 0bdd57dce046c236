// The real main window in this process, for what only its own code can see: the fonts its controls
// hold while it moves to a screen of another dpi.
#include "zaklad_win.h"

#include "scheduler/ikona_listy_win.h"
#include "ui/main_window/frmkzhlavni_win.h"

std::vector<bool> drzenePlatne;  // at each new font: whether the one the control held still existed

LRESULT CALLBACK Hlidej(HWND okno, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (zprava == WM_SETFONT)
    if (auto drzene = reinterpret_cast<HGDIOBJ>(DefSubclassProc(okno, WM_GETFONT, 0, 0)))
      drzenePlatne.push_back(GetObjectType(drzene) == OBJ_FONT);
  return DefSubclassProc(okno, zprava, w, l);
}

// A control must never hold a deleted font, not even for the moment of the change: it may paint then.
TEST(HlavniOknoWin, ZmenaDpiMaziStaraPismaAzPoVymene) {
  FalesnePorty porty;
  IkonaListyWin ikona;
  clsosgv system;
  Pripojeni<IkonaListy> p1{ikona};
  Pripojeni<InfoSystemu> p2{system};
  frmkzhlavni okno;
  okno.Otevri();
  ASSERT_NE(okno.hwnd(), nullptr);
  HWND popisek = GetDlgItem(okno.hwnd(), IdOvladace(Ovladac::lblHA));
  const int pred = VyskaPisma(popisek);
  EnumChildWindows(
      okno.hwnd(), [](HWND h, LPARAM) { return SetWindowSubclass(h, Hlidej, 1, 0); }, 0);
  const RECT navrh{0, 0, 800, 600};
  SendMessageW(okno.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&navrh));
  EXPECT_GT(drzenePlatne.size(), 20u) << "the boxes and labels got their new fonts";
  EXPECT_EQ(std::ranges::count(drzenePlatne, false), 0) << "a control held a deleted font";
  EXPECT_EQ(VyskaPisma(popisek), MulDiv(pred, 144, 96)) << "the new font is for 144 dpi";
  okno.Zavri();
}
