// The settings editor of the real vypnuti.exe, driven with the mouse and the keyboard as a user
// drives it: a new schedule, a postponement and its end, a from-to window, what the time box refuses
// and when it is checked.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "core/kalendar.h"
#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "program_e2e.h"
#include "ui/navrh_oken.h"

namespace {

class Editor_e2e : public Program_e2e {
 protected:
  // The program with nothing armed and its main window open.
  void Otevri(Program& program) {
    ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr && IsWindowVisible(program.Hlavni()); }, 5s));

  }
  static HWND Pole(const Program& program, Ovladac o) { return GetDlgItem(program.Hlavni(), IdOvladace(o)); }
  static void Klik(const Program& program, Ovladac o) { Klikni(Pole(program, o)); }
  // A click into the box, then typing over what it holds once it has the focus.
  static void NapisDo(const Program& program, Ovladac o, const std::wstring& text) {
    if (Fokus() != Pole(program, o)) Klikni(Pole(program, o));
    Dockej([&] { return Fokus() == Pole(program, o); }, 3s);
    PostMessageW(Pole(program, o), EM_SETSEL, 0, -1);
    Napis(text);
    Dockej([&] { return Text(Pole(program, o)).size() >= text.size(); }, 2s);
  }
  static std::wstring Schranka() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      text = static_cast<const wchar_t*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
};

std::wstring Souhrn(const Program& program) { return Text(GetDlgItem(program.Hlavni(), IdOvladace(Ovladac::lblHN))); }

}  // namespace

// "Nové", "Restartovat", a time typed with a dot and a date with commas, Alt+A, "Ano"; then a
// postponement, and "S" that drops it again.
TEST_F(Editor_e2e, NovePosunutiAStop) {
  Program program(L"");
  Otevri(program);
  SYSTEMTIME t;
  GetLocalTime(&t);
  const DatumCas zitra = RozlozCas(SlozCas(t.wYear, t.wMonth, t.wDay + 1));
  const std::wstring datum = std::to_wstring(zitra.den) + L"." + std::to_wstring(zitra.mesic) + L"." +
                             std::to_wstring(zitra.rok);

  const auto maska = [&] { return SendMessageW(Pole(program, Ovladac::txtHNHeslo), EM_GETPASSWORDCHAR, 0, 0); };
  EXPECT_EQ(maska(), L'*');
  Klik(program, Ovladac::tlHNastaveni);
  Klik(program, Ovladac::opHN2);
  NapisDo(program, Ovladac::txtHNCas, L"23.59");
  EXPECT_EQ(Text(Pole(program, Ovladac::txtHNCas)), L"23:59");
  Stiskni(VK_TAB);
  NapisDo(program, Ovladac::txtHNDatum, std::to_wstring(zitra.den) + L"," + std::to_wstring(zitra.mesic) + L"," +
                                            std::to_wstring(zitra.rok));
  EXPECT_EQ(Text(Pole(program, Ovladac::txtHNDatum)), datum);
  EXPECT_EQ(maska(), 0) << "a new password is typed in clear";
  AltA(L'a');
  EXPECT_EQ(OdpovezBoxu(program, IDYES), L"Opravdu si p\u0159ejete aktivovat nastaven\u00e9 parametry?");
  const std::string parametr = "/restart;t/23:59/;d/" + Utf8(datum) + "/";
  EXPECT_TRUE(Dockej([&] { return uloziste.CtiParametr() == UlozenyTvar(parametr); }, 3s));
  EXPECT_TRUE(HodnotaAutostartu(KlicRun).has_value() && HodnotaAutostartu(KlicRunOnce).has_value());
  EXPECT_EQ(Souhrn(program), L"Restartov\u00e1n\u00ed " + datum + L" v 23:59");
  EXPECT_EQ(Schranka(), Utf16(parametr));
  EXPECT_EQ(maska(), L'*') << "hidden again once armed";

  Klik(program, Ovladac::tlHNastaveniP);
  NapisDo(program, Ovladac::txtHNCas, L"90");  // a postponement by minutes from the start
  AltA(L'a');
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(Dockej([&] { return Souhrn(program).ends_with(L" v " + Text(Pole(program, Ovladac::txtHNCas))); }, 3s));
  const auto cervena = [&] {  // a red pixel of the caption on the screen
    RECT r{};
    GetWindowRect(Pole(program, Ovladac::tlHNastaveniP), &r);
    bool je = false;
    HDC obrazovka = GetDC(nullptr);
    for (int x = r.left; x < r.right && !je; ++x)
      for (int y = r.top; y < r.bottom && !je; ++y) je = GetPixel(obrazovka, x, y) == RGB(255, 0, 0);
    ReleaseDC(nullptr, obrazovka);
    return je;
  };
  EXPECT_TRUE(Dockej(cervena, 3s)) << "\"Posunutí\" turns red";
  EXPECT_TRUE(StavovyRadek(program).starts_with(L"POSUNUT\u00cd - ")) << "the tray text with it";
  EXPECT_EQ(uloziste.CtiParametr(), UlozenyTvar(parametr)) << "a postponement is not stored";

  Klik(program, Ovladac::tlHNastaveniZ);
  Klik(program, Ovladac::tlHNStop);
  EXPECT_TRUE(Dockej([&] { return Souhrn(program) == L"Restartov\u00e1n\u00ed " + datum + L" v 23:59."; }, 3s));
  EXPECT_EQ(uloziste.CtiParametr(), UlozenyTvar(parametr));
}

