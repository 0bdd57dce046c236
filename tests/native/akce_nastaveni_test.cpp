#include "falesny_svet.h"

// A row: the code carried out, the schedule's action, the Windows platform and version, ";kv".
TEST(ProvedAkci, PodleAkceAVerzeWindows) {
  // clang-format off
  Tabulka({{"0 0 2 8 0", "privilegium"}, {"0 0 1 2 0", ""} /* the privilege only on the NT family */,
           // The timer comes back after the call: a session that goes on is noticed.
           {"0 1 2 8 0", "privilegium, KillTimer, ExitWindowsEx 0x0000000D 0x80040001, SetTimer"},
           {"2 1 2 8 0", "privilegium, KillTimer, ExitWindowsEx 0x00000006 0x80040001, SetTimer"},
           {"2 1 2 10 0", "privilegium, KillTimer, ExitWindowsEx 0x00000046 0x80040001, SetTimer"},  // Vista
           {"3 0 2 8 0", "privilegium, KillTimer, ExitWindowsEx 0x00000004 0x80040001, SetTimer"},
           {"3 0 1 2 0", "KillTimer, TerminateProcess progman, ExitWindowsEx 0x00000004 0x80040001, SetTimer"},
           {"0 1 2 8 1", "privilegium, KillTimer, ZavriProgramy, ExitWindowsEx 0x0000000D 0x80040001, SetTimer"},
           // A tool button closes the programs as the schedule in force says.
           {"2 1 2 8 1", "privilegium, KillTimer, ZavriProgramy, ExitWindowsEx 0x00000006 0x80040001, SetTimer"},
           {"4 0 2 7 0", "privilegium"} /* no sleep on Windows 2000 */,
           {"5 0 2 6 0", "privilegium"} /* no lock before Windows 2000 */, {"7 0 2 8 0", "privilegium"},
           {"4 0 1 2 0", "schovej, tip Spuštěné uspání dokončeno., SetSuspendState 1 0 0"},
           {"5 0 2 7 0", "privilegium, schovej, tip Spuštěné uzamčení dokončeno., LockWorkStation"},
           {"6 0 2 8 0", "privilegium, schovej, tip Spuštěná hibernace dokončena., SetSuspendState 1 0 0"}},
          // clang-format on
          [](const std::string& radek) {
            FalesnySvet svet;
            int kod, akce, kontrolovane;
            std::istringstream(radek) >> kod >> akce >> svet.win_platform >> svet.win_version >> kontrolovane;
            stav.Akce = akce, stav.KontrolovaneVypnuti = kontrolovane;
            ProvedAkci(kod);
            return Spoj(svet.Log());
          });
}

// "Spánek" sleeps and never hibernates unasked: the old releases keep their call, where it meant
// sleep; the others choose by what the machine has, and one with neither says so. Hibernation is asked
// for by its own action, and only where it is switched on. The program and its schedule stay; a button's
// hint in the main window goes. A row: the action, the version, sleep, standby, hibernation.
TEST(ProvedAkci, SpanekPodleSchopnostiPocitace) {
  // XP whatever it reports, Server 2003; Vista and later with a sleep state, a sleep state first; Modern Standby.
  // clang-format off
  Tabulka({{"4 8 0 0 0", "SetSuspendState 1 0 0"}, {"4 9 1 0 0", "SetSuspendState 1 0 0"},
           {"4 10 1 0 1", "SetSuspendState 0 0 0"}, {"4 11 1 1 1", "SetSuspendState 0 0 0"},
           {"4 11 0 1 1", "SC_MONITORPOWER 2"}, {"6 11 0 1 1", "SetSuspendState 1 0 0"},
           {"4 11 0 0 1", "sb 32515 Spánek neproběhl: tento počítač teď neumí přejít do spánku. hint"},
           {"6 11 1 0 0", "sb 32515 Hibernace neproběhla: hibernace je v tomto počítači vypnutá. hint"}},
          // clang-format on
          [](const std::string& radek) {
            FalesnySvet svet;
            int akce;
            std::istringstream(radek) >> akce >> svet.win_version >> svet.schopnosti.spanek >>
                svet.schopnosti.modernStandby >> svet.schopnosti.hibernace;
            stav.Neaktivni = 0, stav.HlavniOtevreno = 1, svet.hint = true;
            ProvedAkci(static_cast<std::uint8_t>(akce));
            return svet.Log().back() + (svet.hint ? " hint" : "") + (stav.Neaktivni ? " zrušeno" : "");
          });
}

