// The real vypnuti.exe, started as a user or the autostart entry would start it, in dry-run mode:
// what the user sees (windows, texts, boxes), what is left in the registry, the recorded action; and
// faults from outside: a damaged stored string, the notification area going and coming back, the
// process killed in the middle of a countdown.
#include "program_e2e.h"

#include <functional>

// A countdown as the user meets it: the warning shows (or not), the user acts, and what is then seen;
// written as a script for Hraj, or where that cannot say it, as steps of its own.
struct Odpocet {
  const char* nazev;
  std::string argument;  // without a time of its own: the next minute's clock time, with its date
  const wchar_t* chyba;  // what the dry run answers the power call
  std::string ocekavano;  // after "warning | " or "no warning | ": the steps' line, or the script
  std::function<std::string(const Proces&, const std::string& argument)> krok = {};
};

const Odpocet Odpocty[] = {
    // STORNO is the warning's only way to cancel: a stray Escape must not stop a shut-down. The countdown's
    // last seconds come in both plural forms, and once carried out a one-off leaves nothing.
    {"OdpocetAVypnuti", "/vypnuti", nullptr,
     "storno?S_T_O_R_N_O esc cekej=1 upozorneni?shown odpocet?Vypnutí_za_5_vteřin. odpocet?Vypnutí_za_4_vteřiny. "
     "odpocet?Nashledanou zaznam?ExitWindowsEx_0x0000000D_0x80040001 zbytek?''"},
    // STORNO cancels: past the moment of the action nothing happened and the program waits idle in the
    // tray; closed afterwards, the cancelled one-off schedule is forgotten.
    {"StornoNechaProgramBezetNaprazdno", "/restart;t/1/", nullptr,
     "storno upozorneni?hidden cekej=62 zaznam? bezi?yes upozorneni?hidden zavri zbytek?''"},
    {"SkryteStornoNeukazeNicAPresVypne", "/vypnuti;ss;t/1/", nullptr,
     "no warning | unseen | " + std::string(Vypnuto) + "Nashledanou",
     [](const Proces& program, const std::string&) {
       bool videt = false;
       Dockej([&] { return videt |= program.UpozorneniViditelne(), !Zaznam().empty(); }, 65s);
       return (videt ? "seen | " : "unseen | ") + Zaznam() + Utf8(program.Odpocet());
     }},
    // Alt+F4 or the system menu on a countdown that forbids cancelling neither ends the program nor stops
    // the action; a close request from outside (an installer) still ends it.
    {"AltF4NeukonciOdpocetBezStorna", "/vypnuti;zs;t/1/", nullptr,
     "storno?S_T_O_R_N_O_(disabled) ikona?no altf4 cekej=1 bezi?yes upozorneni?shown "
     "zaznam?ExitWindowsEx_0x0000000D_0x80040001"},
    // A ";zs" countdown took the icon away and forbids cancelling: "Změnit" and "S" in the main window,
    // open before the warning, do not stop it either. The restart comes at the end of its minute.
    {"ZakazStornaPlatiIVHlavnimOkne", "/restart;zs;t/1/", nullptr,
     "ikona lblHN?Restartování_* ikona?no tlHNastaveniZ tlHNStop upozorneni?shown "
     "zaznam?ExitWindowsEx_0x00000046_0x80040001"},
    // The system refuses the shut-down (here the dry run answers "access denied"): the program does not
    // stay half-dead behind a ";zs" countdown that took its icon. The warning goes, the icon comes back,
    // and the status bar of the window opened by it says what the system answered.
    {"OdmitnuteVypnutiVratiIkonu", "/vypnuti;zs", L"5",
     "ikona?no zaznam?ExitWindowsEx_0x0000000D_0x80040001 upozorneni?hidden ikona?yes ikona "
     "stav?Počítač_se_nepodařilo_vypnout:_*"},
    // Killed in the middle of its countdown, the program leaves what brings the schedule back.
    {"ZabityUprostredOdpoctuSeVrati", "/vypnuti", nullptr, "warning | killed | kept | warning again",
     [](const Proces& program, const std::string& argument) {
       TerminateProcess(program.handle, 1);
       std::string radek = program.Skoncil(5000) ? "killed | " : "alive | ";
       radek += Zbytek() == "'" + argument + "' Run" ? "kept | " : Zbytek() + " | ";
       const Proces znovu(L"");
       return radek + (DOCKEJ(5s, znovu.UpozorneniViditelne()) ? "warning again" : "nothing");
     }},
};