// The time box takes digits and separators only, whether typed or pasted. It is checked only when the
// focus moves to another control of the window, not when it goes to Alt+A's question (nor, by the same
// rule, to another program).
TEST_F(Editor_e2e, CasovePoleOdmitnePismenaAVlozeni) {
  Program program(L"");
  Otevri(program);
  Klik(program, Ovladac::tlHNastaveni);
  Klik(program, Ovladac::opHN1);
  NapisDo(program, Ovladac::txtHNCas, L"7");
  Napis(L"x");
  if (OpenClipboard(Fokus())) {
    EmptyClipboard();
    HGLOBAL pamet = GlobalAlloc(GMEM_MOVEABLE, 16);
    wcscpy(static_cast<wchar_t*>(GlobalLock(pamet)), L"ab:c5");
    GlobalUnlock(pamet);
    SetClipboardData(CF_UNICODETEXT, pamet);
    CloseClipboard();
  }
  CtrlA(L'V');
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(Text(Pole(program, Ovladac::txtHNCas)), L"7") << "no letter, no Ctrl+V";
  SendMessageW(Pole(program, Ovladac::txtHNCas), WM_PASTE, 0, 0);  // as the box's own menu pastes
  EXPECT_EQ(Text(Pole(program, Ovladac::txtHNCas)), L"7:5");
  Napis(L"\b");
  ASSERT_TRUE(Dockej([&] { return Text(Pole(program, Ovladac::txtHNCas)) == L"7:"; }, 2s)) << "minutes missing";
  AltA(L'a');
  EXPECT_EQ(OdpovezBoxu(program, IDNO), L"Opravdu si p\u0159ejete aktivovat nastaven\u00e9 parametry?");
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(program.Dialog(), nullptr) << "no check of the time box behind the question";
}

// A from-to window entered in the window is the same schedule as on the command line.
TEST_F(Editor_e2e, OknoOdDo) {
  Program program(L"");
  Otevri(program);
  Klik(program, Ovladac::tlHNastaveni);
  Klik(program, Ovladac::tlHNOdDo);
  EXPECT_TRUE(Dockej([&] { return Text(Pole(program, Ovladac::lblN0)) == L"Od"; }, 3s));
  NapisDo(program, Ovladac::txtHNCas, L"22.00");
  Stiskni(VK_TAB);
  NapisDo(program, Ovladac::txtHNDatum, L"6.00");
  EXPECT_EQ(Text(Pole(program, Ovladac::txtHNDatum)), L"6:00");
  PostMessageW(Pole(program, Ovladac::chHN0), BM_CLICK, 0, 0);
  Klik(program, Ovladac::tlHNAktivace);
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(Dockej([&] { return RozbalUlozenyTvar(uloziste.CtiParametr()) == ";od/22:00-6:00/;kd;zs"; }, 3s));
}