// The structure's bytes: S1, S2 or S3 is a sleep state, hibernation (S4) is none, AoAc at byte 20 is
// Modern Standby; hibernation needs S4 and its file (byte 8); a structure too short to hold it tells
// nothing. A row: the bytes set, the length.
TEST(SchopnostiSpanku, ZBajtuStruktury) {
  const std::pair<std::vector<int>, std::size_t> pripady[] = {{{3}, 76},    {{4}, 76},    {{5}, 76},   {{6}, 76},
                                                              {{20}, 76},   {{19}, 76},   {{21}, 76},  {{3}, 20},
                                                              {{6, 8}, 76}, {{7, 8}, 76}, {{6, 8}, 20}};
  std::string schopnosti;
  for (const auto& [zapnute, delka] : pripady) {
    std::vector<std::uint8_t> bajty(delka);
    for (const int bajt : zapnute) bajty[static_cast<std::size_t>(bajt)] = 1;
    const SchopnostiSpanku s = SchopnostiZBajtu(bajty);
    schopnosti += std::string(s.spanek ? " S" : " -") + (s.modernStandby ? "M" : "-") + (s.hibernace ? "H" : "-");
  }
  EXPECT_EQ(schopnosti, " S-- S-- S-- --- -M- --- --- --- --H --- ---");
}

// An action given without a time, even with ";kd", must never be registered for the next log-on: the
// computer would shut down again at every log-on. The store keeps what it held before, then and at exit.
// A row: the schedule in force before (empty: none), and the action.
TEST(AkceHned, NechaUlozisteJakBylo) {
  // clang-format off
  for (const auto& [predtim, text] : std::initializer_list<std::pair<const char*, const char*>>{
           {"", "/vypnuti;kd"}, {"", "/restart;kd;kv"}, {"", "/spanek;kd"}, {"/vypnuti;t/23:00/", "/restart"},
           {"/vypnuti;kd;t/23:00/", "/zamceni"}}) {
    // clang-format on
    FalesnySvet svet;
    stav.CasSpusteni = svet.hodiny.ted;
    EXPECT_TRUE(!*predtim || RozeberParametr(predtim, false, false));
    const auto ulozeno = [&] { return svet.ulozeny_parametr + " | " + svet.run + " | " + svet.run_once; };
    const std::string pred = ulozeno();
    EXPECT_FALSE(RozeberParametr(text, false, false)) << text;
    for (int exit = 0; exit < 2; ++exit) {
      EXPECT_EQ(ulozeno(), pred) << text << exit;
      stav.Neaktivni = !*predtim;  // as start-up leaves it
      Casovac(false);              // the program's exit
    }
  }
  // "Spánek" on a computer that can neither sleep nor stand by is refused with its reason.
  FalesnySvet svet;
  svet.Arm("/restart;t/23:00/", V(10, 0), false);
  svet.schopnosti = {.spanek = false, .modernStandby = false, .hibernace = false};
  svet.meri_sit = false;  // XP: no network counters
  for (const char* text : {"/spanek;t/23:30/", "/spanek", "/vypnuti;t/23:30/;klid/15/", "/hibernace;t/23:30/"}) {
    EXPECT_FALSE(RozeberParametr(text, false, false)) << text;
    EXPECT_EQ(
        svet.dialogy.Texty().back() + " | " + stav.Parametr + Spoj(svet.log),
        (text[1] == 's'   ? "Tento počítač neumí přejít do spánku."s
         : text[1] == 'h' ? "Hibernace je v tomto počítači vypnutá."s
                          : "Klid počítače (;klid) tento systém neumí změřit. Potřebuje Windows Vista nebo novější.") +
            " | /restart;t/23:00/");
  }
}

