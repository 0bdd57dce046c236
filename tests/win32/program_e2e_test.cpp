// The real vypnuti.exe, started as a user or the autostart entry would start it, in dry-run mode:
// what the user sees (windows, texts, boxes), what is left in the registry, the recorded action.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "program_e2e.h"

TEST_F(Program_e2e, OdpocetAVypnuti) {
  Program program(Utf16("/vypnuti" + ZaMinut(1)));
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  EXPECT_TRUE(HodnotaAutostartu(KlicRun).has_value());
  EXPECT_TRUE(IsWindowEnabled(program.Storno()));
  // STORNO is the warning's only way to cancel; a stray Escape must not stop a shut-down.
  for (HWND cil : {program.Storno(), program.Okno(L"frmkzupozorneni")}) {
    PostMessageW(cil, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(cil, WM_KEYUP, VK_ESCAPE, 0);
  }
  std::this_thread::sleep_for(1s);
  EXPECT_TRUE(program.UpozorneniViditelne()) << "Escape";

  std::set<std::wstring> texty;
  Dockej(
      [&] {
        texty.insert(program.Odpocet());
        return !Zaznamy().empty();
      },
      65s);  // the warning's whole minute
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0x80040001"});
  texty.insert(program.Odpocet());
  // The seconds counted depend on when the test ran, the forms do not: five and more, two to four.
  const auto videno = [&](int od, int po, const wchar_t* konec) {
    for (int n = od; n <= po; ++n)
      if (texty.count(L"Vypnut\u00ed za " + std::to_wstring(n) + konec)) return true;
    return false;
  };
  EXPECT_TRUE(videno(5, 59, L" vte\u0159in."));
  EXPECT_TRUE(videno(2, 4, L" vte\u0159iny."));
  EXPECT_TRUE(texty.count(L"Nashledanou"));
  // Carried out, a one-off schedule leaves nothing behind.
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
  EXPECT_EQ(HodnotaAutostartu(KlicRunOnce), std::nullopt);
}

TEST_F(Program_e2e, StornoNechaProgramBezetNaprazdno) {
  Program program(L"/restart;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  const auto varovani = std::chrono::steady_clock::now();
  HWND storno = program.Storno();
  PostMessageW(storno, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(storno, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(Dockej([&] { return !program.UpozorneniViditelne(); }, 3s));
  // Past the moment of the action: nothing happened and the program waits idle in the tray.
  std::this_thread::sleep_until(varovani + 62s);
  EXPECT_TRUE(Zaznamy().empty());
  EXPECT_TRUE(program.Bezi());
  EXPECT_FALSE(program.UpozorneniViditelne());
  // Closed afterwards, the cancelled one-off schedule is forgotten.
  program.Zavri();
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
}

TEST_F(Program_e2e, SkryteStornoNeukazeNicAPresVypne) {
  Program program(L"/vypnuti;ss;t/1/");
  bool videt = false;
  const bool provedeno = Dockej(
      [&] {
        videt |= program.UpozorneniViditelne();
        return !Zaznamy().empty();
      },
      65s);
  EXPECT_TRUE(provedeno);
  EXPECT_FALSE(videt);
  EXPECT_EQ(program.Odpocet(), L"Nashledanou");
}

// A line the user typed wins over the stored schedule, as when the program runs; the autostart entry
// then holds the program's path and the marker that says "take the store" (a password's characters
// never reach a command line).
TEST_F(Program_e2e, NapsanyRadekVyhrajeNadUlozenym) {
  uloziste.ZapisParametr(UlozenyTvar("/restart" + ZaMinut(30)));
  const std::string napsany = "/vypnuti;h/\u00a7\u00b0/" + ZaMinut(120);
  Program program(Utf16(napsany));
  ASSERT_TRUE(Dockej([&] { return RozbalUlozenyTvar(uloziste.CtiParametr()) == napsany; }, 5s));
  EXPECT_EQ(HodnotaAutostartu(KlicRun), L"\"" + VedleTestu(L"vypnuti.exe").wstring() + L"\" " + Utf16(UlozenyTvar("")));
  // An armed schedule outlives the program's exit.
  program.Zavri();
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), napsany);
}

// Switched off in Startup apps, the program writes no RunOnce (which that switch does not govern) and
// says that no restart will bring the schedule back.
TEST_F(Program_e2e, VypnutyAutostartBezRunOnce) {
  constexpr wchar_t Schvaleni[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
  const BYTE vypnuto[12] = {3};
  RegSetKeyValueW(HKEY_CURRENT_USER, Schvaleni, L"ZDKZ", REG_BINARY, vypnuto, sizeof vypnuto);
  Program program(Utf16("/restart" + ZaMinut(120)));
  EXPECT_TRUE(Dockej([] { return HodnotaAutostartu(KlicRun).has_value(); }, 5s));
  EXPECT_EQ(HodnotaAutostartu(KlicRunOnce), std::nullopt);
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));
  EXPECT_TRUE(Dockej([&] { return StavovyRadek(program) != L"(no status bar)"; }, 3s));
  EXPECT_EQ(StavovyRadek(program),
            L"Automatick\u00e9 spu\u0161t\u011bn\u00ed je vypnut\u00e9 ve Spr\u00e1vci "
            L"\u00faloh: po restartu se akce nenapl\u00e1nuje.");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, Schvaleni, L"ZDKZ");
}

