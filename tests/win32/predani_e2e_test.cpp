// The command line reaches the running vypnuti.exe: a second start hands over a schedule, cancels it,
// asks for it or opens the main window, and ends with the running program's answer as its exit code.
#include "app/predani_win.h"
#include "program/predani.h"
#include "program_e2e.h"

// A start from a script: its exit code, and its output when asked.
std::string Skript(const std::wstring& argument, bool vystup = false) {
  Proces druhy(argument, VedleTestu(L"vypnuti.exe"), true);
  return std::to_string(druhy.Kod()) + (vystup ? " " + druhy.Vystup() : "");
}

using Predani_e2e = Program_e2e;

TEST_F(Predani_e2e, PredaniStavStornoAOkno) {
  EXPECT_EQ(Skript(L"/stav", true), "1 Program neběží.\r\n");
  Proces prvni(Utf16("/vypnuti" + ZaMinut(300)));
  ASSERT_TRUE(DOCKEJ(5s, prvni.Upozorneni()));

  const std::string restart = "/restart" + ZaMinut(200);
  EXPECT_EQ(Skript(Utf16(restart)), "0");
  EXPECT_EQ(Zbytek(), "'" + restart + "' Run");
  EXPECT_TRUE(Hodnota(KlicRun).value_or(L"").ends_with(L"\" " + Utf16(UlozenyTvar(""))));
  EXPECT_TRUE(Skript(L"/stav", true).starts_with("0 Restartování za 3 hodiny a ")) << Skript(L"/stav", true);
  // Started with nothing, as the Start menu's shortcut: the main window, with the tray's sentence.
  EXPECT_EQ(Skript(L""), "0");
  ASSERT_TRUE(DOCKEJ(5s, prvni.Hlavni()));
  EXPECT_TRUE(Hraj(prvni, "stav?Restartování_za_3_hodiny_a_*"));

  // A text over the size limit changes nothing and shows nothing.
  EXPECT_EQ(Skript(L"/vypnuti;t/" + std::wstring(1100, L'1') + L"/"), "2");
  EXPECT_TRUE(Hraj(prvni, "zbytek?'" + restart + "'_Run_RunOnce box?"));

  EXPECT_EQ(Skript(L"/storno"), "0");
  EXPECT_TRUE(Hraj(prvni, "zbytek?'' stav?Restartování_bylo_stornováno."));
  EXPECT_EQ(Skript(L"/stav", true), "1 Nic není naplánováno.\r\n");
  EXPECT_EQ(Skript(L"/storno"), "1");
  EXPECT_TRUE(prvni.Bezi());
}

// The second start waits while the running program asks: its help box for a bad string, the
// password of the schedule in force. A wrong password changes nothing. While a box of the program is
// up (here the help for a bad string, past the password), another request is refused at once.
TEST_F(Predani_e2e, CekaNaBoxyAHeslo) {
  Proces prvni(Utf16("/vypnuti;h/tajne/" + ZaMinut(300)));
  ASSERT_TRUE(DOCKEJ(5s, prvni.Upozorneni()));
  const std::string ulozeny = "ulozeny?" + Ulozeny();
  const auto skript = [](const std::wstring& argument) { return Proces(argument, VedleTestu(L"vypnuti.exe"), true); };

  const Proces spatne = skript(L"/storno");
  EXPECT_TRUE(Hraj(prvni, "box?Vypnutí_počítače|Zadejte_heslo! heslo=spatne"));
  EXPECT_EQ(spatne.Kod(500), -1) << "it waits for the box that says the password is wrong";
  EXPECT_TRUE(Hraj(prvni, "box?Neplatné_heslo. OK " + ulozeny));
  EXPECT_EQ(spatne.Kod(), 2);

  const Proces chybny = skript(L"/foo");
  EXPECT_TRUE(Hraj(prvni, "heslo=tajne box?/foo*"));
  EXPECT_EQ(Skript(L"/storno"), "2");
  EXPECT_TRUE(Hraj(prvni, "OK " + ulozeny));
  EXPECT_EQ(chybny.Kod(), 2);

  const std::string restart = "/restart" + ZaMinut(200);
  const Proces spravne = skript(Utf16(restart));
  EXPECT_TRUE(Hraj(prvni, "heslo=tajne ulozeny?" + restart));
  EXPECT_EQ(spravne.Kod(), 0);
}

// A running program that has stopped taking its messages: the second start does not hang with it.
TEST_F(Predani_e2e, ZaseknutyProgramNeodpovida) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\ZD-ZDKZ-vypnuti");
  std::thread zaseknuty([] {
    WNDCLASSW trida{};
    trida.lpfnWndProc = DefWindowProcW, trida.hInstance = GetModuleHandleW(nullptr);
    trida.lpszClassName = L"frmkzupozorneni";
    RegisterClassW(&trida);
    HWND okno =
        CreateWindowW(trida.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, trida.hInstance, nullptr);
    std::this_thread::sleep_for(9s);  // no message taken: the system counts it hung after 5 s
    DestroyWindow(okno);
  });
  std::this_thread::sleep_for(6s);
  EXPECT_EQ(Proces(L"/stav", VedleTestu(L"vypnuti.exe"), true).Kod(2000), 3);
  zaseknuty.join();
  CloseHandle(mutex);
}

// Only a whole text of the program's tag is taken from another process: a foreign or broken message
// is refused before anything reads it as a command.
TEST(PredaniWin, CiziNeboPoskozenaZpravaSeOdmitne) {
  constexpr ULONG_PTR Pokyn = ZnackaPokynu;
  std::wstring text = L"/storno", dlouhy(1025, L'x'), s_nulou(L"/storno\0x", 9), pulka_paru = L"/po/\xD800/";
  const auto data = [](ULONG_PTR z, std::wstring& t, std::size_t b) { return COPYDATASTRUCT{z, DWORD(b), t.data()}; };
  const std::map<std::string, COPYDATASTRUCT> pripady = {
      {"another tag", data(Pokyn + 7, text, text.size() * 2)},
      {"no data", {Pokyn, 0, nullptr}},
      {"half a character", data(Pokyn, text, text.size() * 2 - 1)},
      {"over 1,024 characters", data(Pokyn, dlouhy, dlouhy.size() * 2)},
      {"a null inside", data(Pokyn, s_nulou, s_nulou.size() * 2)},
      {"not UTF-16", data(Pokyn, pulka_paru, pulka_paru.size() * 2)},
  };
  for (const auto& [co, zprava] : pripady) EXPECT_EQ(PrijmiPredani(nullptr, zprava), kod::Odmitnuto) << co;
}
