// The main window of the real vypnuti.exe, used from outside as a user would use it: where it opens,
// what it says, its hints, the tool buttons, its close box, the tray icon's click, "Ukončit" with a
// password, the Tab order and the focus look.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "program_e2e.h"
#include "ui/navrh_oken.h"

namespace {

HWND Tlacitko(const Program& program, const wchar_t* titulek) { return Potomek(program.Hlavni(), L"tlText", titulek); }

std::filesystem::path ZastupceNaPlose() {
  wchar_t plocha[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, plocha);
  return std::filesystem::path(plocha) / L"Vypnut\u00ed po\u010d\u00edta\u010de.lnk";
}

class HlavniOkno_e2e : public Program_e2e {};

}  // namespace

// Where it opens, what it shows and that its clock ticks; the hints under the pointer; the tool buttons.
TEST_F(HlavniOkno_e2e, OteviraSeVpravoDoleSeVsimATika) {
  Program program(L"");
  HWND okno = nullptr;
  ASSERT_TRUE(Dockej([&] { return (okno = program.Hlavni()) != nullptr && IsWindowVisible(okno); }, 5s));
  EXPECT_EQ(Text(okno), L"Vypnut\u00ed po\u010d\u00edta\u010de");
  RECT r{}, plocha{};
  GetWindowRect(okno, &r);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &plocha, 0);
  EXPECT_EQ(r.right, plocha.right);
  EXPECT_EQ(r.bottom, plocha.bottom);

  std::set<std::wstring> viditelne;
  for (HWND t = nullptr; (t = FindWindowExW(okno, t, L"tlText", nullptr)) != nullptr;)
    if (IsWindowVisible(t)) viditelne.insert(Text(t));
  EXPECT_EQ(viditelne, (std::set<std::wstring>{L"Vypnut\u00ed", L"Restart", L"Odhl\u00e1\u0161en\u00ed", L"Sp\u00e1nek",
                                               L"Zam\u010den\u00ed", L"Vzd\u00e1len\u00e9 PC", L"Nov\u00e9",
                                               L"Od-Do", L"P", L"&Aktivace", L"&Storno", L"Z\u00e1stupce",
                                               L"Parametr", L"E-mail", L"Internet", L"Ukon\u010dit"}))
      << "nothing armed: no Změnit, Posunutí or S";
  EXPECT_EQ(StavovyRadek(program), L"Vypnut\u00ed po\u010d\u00edta\u010de");

  HWND hodiny = GetDlgItem(okno, IdOvladace(Ovladac::lblVC));
  const std::wstring predtim = Text(hodiny);
  EXPECT_EQ(predtim.size(), predtim[1] == L':' ? 7u : 8u) << "H:mm:ss";
  EXPECT_TRUE(Dockej([&] { return Text(hodiny) != predtim; }, 3s)) << "the clock ticks";
  wchar_t dnes[64] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, L"dddd, d.MMMM yyyy", dnes, 64, nullptr);
  EXPECT_EQ(Text(GetDlgItem(okno, IdOvladace(Ovladac::lblVD))), dnes);

  // The pointer resting on a button shows its hint in the status bar; leaving it brings the tray
  // icon's text back.
  HWND vypnuti = Tlacitko(program, L"Vypnut\u00ed");
  NajedNa(vypnuti);
  EXPECT_TRUE(Dockej(
      [&] {
        return StavovyRadek(program) ==
               L"P O Z O R - Po\u010d\u00edta\u010d bude vypnut bez ulo\u017een\u00ed rozpracovan\u00fdch dat.";
      },
      3s));
  RECT tl{};
  GetWindowRect(vypnuti, &tl);
  PresunUkazatel(tl.left - 200, tl.top - 200);
  EXPECT_TRUE(Dockej([&] { return StavovyRadek(program) == L"Vypnut\u00ed po\u010d\u00edta\u010de"; }, 3s));

  // The tool buttons.
  Klikni(Tlacitko(program, L"Parametr"));
  EXPECT_TRUE(OdpovezBoxu(program, IDOK).starts_with(L"Parametry \u0159a\u010fte za sebou bez mezer."));
  std::filesystem::remove(ZastupceNaPlose());
  Klikni(Tlacitko(program, L"Z\u00e1stupce"));
  EXPECT_TRUE(Dockej([] { return std::filesystem::exists(ZastupceNaPlose()); }, 5s));
  Klikni(Tlacitko(program, L"Z\u00e1stupce"));
  EXPECT_TRUE(Dockej([] { return !std::filesystem::exists(ZastupceNaPlose()); }, 5s));
  // An immediate shut-down asks first, No the default: Enter or a stray tap does nothing.
  Klikni(vypnuti);
  HWND otazka = nullptr;
  ASSERT_TRUE(Dockej([&] { return (otazka = program.Dialog()) != nullptr; }, 5s));
  EXPECT_EQ(GetWindowLongW(GetDlgItem(otazka, IDNO), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  EXPECT_EQ(
      OdpovezBoxu(program, IDNO),
      L"Opravdu chcete hned vypnout po\u010d\u00edta\u010d? Neulo\u017een\u00e1 pr\u00e1ce v otev\u0159en\u00fdch "
      L"programech se ztrat\u00ed.");
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(Zaznamy().empty());
  Klikni(vypnuti);
  OdpovezBoxu(program, IDYES);
  EXPECT_TRUE(Dockej([] { return !Zaznamy().empty(); }, 3s));
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0x80040001"});
}

TEST_F(HlavniOkno_e2e, ZavrenimZustaneVListeAIkonaHoOtevre) {
  Program program(L"");
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 5s));
  PostMessageW(program.Hlavni(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() == nullptr; }, 3s));
  EXPECT_TRUE(program.Bezi());
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));
  EXPECT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 3s));
  ShowWindow(program.Hlavni(), SW_MINIMIZE);
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));  // open already: restored, and still one window
  EXPECT_TRUE(Dockej([&] { return !IsIconic(program.Hlavni()); }, 3s));
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(FindWindowExW(nullptr, program.Hlavni(), L"frmkzhlavni", nullptr), nullptr);
}