TEST_F(Program_e2e, NapovedaAChybnyParametr) {
  const struct {
    const wchar_t* argument;
    const wchar_t* titulek;
    const wchar_t* zacatek;  // of the box's text
  } pripady[] = {
      {L"/?", L"Vypnut\u00ed po\u010d\u00edta\u010de parametrem z p\u0159\u00edkazov\u00e9ho \u0159\u00e1dku.",
       L"\r\n\r\n/vypnuti\r\n/restart\r\n"},
      {L"/foo", L"Vypnut\u00ed po\u010d\u00edta\u010de",
       L"/foo\r\n\r\nNezn\u00e1m\u00e9 nebo chybn\u00e9 zad\u00e1n\u00ed spou\u0161t\u011bc\u00edho parametru!\r\n\r\n"},
  };
  for (const auto& p : pripady) {
    Program program(p.argument);
    HWND box = nullptr;
    ASSERT_TRUE(Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s)) << p.argument;
    EXPECT_EQ(Text(box), p.titulek);
    const std::wstring text = Text(GetDlgItem(box, 0xFFFF));  // the message box's text
    EXPECT_TRUE(text.starts_with(p.zacatek) && text.ends_with(L"vypnuti.exe \"/vypnuti;t/22:30/\"")) << p.argument;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Dockej([&] { return program.Dialog() == nullptr; }, 3s));
    EXPECT_TRUE(program.Bezi()) << "after OK the program waits with nothing armed ";
  }
}

// Given once with ";kd", an action without a time would come back at every log-on: it must run and
// leave the store and the autostart entries alone. The sleep it runs is a sleep, not a hibernation:
// Wine's machine reports S1 (and S4 with a hibernation file).
TEST_F(Program_e2e, AkceHnedSeNeulozi) {
  Program program(L"/spanek;kd");
  ASSERT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 5s));
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"SetSuspendState 0 0 0"});
  const auto nic_ulozeno = [&] {
    EXPECT_EQ(uloziste.CtiParametr(), "");
    EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
    EXPECT_EQ(HodnotaAutostartu(KlicRunOnce), std::nullopt);
  };
  nic_ulozeno();
  program.Zavri();
  nic_ulozeno();
}

// The end by a WM_QUIT from anyone, and by the close request of an installer (the session-end
// messages with ENDSESSION_CLOSEAPP): the program ends cleanly, its icon gone, its schedule kept.
TEST_F(Program_e2e, KonecZvenkuUlozi) {
  const std::string parametr = "/restart" + ZaMinut(30);
  for (const bool relace : {false, true}) {
    Program program(Utf16(parametr));
    HWND okno = nullptr;
    ASSERT_TRUE(Dockej([&] { return (okno = program.Okno(L"frmkzupozorneni")) != nullptr; }, 5s));
    NOTIFYICONDATAW ikona{};
    ikona.cbSize = sizeof ikona;
    ikona.hWnd = okno;
    ikona.uID = 1;
    ikona.uFlags = NIF_TIP;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &ikona)) << "the icon is there";
    if (relace) {
      EXPECT_TRUE(SendMessageW(okno, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP));
      SendMessageW(okno, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    } else {
      PostThreadMessageW(program.Vlakno(), WM_QUIT, 0, 0);
    }
    ASSERT_TRUE(program.Skoncil(5000)) << relace;
    EXPECT_EQ(program.KodUkonceni(), 0u) << relace;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &ikona)) << relace;
    EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr) << relace;
    EXPECT_TRUE(HodnotaAutostartu(KlicRun).has_value()) << relace;
    Uklid();
  }
}
