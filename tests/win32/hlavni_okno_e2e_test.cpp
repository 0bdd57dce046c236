// The main window of the real vypnuti.exe, used from outside as a user would use it: where it opens,
// what it says, its hints, the tool buttons, its close box, the tray icon's click, "Ukončit" with a
// password, the Tab order and the focus look.
#include "program_e2e.h"

using HlavniOkno_e2e = Program_e2e;

// Where it opens, what it shows and that its clock ticks; the hints under the pointer; the tool
// buttons; closed, it stays in the tray, and the icon opens it again, one window.
TEST_F(HlavniOkno_e2e, OteviraSeVpravoDoleSeVsimATika) {
  Proces program(L"");
  HWND okno = nullptr;
  ASSERT_TRUE(DOCKEJ(5s, IsWindowVisible(okno = program.Hlavni())));
  RECT r{}, plocha{};
  GetWindowRect(okno, &r);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &plocha, 0);
  std::set<std::wstring> tlacitka;
  for (HWND t = nullptr; (t = FindWindowExW(okno, t, L"tlText", nullptr)) != nullptr;)
    if (IsWindowVisible(t)) tlacitka.insert(Text(t));
  std::wstring videt = Text(okno) + L" | " + std::to_wstring(r.right - plocha.right) + L" " +
                       std::to_wstring(r.bottom - plocha.bottom) + L" |";
  for (const std::wstring& t : tlacitka) videt += L" " + t;
  // Nothing armed: no Změnit, Posunutí or S.
  EXPECT_EQ(videt + L" | " + StavovyRadek(program),
            L"Vypnut\u00ed po\u010d\u00edta\u010de | 0 0 | &Aktivace &Storno E-mail Internet Nov\u00e9 Od-Do "
            L"Odhl\u00e1\u0161en\u00ed P Parametr Restart Sp\u00e1nek Ukon\u010dit Vypnut\u00ed Vzd\u00e1len\u00e9 PC "
            L"Zam\u010den\u00ed Z\u00e1stupce | Vypnut\u00ed po\u010d\u00edta\u010de");

  const std::wstring predtim = Text(program.Pole(O::lblVC));
  EXPECT_EQ(predtim.size(), predtim[1] == L':' ? 7u : 8u) << "H:mm:ss";
  EXPECT_TRUE(DOCKEJ(3s, Text(program.Pole(O::lblVC)) != predtim)) << "the clock ticks";
  wchar_t dnes[64] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, L"dddd, d.MMMM yyyy", dnes, 64, nullptr);
  EXPECT_EQ(Text(program.Pole(O::lblVD)), dnes);

  // The pointer resting on a button shows its hint in the status bar; leaving it brings the tray
  // icon's text back. "Parametr" tells how to write a schedule.
  EXPECT_TRUE(Hraj(program,
                   "najed=tlKZ0 stav?P_O_Z_O_R_-_Počítač_bude_vypnut_bez_uložení_rozpracovaných_dat. pryc "
                   "stav?Vypnutí_počítače tlKZ7 box?Parametry_řaďte_za_sebou_bez_mezer.* OK"));
  const fs::path zastupce = Slozka(FOLDERID_Desktop) / L"Vypnut\u00ed po\u010d\u00edta\u010de.lnk";
  fs::remove(zastupce);
  for (const bool bude : {true, false}) {
    Klikni(program.Pole(O::tlKZ6));
    EXPECT_TRUE(DOCKEJ(5s, fs::exists(zastupce) == bude)) << "Zástupce, the desktop's shortcut";
  }

  PostMessageW(program.Hlavni(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(DOCKEJ(3s, !program.Hlavni()));
  EXPECT_TRUE(program.Bezi());
  EXPECT_TRUE(program.OtevriIkonou());
  ShowWindow(program.Hlavni(), SW_MINIMIZE);
  KlikNaIkonu(program.Upozorneni());  // open already: restored, and still one window
  EXPECT_TRUE(DOCKEJ(3s, !IsIconic(program.Hlavni())));
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(FindWindowExW(nullptr, program.Hlavni(), L"frmkzhlavni", nullptr), nullptr);

  // An immediate shut-down asks first, No the default: Enter or a stray tap does nothing.
  ASSERT_TRUE(Hraj(
      program, "tlKZ0 box?Opravdu_chcete_hned_vypnout_počítač?_Neuložená_práce_v_otevřených_programech_se_ztratí."));
  EXPECT_EQ(GetWindowLongW(GetDlgItem(program.Dialog(), IDNO), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(Hraj(program, "Ne pauza zaznam? tlKZ0 Ano zaznam?ExitWindowsEx_0x0000000D_0x80040001"));
}

// "Ukončit" asks for the schedule's password: a wrong one is refused and the program goes on; the
// right one and "Ano" end it, the armed schedule stored for the next log-on. Armed, the program
// starts in the tray, and the window opened there shows the schedule a moment after it is there.
// Under an English Windows the program behaves the same, only the system's own words differ: CTest
// runs this once more with an English locale (cmake/win64.cmake).
TEST_F(HlavniOkno_e2e, UkoncitSHeslem) {
  const std::string parametr = "/vypnuti;h/tajne/" + ZaMinut(120);
  Proces program(Utf16(parametr));
  ASSERT_TRUE(DOCKEJ(5s, program.Upozorneni()));
  EXPECT_EQ(program.Hlavni(), nullptr);
  EXPECT_TRUE(Hraj(program,
                   "ikona lblHN?Vypnutí_* tlHZavrit box?Vypnutí_počítače|Zadejte_heslo! heslo=Tajne "
                   "box?Neplatné_heslo. OK tlHZavrit heslo=tajne "
                   "box?Přejete_si_aplikaci_\"Vypnutí_počítače\"_ukončit?"));
  wchar_t jazyk[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(jazyk, LOCALE_NAME_MAX_LENGTH);
  EXPECT_EQ(Text(GetDlgItem(program.Dialog(), IDYES)), std::wstring(jazyk).starts_with(L"cs") ? L"&Ano" : L"&Yes");
  EXPECT_TRUE(Hraj(program, "Ano"));
  EXPECT_EQ(program.Kod(5000), 0);
  EXPECT_EQ(Zbytek(), "'" + parametr + "' Run");
}

// A flat button shows its focus to the keyboard's user only: not when a click put the focus there and
// the window's activation brought it back, but once a key has moved the focus. The Tab key walks the
// window in the order the README documents: in view the new schedule, the row of actions, "Ukončit"
// and the row of tools (each row one stop, its arrows inside it; no stop on an immediate action:
// Enter or Space there would shut the computer down unasked); in the editor every box in reading order.
TEST_F(HlavniOkno_e2e, FokusAzPoKlaveseATabulator) {
  BOOL narazky = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &narazky, 0);
  SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0);  // the system's default: cues wait for a key
  Proces program(L"");
  ASSERT_TRUE(DOCKEJ(5s, program.Hlavni() && Fokus()));
  EXPECT_TRUE(Hraj(program, "fokus?tlHNastaveni"));
  HWND email = program.Pole(O::tlKZ8);
  const auto vzhled = [&] { return std::this_thread::sleep_for(300ms), Pixely(email); };
  PostMessageW(email, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // let go beside it: no e-mail
  PostMessageW(email, WM_LBUTTONUP, 0, MAKELPARAM(-30, 40));
  ASSERT_TRUE(DOCKEJ(3s, Fokus() == email));
  const auto poKliku = vzhled();
  HWND jine = CreateWindowExW(0, L"STATIC", L"Jin\u00e9", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  SetForegroundWindow(jine);
  DOCKEJ(3s, GetForegroundWindow() == jine);
  DestroyWindow(jine);
  SetForegroundWindow(program.Hlavni());
  ASSERT_TRUE(DOCKEJ(3s, Fokus() == email));
  EXPECT_EQ(vzhled(), poKliku) << "a focus look after the window came back";
  EXPECT_TRUE(Hraj(program, "Tab fokus?tlHNastaveni Tab fokus?tlHZavrit Tab fokus?tlKZ8"));
  EXPECT_NE(vzhled(), poKliku) << "no focus look after Tab";
  SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(narazky)), 0);

  std::string kolo = "Right fokus?tlKZ9 Tab Tab Tab fokus?tlKZ9 tlHNastaveni fokus?txtHNCas";
  for (const char* pole :
       {"txtHNDatum",   "chHN0",        "chHN1",      "chHN3",     "chHN4", "chHN2",    "txtHNHeslo",
        "opHN1",        "opHN2",        "opHN3",      "opHN4",     "opHN5", "opHN6",    "cbHNPodminka",
        "tlHNParametr", "tlHNAktivace", "tlHNStorno", "tlHZavrit", "tlKZ9", "tlHNOdDo", "txtHNCas"})
    kolo += std::string(" Tab fokus?") + pole;
  EXPECT_TRUE(Hraj(program, kolo));
}