// "Ukončit" asks for the schedule's password: a wrong one is refused and the program goes on; the
// right one and "Ano" end it, the armed schedule stored for the next log-on.
TEST_F(HlavniOkno_e2e, UkoncitSHeslem) {
  const std::string parametr = "/vypnuti;h/tajne/" + ZaMinut(120);
  Program program(Utf16(parametr));
  ASSERT_TRUE(Dockej([&] { return program.Okno(L"frmkzupozorneni") != nullptr; }, 5s));
  EXPECT_EQ(program.Hlavni(), nullptr) << "armed: the program starts in the tray";
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 3s));
  // The window is there a moment before its controls show the schedule.
  EXPECT_TRUE(Dockej(
      [&] { return Text(GetDlgItem(program.Hlavni(), IdOvladace(Ovladac::lblHN))).starts_with(L"Vypnut\u00ed "); },
      3s));

  Klikni(Tlacitko(program, L"Ukon\u010dit"));
  EXPECT_EQ(ZadejHeslo(program, L"Tajne"), L"Vypnut\u00ed po\u010d\u00edta\u010de|Zadejte heslo!");
  EXPECT_EQ(OdpovezBoxu(program, IDOK), L"Neplatn\u00e9 heslo.");
  EXPECT_TRUE(program.Bezi());

  Klikni(Tlacitko(program, L"Ukon\u010dit"));
  ZadejHeslo(program, L"tajne");
  EXPECT_EQ(OdpovezBoxu(program, IDYES), L"P\u0159ejete si aplikaci \"Vypnut\u00ed po\u010d\u00edta\u010de\" ukon\u010dit?");
  ASSERT_TRUE(program.Skoncil(5000));
  EXPECT_EQ(program.KodUkonceni(), 0u);
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr);
  EXPECT_TRUE(HodnotaAutostartu(KlicRun).has_value());
}

// Under an English Windows the program behaves the same; only the system's own words differ. CTest
// runs this, and a few of the tests above, once more with an English locale (cmake/win64.cmake).
TEST_F(HlavniOkno_e2e, AnglickyTaky) {
  wchar_t jazyk[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(jazyk, LOCALE_NAME_MAX_LENGTH);
  if (std::wstring(jazyk).starts_with(L"cs")) GTEST_SKIP() << "runs in the English pass";
  const std::string parametr = "/restart" + ZaMinut(30);
  Program program(Utf16(parametr));
  ASSERT_TRUE(Dockej([&] { return program.Okno(L"frmkzupozorneni") != nullptr; }, 5s));
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 3s));
  Klikni(Tlacitko(program, L"Ukon\u010dit"));
  HWND box = nullptr;
  ASSERT_TRUE(Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s));
  EXPECT_EQ(Text(GetDlgItem(box, IDYES)), L"&Yes");
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(program.Skoncil(5000));
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr);
}