// The row of days comes with "Opakovat každý den" and is one stop of the Tab key: the arrows move in
// it, Space and a click switch a day, a day that is on has the light face, and the schedule keeps the
// days that are on.
TEST_F(Editor_e2e, DnyVTydnuMysiAKlavesnici) {
  using O = Ovladac;
  Program program(L"");
  Otevri(program);
  Klik(program, O::tlHNastaveni);
  Klik(program, O::opHN1);
  NapisDo(program, O::txtHNCas, L"16:00");
  EXPECT_FALSE(IsWindowVisible(Pole(program, O::tlHNDen0)));
  Klik(program, O::chHN0);
  ASSERT_TRUE(Dockej([&] { return IsWindowVisible(Pole(program, O::tlHNDen6)); }, 3s));
  Stiskni(VK_TAB);
  EXPECT_TRUE(Dockej([&] { return Fokus() == Pole(program, O::tlHNDen0); }, 2s)) << "after its check box";
  Stiskni(VK_RIGHT);
  EXPECT_TRUE(Dockej([&] { return Fokus() == Pole(program, O::tlHNDen1); }, 2s));
  Stiskni(VK_SPACE);
  Klik(program, O::tlHNDen5);
  const auto plocha = [&](O den) {  // a pixel of the face, inside the edge
    RECT r{};
    GetWindowRect(Pole(program, den), &r);
    HDC obrazovka = GetDC(nullptr);
    const COLORREF barva = GetPixel(obrazovka, r.left + 3, r.bottom - 4);
    ReleaseDC(nullptr, obrazovka);
    return barva;
  };
  SetCursorPos(0, 0);  // no hover look on the day last clicked
  EXPECT_TRUE(Dockej([&] { return plocha(O::tlHNDen5) == GetSysColor(COLOR_BTNFACE); }, 2s));
  EXPECT_EQ(plocha(O::tlHNDen1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(plocha(O::tlHNDen0), GetSysColor(COLOR_3DHILIGHT));
  AltA(L'a');
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(
      Dockej([&] { return RozbalUlozenyTvar(uloziste.CtiParametr()) == "/vypnuti;kd;dny/po,st-pa,ne/;t/16:00/"; }, 3s));
  EXPECT_EQ(Souhrn(program), L"Vypnut\u00ed v po, st, \u010dt, p\u00e1, ne v 16:00.");
}

// The row "Podmínka" with the real drop-down list: opened by a click, an entry chosen by the arrows and
// Enter, Tab on to the box; "Změnit" reads the condition back and can put another in.
TEST_F(Editor_e2e, PodminkaVRozbalovacimSeznamu) {
  using O = Ovladac;
  Program program(L"");
  Otevri(program);
  const auto vyber = [&](WORD klavesa, int kolikrat) {
    Klik(program, O::cbHNPodminka);
    ASSERT_TRUE(Dockej([&] { return SendMessageW(Pole(program, O::cbHNPodminka), CB_GETDROPPEDSTATE, 0, 0); }, 3s));
    for (int i = 0; i < kolikrat; ++i) Stiskni(klavesa);
    Stiskni(VK_RETURN);
    ASSERT_TRUE(Dockej([&] { return !SendMessageW(Pole(program, O::cbHNPodminka), CB_GETDROPPEDSTATE, 0, 0); }, 3s));
    Stiskni(VK_TAB);
    ASSERT_TRUE(Dockej([&] { return Fokus() == Pole(program, O::txtHNPodminka); }, 3s)) << "the box is the next stop";
  };
  Klik(program, O::tlHNastaveni);
  Klik(program, O::opHN4);
  NapisDo(program, O::txtHNCas, L"23:00");
  EXPECT_FALSE(IsWindowVisible(Pole(program, O::txtHNPodminka)));
  vyber(VK_DOWN, 2);
  EXPECT_EQ(Text(Pole(program, O::lblHNUdaj)), L"Minut");
  Napis(L"15");
  AltA(L'a');
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(Dockej(  // stored with its day
      [&] {
        return RozbalUlozenyTvar(uloziste.CtiParametr()).value_or("").starts_with("/spanek;klid/15/;t/23:00/;d/");
      },
      3s));
  EXPECT_TRUE(Souhrn(program).starts_with(L"Sp\u00e1nek po 15 minut\u00e1ch klidu, nejd\u0159\u00edve "));

  Klik(program, O::tlHNastaveniZ);
  ASSERT_TRUE(Dockej([&] { return IsWindowEnabled(Pole(program, O::cbHNPodminka)); }, 3s));
  EXPECT_EQ(SendMessageW(Pole(program, O::cbHNPodminka), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(Pole(program, O::txtHNPodminka)), L"15");
  vyber(VK_UP, 1);
  EXPECT_EQ(Text(Pole(program, O::txtHNPodminka)), L"") << "a name does not start from minutes";
  Napis(L"render.exe");
  AltA(L'a');
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(Dockej(
      [&] {
        return RozbalUlozenyTvar(uloziste.CtiParametr()).value_or("").starts_with("/spanek;po/render.exe/;t/23:00/");
      },
      3s));
}
