// Faults from outside, against the real vypnuti.exe in dry-run mode: a damaged stored string, the
// notification area going and coming back, the process killed in the middle of a countdown.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/kodovani.h"
#include "program_e2e.h"
#include "ui/navrh_oken.h"

namespace {

// The program's tray icon, as the notification area knows it (its window and identifier 1).
NOTIFYICONDATAW Ikona(const Program& program) {
  NOTIFYICONDATAW ikona{};
  ikona.cbSize = sizeof ikona;
  ikona.hWnd = program.Okno(L"frmkzupozorneni");
  ikona.uID = 1;
  ikona.uFlags = NIF_TIP;
  return ikona;
}

bool IkonaJe(const Program& program) {
  NOTIFYICONDATAW ikona = Ikona(program);
  return Shell_NotifyIconW(NIM_MODIFY, &ikona) != FALSE;
}

}  // namespace

// A stored string that does not parse goes with one box; the next start neither shows it nor has it.
TEST_F(Program_e2e, PoskozenyUlozenyRetezecZmiziJednou) {
  uloziste.ZapisParametr(UlozenyTvar("/vypnuti;t/99:99/"));
  {
    Program program(L"");
    HWND box = nullptr;
    ASSERT_TRUE(Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s));
    EXPECT_EQ(TextZpravy(box), L"Ulo\u017een\u00e9 nastaven\u00ed programu bylo po\u0161kozen\u00e9, a proto bylo "
                               L"odstran\u011bno.\r\nZadejte pros\u00edm nastaven\u00ed znovu.");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 5s)) << "then nothing armed: the window";
    EXPECT_EQ(uloziste.CtiParametr(), "");
    EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
  }
  Program znovu(L"");
  ASSERT_TRUE(Dockej([&] { return znovu.Hlavni() != nullptr; }, 5s));
  EXPECT_EQ(znovu.Dialog(), nullptr);
}

// Any program may announce a new taskbar; and a notification area that went and came back gets the
// icon again.
TEST_F(Program_e2e, IkonaSeVratiSOblastiOznameni) {
  Program program(L"/vypnuti;t/30/");
  ASSERT_TRUE(Dockej([&] { return program.Okno(L"frmkzupozorneni") != nullptr && IkonaJe(program); }, 5s));
  const UINT novaLista = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageW(program.Okno(L"frmkzupozorneni"), novaLista, 0, 0);
  EXPECT_TRUE(IkonaJe(program)) << "announced while it was there";

  NOTIFYICONDATAW ikona = Ikona(program);
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &ikona));  // the area went, and the icon with it
  EXPECT_FALSE(IkonaJe(program));
  SendMessageW(program.Okno(L"frmkzupozorneni"), novaLista, 0, 0);
  EXPECT_TRUE(IkonaJe(program)) << "back with the area";
}

// Killed in the middle of its countdown, the program leaves what brings the schedule back.
TEST_F(Program_e2e, ZabityUprostredOdpoctuSeVrati) {
  const std::string parametr = "/vypnuti" + ZaMinut(1);
  {
    Program program(Utf16(parametr));
    ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
    TerminateProcess(program.Proces(), 1);
    ASSERT_TRUE(program.Skoncil(5000));
  }
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr);
  ASSERT_TRUE(HodnotaAutostartu(KlicRun).has_value());
  Program znovu(L"");
  EXPECT_TRUE(Dockej([&] { return znovu.UpozorneniViditelne(); }, 5s)) << "armed again: the warning is due";
}

// Alt+F4 or the system menu on a countdown that forbids cancelling neither ends the program nor stops
// the action; a close request from outside (an installer) still ends it.
TEST_F(Program_e2e, AltF4NeukonciOdpocetBezStorna) {
  Program program(L"/vypnuti;zs;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  EXPECT_FALSE(IsWindowEnabled(program.Storno()));
  EXPECT_EQ(Text(program.Storno()), L"S T O R N O");
  EXPECT_FALSE(IkonaJe(program));
  PostMessageW(program.Okno(L"frmkzupozorneni"), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(program.Skoncil(1000));
  EXPECT_TRUE(program.UpozorneniViditelne());
  EXPECT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 65s));  // the warning's whole minute
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0x80040001"});
}

// A ";zs" countdown took the icon away and forbids cancelling: "Změnit" and "S" in the main window,
// open before the warning, do not stop it either. The restart comes at the end of its minute.
TEST_F(Program_e2e, ZakazStornaPlatiIVHlavnimOkne) {
  Program program(L"/restart;zs;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));  // the main window was open before the warning
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 3s));
  EXPECT_FALSE(IkonaJe(program));
  Klikni(GetDlgItem(program.Hlavni(), IdOvladace(Ovladac::tlHNastaveniZ)));
  Klikni(GetDlgItem(program.Hlavni(), IdOvladace(Ovladac::tlHNStop)));
  EXPECT_TRUE(program.UpozorneniViditelne());
  EXPECT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 65s));
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x00000046 0x80040001"});
}

// The system refuses the shut-down (here the dry run answers "access denied"): the program does not stay
// half-dead behind a ";zs" countdown that took its icon. The warning goes, the icon comes back, and the
// status bar of the window opened by it says what the system answered.
TEST_F(Program_e2e, OdmitnuteVypnutiVratiIkonu) {
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO_CHYBA", L"5");
  Program program(Utf16("/vypnuti;zs" + ZaMinut(1)));
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO_CHYBA", nullptr);
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  EXPECT_FALSE(IkonaJe(program));
  ASSERT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 65s));
  EXPECT_TRUE(Dockej([&] { return !program.UpozorneniViditelne() && IkonaJe(program); }, 3s));
  KlikNaIkonu(program.Okno(L"frmkzupozorneni"));
  ASSERT_TRUE(Dockej([&] { return program.Hlavni() != nullptr; }, 3s));
  EXPECT_TRUE(Dockej(
      [&] { return StavovyRadek(program).starts_with(L"Po\u010d\u00edta\u010d se nepoda\u0159ilo vypnout: "); }, 3s))
      << Utf8(StavovyRadek(program));
}