// The Tab key walks the window in the order the README documents: in view the new schedule, the row of
// actions, "Ukončit" and the row of tools (each row one stop, its arrows inside it); in the editor
// every box in reading order.
TEST_F(HlavniOkno_e2e, TabulatorVeZdokumentovanemPoradi) {
  Program program(L"");
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr && Fokus() != nullptr; }, 5s));
  const auto obejdi = [&](int kroku) {
    std::vector<int> poradi;
    for (int i = 0; i < kroku; ++i) {
      poradi.push_back(GetDlgCtrlID(Fokus()));
      Stiskni(VK_TAB);
      const HWND predtim = Fokus();
      Dockej([&] { return Fokus() != predtim; }, 1s);
    }
    return poradi;
  };
  const auto id = [](std::initializer_list<Ovladac> ovladace) {
    std::vector<int> ids;
    for (const Ovladac o : ovladace) ids.push_back(IdOvladace(o));
    return ids;
  };
  using O = Ovladac;
  // No stop on an immediate action: Enter or Space there would shut the computer down unasked.
  EXPECT_EQ(obejdi(4), id({O::tlHNastaveni, O::tlHZavrit, O::tlKZ8, O::tlHNastaveni}));

  for (int i = 0; i < 4 && GetDlgCtrlID(Fokus()) != IdOvladace(O::tlKZ8); ++i) obejdi(1);
  Stiskni(VK_RIGHT);  // in the row of tools the arrows move, and its stop with them
  EXPECT_TRUE(Dockej([] { return GetDlgCtrlID(Fokus()) == IdOvladace(O::tlKZ9); }, 1s));
  Stiskni(VK_TAB);
  Stiskni(VK_TAB);
  Stiskni(VK_TAB);
  EXPECT_TRUE(Dockej([] { return GetDlgCtrlID(Fokus()) == IdOvladace(O::tlKZ9); }, 1s)) << "round and back";

  Klikni(GetDlgItem(program.Hlavni(), IdOvladace(O::tlHNastaveni)));
  ASSERT_TRUE(Dockej([] { return GetDlgCtrlID(Fokus()) == IdOvladace(O::txtHNCas); }, 3s));
  EXPECT_EQ(obejdi(21),
            id({O::txtHNCas,     O::txtHNDatum,   O::chHN0,      O::chHN1,     O::chHN3, O::chHN4,    O::chHN2,
                O::txtHNHeslo,   O::opHN1,        O::opHN2,      O::opHN3,     O::opHN4, O::opHN5,    O::cbHNPodminka,
                O::tlHNParametr, O::tlHNAktivace, O::tlHNStorno, O::tlHZavrit, O::tlKZ9, O::tlHNOdDo, O::txtHNCas}));
}

// A flat button shows its focus to the keyboard's user only: not when a click put the focus there and
// the window's activation brought it back, but once a key has moved the focus.
TEST_F(HlavniOkno_e2e, PlochyFokusAzPoKlavese) {
  BOOL narazky = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &narazky, 0);
  SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0);  // the system's default: cues wait for a key
  Program program(L"");
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr && Fokus() != nullptr; }, 5s));
  HWND email = Tlacitko(program, L"E-mail");
  const auto vzhled = [&] {
    std::this_thread::sleep_for(300ms);
    RECT r{};
    GetWindowRect(email, &r);
    std::vector<COLORREF> body;
    HDC obrazovka = GetDC(nullptr);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) body.push_back(GetPixel(obrazovka, x, y));
    ReleaseDC(nullptr, obrazovka);
    return body;
  };
  PostMessageW(email, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // let go beside it: no e-mail
  PostMessageW(email, WM_LBUTTONUP, 0, MAKELPARAM(-30, 40));
  ASSERT_TRUE(Dockej([&] { return Fokus() == email; }, 3s));
  const auto poKliku = vzhled();
  HWND jine = CreateWindowExW(0, L"STATIC", L"Jin\u00e9", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  SetForegroundWindow(jine);
  Dockej([&] { return GetForegroundWindow() == jine; }, 3s);
  DestroyWindow(jine);
  SetForegroundWindow(program.Hlavni());
  ASSERT_TRUE(Dockej([&] { return Fokus() == email; }, 3s));
  EXPECT_EQ(vzhled(), poKliku) << "a focus look after the window came back";
  for (int i = 0; i < 3; ++i) Stiskni(VK_TAB);  // round the three stops and back
  ASSERT_TRUE(Dockej([&] { return Fokus() == email; }, 3s));
  EXPECT_NE(vzhled(), poKliku) << "no focus look after Tab";
  SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(narazky)), 0);
}