// 4 December 2026, 10:00: the schedule armed for 10:01, its warning at once, ticked to the end of the
// countdown. The power call made, the tooltip, what is armed then and the warning's note ("-": none); then
// whether a balloon said the tooltip, the icon is gone or the timer is off.
static std::string AkceV1001(FalesnySvet& svet, const std::string& parametr) {
  svet.hodiny.ted = stav.CasSpusteni = V(10, 0);
  EXPECT_TRUE(RozeberParametr(parametr, true, false)) << parametr;
  Casovac(true);
  bool varovani = false;
  for (int s = 0; s < 70 && !(varovani && stav.UpozorneniBezi == 0); ++s) {
    svet.TikejV(svet.hodiny.ted + 1s);
    varovani |= stav.UpozorneniBezi == 1;
  }
  std::string volani = "nic", poznamka = "-";
  for (const auto& r : svet.log) {
    for (const char* v : {"ExitWindowsEx", "SetSuspendState", "LockWorkStation"})
      if (r.starts_with(v)) volani = v;
    if (r.starts_with("ukaz storno")) poznamka = r.size() > 11 ? r.substr(14) : "-";
  }
  return volani + " | " + svet.tip + " | " + Cil() + " | " + poznamka +
         (std::ranges::count(svet.log, "bublina " + svet.tip) ? " bublina" : "") +
         (svet.ikona_pryc ? " ikona pryč" : "") + (stav.CasovacID ? "" : " bez časovače");
}

// While the programs are closed, the program's other ways in do not start a second action; with ";zs"
// neither ending the program nor a new schedule stops the one under way. The status bar says so: a box
// would hold the closing.
TEST(Akce, BehemZaviraniJenJednaAkce) {
  enum Co { Tlacitko, Ukoncit, Aktivace, AktivaceHned };
  const std::tuple<const char*, Co, const char*, const char*> pripady[] = {
      {"/vypnuti;kv;t/10:01/", Tlacitko, "Akce už probíhá.", ""},
      {"/vypnuti;zs;kv;t/10:01/", Ukoncit, "Akci už nelze stornovat.", ""},
      {"/vypnuti;zs;kv;t/10:01/", Aktivace, "Akci už nelze stornovat.", ""},
      {"/vypnuti;kv;t/10:01/", AktivaceHned, "Akce už probíhá.",
       "Opravdu chcete hned restartovat počítač? Neuložená práce v otevřených programech se ztratí."},
  };
  for (const auto& [parametr, co, odmitnuti, otazka] : pripady) {
    FalesnySvet svet;
    Formular f;
    NactiHlavniOkno(f, "");
    svet.priZavirani = [&, co = co] {     // a binding is captured by name (clang)
      if (co == Tlacitko) tlKZ_Click(1);  // "Restart": not even its question
      if (co == Ukoncit) tlHZavrit_Click();
      if (co == Aktivace || co == AktivaceHned) {  // a restart at 20:00, or at once
        tlHNastaveni_Click(f);
        VyberVolbu(f, 2);
        if (co == Aktivace) f[Ovladac::txtHNCas].text = "20:00";
        if (co == AktivaceHned) NastavZaskrtnuti(f, 3, 1);
        tlHNAktivace_Click(f);
      }
    };
    AkceV1001(svet, parametr);
    EXPECT_EQ(
        Spoj(svet.Log({"SetTimer", "KillTimer", "tip", "hodiny", "lblUC", "ukaz", "ikona", "sb 32515 Vypnutí za",
                       "sb 32515 Nashledanou"})) +
            " | " + Spoj(svet.dialogy.Texty()),
        "privilegium, ZavriProgramy, sb 32515 "s + odmitnuti + ", ExitWindowsEx 0x0000000D 0x80040001 | " + otazka)
        << co;
  }
  // Woken from a long sleep that came while the programs were being closed, the computer is not shut down
  // unannounced: the schedule's moment counts as missed.
  FalesnySvet svet;
  svet.priZavirani = [&] { svet.Spi(60min); };
  EXPECT_EQ(AkceV1001(svet, "/vypnuti;kv;t/10:01/"), "nic | Vypnutí počítače | - | -");
}

// A call the system refuses (no privilege on a school's computer, a sleep the drivers refuse) leaves the
// program alive: the warning gone, the icon back, the timer on, a daily schedule armed for its next day,
// and the system's words in a balloon.
TEST(Akce, SelhaniNechaProgramZit) {
  Tabulka(
      {{"/vypnuti;zs;t/10:01/", "ExitWindowsEx | Počítač se nepodařilo vypnout: Přístup byl odepřen. | - | - bublina"},
       {"/restart;kd;t/10:01/",
        "ExitWindowsEx | Počítač se nepodařilo restartovat: Přístup byl odepřen. | 5.12.2026 10:01:00 | - bublina"},
       {"/spanek;t/10:01/", "SetSuspendState | Počítač se nepodařilo uspat: Přístup byl odepřen. | - | - bublina"}},
      [](const std::string& parametr) {
        FalesnySvet svet;
        svet.selhani = "Přístup byl odepřen.";
        return AkceV1001(svet, parametr);
      });
}