void PrintTo(const Odpocet& radek, std::ostream* vystup) { *vystup << radek.nazev; }

class Odpocet_e2e : public Program_e2e, public ::testing::WithParamInterface<Odpocet> {};

TEST_P(Odpocet_e2e, Radek) {
  const Odpocet& p = GetParam();
  const std::string argument = p.argument + (p.argument.find("t/") == std::string::npos ? ZaMinut(1) : "");
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO_CHYBA", p.chyba);
  Proces program(Utf16(argument));
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO_CHYBA", nullptr);
  const std::string varovani = DOCKEJ(5s, program.UpozorneniViditelne()) ? "warning | " : "no warning | ";
  const std::string videno = p.krok ? p.krok(program, argument) : Hraj(program, p.ocekavano).message();
  EXPECT_EQ(varovani + videno, p.krok ? p.ocekavano : "warning | ") << argument << " " << p.ocekavano;
}
INSTANTIATE_TEST_SUITE_P(Program_e2e, Odpocet_e2e, ::testing::ValuesIn(Odpocty),
                         [](const auto& radek) { return std::string(radek.param.nazev); });

// A line the user typed wins over the stored schedule, as when the program runs; the autostart entry
// then holds the program's path and the marker that says "take the store" (a password's characters
// never reach a command line). An armed schedule outlives the program's exit.
TEST_F(Program_e2e, NapsanyRadekVyhrajeNadUlozenym) {
  UlozisteWin().ZapisParametr(UlozenyTvar("/restart" + ZaMinut(30)));
  const std::string napsany = "/vypnuti;h/\u00a7\u00b0/" + ZaMinut(120);
  Proces program(Utf16(napsany));
  EXPECT_TRUE(Hraj(program, "ulozeny?" + napsany));
  EXPECT_EQ(Hodnota(KlicRun), L"\"" + VedleTestu(L"vypnuti.exe").wstring() + L"\" " + Utf16(UlozenyTvar("")));
  EXPECT_TRUE(Hraj(program, "zavri ulozeny?" + napsany));
}

// Switched off in Startup apps, the program writes no RunOnce (which that switch does not govern) and
// says that no restart will bring the schedule back.
TEST_F(Program_e2e, VypnutyAutostartBezRunOnce) {
  constexpr wchar_t Schvaleni[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
  const BYTE vypnuto[12] = {3};
  RegSetKeyValueW(HKEY_CURRENT_USER, Schvaleni, L"ZDKZ", REG_BINARY, vypnuto, sizeof vypnuto);
  const std::string parametr = "/restart" + ZaMinut(120);
  Proces program(Utf16(parametr));
  EXPECT_TRUE(Hraj(program, "zbytek?'" + parametr +
                                "'_Run ikona stav?Automatické_spuštění_je_vypnuté_ve_Správci_úloh:_"
                                "po_restartu_se_akce_nenaplánuje."));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, Schvaleni, L"ZDKZ");
}

// Given once with ";kd", an action without a time would come back at every log-on: it must run and
// leave the store and the autostart entries alone. The sleep it runs is a sleep, not a hibernation:
// Wine's machine reports S1 (and S4 with a hibernation file).
TEST_F(Program_e2e, AkceHnedSeNeulozi) {
  EXPECT_TRUE(Hraj(Proces(L"/spanek;kd"), "zaznam?SetSuspendState_0_0_0 zbytek?'' zavri zbytek?''"));
}

// The end by a WM_QUIT from anyone, and by the close request of an installer (the session-end
// messages with ENDSESSION_CLOSEAPP): the program ends cleanly, its icon gone, its schedule kept.
// Before that, any program may announce a new taskbar; and a notification area that went and came
// back gets the icon again.
TEST_F(Program_e2e, KonecZvenkuUlozi) {
  const std::string parametr = "/restart" + ZaMinut(30);
  for (const bool relace : {false, true}) {
    Proces program(Utf16(parametr));
    ASSERT_TRUE(DOCKEJ(5s, IkonaJe(program.Upozorneni())));
    EXPECT_TRUE(Hraj(program, "lista ikona?yes bezikony ikona?no lista ikona?yes"));
    HWND okno = program.Upozorneni();
    EXPECT_TRUE(!relace || SendMessageW(okno, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP));
    relace ? SendMessageW(okno, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP)
           : PostThreadMessageW(program.vlakno, WM_QUIT, 0, 0);
    const int kod = program.Kod(5000);  // first: the readings after it are of the ended program
    EXPECT_EQ(std::to_string(kod) + (IkonaJe(okno) ? " icon " : " ") + Zbytek(), "0 '" + parametr + "' Run") << relace;
    Uklid(SouborNanecisto().c_str());
  }
}