// Another user at the computer, the program's own session in the background: a shut-down, restart or
// sleep does not happen (a daily one waits for its next day); a lock or log-off touches only the own
// session. With the own session at the screen and others only signed in, the warning names them and
// the action goes ahead.
TEST(Akce, PraceJinychUzivatelu) {
  const PrihlaseniUzivatelu jinde{.vlastni_aktivni = false, .jina_aktivni = true, .jini = {"Petr"}};
  const PrihlaseniUzivatelu prihlaseni{.vlastni_aktivni = true, .jina_aktivni = false, .jini = {"Petr", "Jana"}};
  const std::tuple<const char*, PrihlaseniUzivatelu, std::string> pripady[] = {
      {"/vypnuti;t/10:01/", jinde,
       "nic | Vypnutí neproběhlo: u počítače pracoval jiný uživatel. | - | Přihlášen je i uživatel Petr; jeho "
       "neuložená práce se ztratí. bublina"},
      {"/restart;kd;t/10:01/", jinde,
       "nic | Restartování neproběhlo: u počítače pracoval jiný uživatel. | 5.12.2026 10:01:00 | Přihlášen je i "
       "uživatel Petr; jeho neuložená práce se ztratí. bublina"},
      {"/spanek;t/10:01/", jinde, "nic | Spánek neproběhl: u počítače pracoval jiný uživatel. | - | - bublina"},
      {"/zamceni;t/10:01/", jinde, "LockWorkStation | Spuštěné uzamčení dokončeno. | - | -"},
      {"/vypnuti;t/10:01/", prihlaseni,
       "ExitWindowsEx | Nashledanou | - | Přihlášeni jsou i uživatelé Petr a Jana; jejich neuložená práce se ztratí."},
      {"/spanek;t/10:01/", prihlaseni, "SetSuspendState | Spuštěné uspání dokončeno. | - | -"},
  };
  for (const auto& [parametr, kdo, vysledek] : pripady) {
    FalesnySvet svet;
    svet.prihlaseni = kdo;
    EXPECT_EQ(AkceV1001(svet, parametr), vysledek);
  }
}

// Forgetting takes the autostart values before the store, so that a store that cannot be cleared has
// nothing to start it again; RunOnce follows the user's switch in Startup apps, and a schedule armed
// while it is off says once that no restart will bring it back.
TEST(UlozNastaveni, PoradiAVypinacAutostartu) {
  struct Poradi final : Uloziste {
    std::vector<std::string> log;
    std::string CtiParametr() override { return {}; }
    void ZapisParametr(std::string_view t) override { log.push_back(t.empty() ? "smaz parametr" : "parametr"); }
    std::string CtiVyrizeno() override { return {}; }
    std::string CtiVyrizenoSpravce() override { return {}; }
    void ZapisVyrizenoSpravce(std::string_view) override {}
    void ZapisVyrizeno(std::string_view) override {}
    void NastavAutostart(Autostart k, std::string_view) override {
      log.push_back(k == Autostart::Run ? "run" : "runonce");
    }
    void SmazAutostart(Autostart k) override { log.push_back(k == Autostart::Run ? "smaz run" : "smaz runonce"); }
    bool AutostartPovolen() override { return false; }
    std::string CestaProgramu() override { return "C:\\vypnuti.exe"; }
  };
  FalesnySvet svet;
  Poradi uloziste;
  Pripojeni<Uloziste> pripojeni(uloziste);
  ASSERT_TRUE(RozeberParametr("/vypnuti;kd;t/22:00/", true, false));
  EXPECT_EQ(TipPoAktivaci(), "Automatické spuštění je vypnuté ve Správci úloh: po restartu se akce nenaplánuje.");
  EXPECT_EQ(TipPoAktivaci(), "Vypnutí za 12 hodin.") << "said once";
  ZrusPlan();
  EXPECT_EQ(Spoj(uloziste.log), "parametr, smaz runonce, run, smaz runonce, smaz run, smaz parametr");
}