// A stored string that does not parse goes with one box; the next start neither shows it nor has it.
TEST_F(Program_e2e, PoskozenyUlozenyRetezecZmiziJednou) {
  UlozisteWin().ZapisParametr(UlozenyTvar("/vypnuti;t/99:99/"));
  // Each program is closed at the end of its line. Then nothing armed: the window.
  EXPECT_TRUE(Hraj(Proces(L""),
                   "box?Uložené_nastavení_programu_bylo_poškozené,_a_proto_bylo_odstraněno.|Zadejte_"
                   "prosím_nastavení_znovu. OK tlHNastaveni?Nové zbytek?''"));
  EXPECT_TRUE(Hraj(Proces(L""), "tlHNastaveni?Nové box?"));
}

// A schedule that waits for a program to end: nothing happens while it runs; once it has ended the
// warning comes within seconds, and the shut-down a minute later.
TEST_F(Program_e2e, VypnutiPoSkonceniProgramu) {
  Proces notepad(L"notepad.exe", {});
  ASSERT_TRUE(notepad.Bezi());
  Proces program(L"/vypnuti;po/notepad.exe/");
  // Two checks and more; the computer is kept awake for the job meanwhile.
  EXPECT_TRUE(Hraj(program, "cekej=12 bezi?yes upozorneni?hidden zaznam? bdelost?SetThreadExecutionState_0x80000001"));
  TerminateProcess(notepad.handle, 0);
  EXPECT_TRUE(DOCKEJ(15s, program.UpozorneniViditelne())) << "the warning within two checks";
  EXPECT_TRUE(Hraj(program, "zaznam?ExitWindowsEx_0x0000000D_0x80040001"));
}

// A schedule for working days under a clock faked from outside (faketime, as CTest runs it): on a
// Saturday its minute passes with no warning, on a Monday it warns and shuts down.
TEST_F(Program_e2e, PracovniDnyPodleFalesnychHodin) {
  if (!std::getenv("FAKETIME")) GTEST_SKIP() << "runs only with the clock faked from outside";
  SYSTEMTIME ted;
  GetLocalTime(&ted);
  ASSERT_TRUE(ted.wDayOfWeek == 6 || ted.wDayOfWeek == 1) << "the faked day is a Saturday or a Monday";
  ASSERT_LT(ted.wHour * 60 + ted.wMinute, 23 * 60 + 58) << "the minute after next is still today";
  // The minute after next: its warning starts at the next full minute, seconds from now.
  const std::string cas = ZaMinut(2), parametr = "/vypnuti;dny/po-pa/" + cas.substr(0, cas.find(";d/"));
  Proces program(Utf16(parametr));
  ASSERT_TRUE(DOCKEJ(10s, program.Upozorneni()));
  EXPECT_EQ(Ulozeny(), parametr) << "armed and stored";
  if (ted.wDayOfWeek == 6) {
    const auto doKonce = std::chrono::seconds(120 - ted.wSecond + 5);
    EXPECT_FALSE(DOCKEJ(doKonce, program.UpozorneniViditelne() || !Zaznam().empty())) << "nothing on a Saturday";
    EXPECT_TRUE(program.Bezi()) << "still waiting for Monday";
  } else {
    EXPECT_TRUE(DOCKEJ(70s, program.UpozorneniViditelne())) << "the warning minute";
    EXPECT_EQ(DockejZaznam(70s), Vypnuto);
  }
}

// "Odložit o 10 minut" in a real countdown: the warning goes, the tooltip (in the status bar of the window
// the icon opens) says 10 minutes, the store keeps the schedule as given, and no action comes within 70 s.
// A right click on the icon brings the system's menu, and its "Stornovat" cancels, for the next log-on too.
// Hibernation given at once is the suspend call with hibernation asked for.
TEST_F(Program_e2e, OdlozitNabidkaIkonyAHibernace) {
  const std::string parametr = "/vypnuti" + ZaMinut(1);
  Proces program(Utf16(parametr));
  EXPECT_TRUE(
      Hraj(program, "upozorneni?shown odloz upozorneni?hidden ikona stav?POSUNUTÍ_-_Vypnutí_za_10_minut. ulozeny?" +
                        parametr + " cekej=70 zaznam? nabidka nabidka=s ulozeny? zbytek?''"));
  EXPECT_TRUE(Hraj(Proces(L"/hibernace"), "zaznam?SetSuspendState_1_0_0"));
}
