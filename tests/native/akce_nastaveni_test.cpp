#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/spanek.h"
#include "falesny_svet.h"
#include "platform/napajeni.h"
#include "program/predani.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmena_planu.h"
#include "scheduler/zpravy_okna.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/hlavni_okno.h"

using ::testing::ElementsAre;

TEST(ProvedAkci, PodleAkceAVerzeWindows) {
  const struct {
    int kod, akce, platforma, verze, kontrolovane;
    std::vector<std::string> log;
  } pripady[] = {
      {0, 0, 2, 8, 0, {"privilegium"}},
      {0, 0, 1, 2, 0, {}},  // the privilege only on the NT family
      // The timer comes back after the call: a session that goes on is noticed.
      {0, 1, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x0000000D 0x80040001", "SetTimer"}},
      {2, 1, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000006 0x80040001", "SetTimer"}},
      {2, 1, 2, 10, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000046 0x80040001", "SetTimer"}},  // Vista
      {3, 0, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000004 0x80040001", "SetTimer"}},
      {3, 0, 1, 2, 0, {"KillTimer", "TerminateProcess progman", "ExitWindowsEx 0x00000004 0x80040001", "SetTimer"}},
      {0, 1, 2, 8, 1, {"privilegium", "KillTimer", "ZavriProgramy", "ExitWindowsEx 0x0000000D 0x80040001", "SetTimer"}},
      // A tool button closes the programs as the schedule in force says.
      {2, 1, 2, 8, 1, {"privilegium", "KillTimer", "ZavriProgramy", "ExitWindowsEx 0x00000006 0x80040001", "SetTimer"}},
      {4, 0, 2, 7, 0, {"privilegium"}},  // no sleep on Windows 2000
      {4, 0, 1, 2, 0, {"schovej", "tip Spuštěné uspání dokončeno.", "SetSuspendState 1 0 0"}},
      {5, 0, 2, 6, 0, {"privilegium"}},  // no lock before Windows 2000
      {5, 0, 2, 7, 0, {"privilegium", "schovej", "tip Spuštěné uzamčení dokončeno.", "LockWorkStation"}},
      {6, 0, 2, 8, 0, {"privilegium"}},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.win_platform = p.platforma;
    svet.win_version = p.verze;
    stav.Akce = static_cast<std::uint8_t>(p.akce);
    stav.KontrolovaneVypnuti = static_cast<std::uint8_t>(p.kontrolovane);
    ProvedAkci(static_cast<std::uint8_t>(p.kod));
    EXPECT_EQ(svet.Log(), p.log) << p.kod << "/" << p.akce << " on " << p.platforma << "." << p.verze;
  }
}

// "Spánek" sleeps and never hibernates unasked: the old releases keep their call, where it meant
// sleep; the others choose by what the machine has, and one with neither says so. The program and
// its schedule stay; a button's hint in the main window goes.
TEST(ProvedAkci, SpanekPodleSchopnostiPocitace) {
  const struct {
    int verze;
    bool spanek, standby;
    const char* volani;
  } pripady[] = {
      {8, false, false, "SetSuspendState 1 0 0"},  // XP, whatever it reports
      {9, true, false, "SetSuspendState 1 0 0"},   // Server 2003
      {10, true, false, "SetSuspendState 0 0 0"},  // Vista and later with a sleep state
      {11, true, true, "SetSuspendState 0 0 0"},   // a sleep state first
      {11, false, true, "SC_MONITORPOWER 2"},      // Modern Standby
      {11, false, false, nullptr},                 // neither: said, in the balloon last
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.schopnosti = {.spanek = p.spanek, .modernStandby = p.standby};
    svet.win_version = p.verze;
    stav.Neaktivni = 0;
    stav.HlavniOtevreno = 1;
    svet.hint = true;
    ProvedAkci(akce::Spanek);
    EXPECT_EQ(svet.Log().back(),
              p.volani ? p.volani : "sb 32515 Spánek neproběhl: tento počítač teď neumí přejít do spánku.")
        << p.verze << " " << p.spanek << p.standby;
    EXPECT_EQ(svet.hint, !p.volani) << p.verze;
    EXPECT_EQ(stav.Neaktivni, 0) << p.verze;
  }
}

// The structure's bytes: S1, S2 or S3 is a sleep state, hibernation (S4) is none, AoAc at byte 20 is
// Modern Standby; a structure too short to hold it tells nothing.
TEST(SchopnostiSpanku, ZBajtuStruktury) {
  const struct {
    std::size_t bajt, delka;
    bool spanek, standby;
  } pripady[] = {{3, 76, true, false},  {4, 76, true, false},   {5, 76, true, false},   {6, 76, false, false},
                 {20, 76, false, true}, {19, 76, false, false}, {21, 76, false, false}, {3, 20, false, false}};
  for (const auto& p : pripady) {
    std::vector<std::uint8_t> bajty(p.delka);
    bajty[p.bajt] = 1;
    const SchopnostiSpanku s = SchopnostiZBajtu(bajty);
    EXPECT_EQ(s.spanek, p.spanek) << p.bajt << "/" << p.delka;
    EXPECT_EQ(s.modernStandby, p.standby) << p.bajt << "/" << p.delka;
  }
}

// A one-off time is stored with the day it was given (24:00 with the day before its midnight): a log-on
// on a later day must not arm it for that day.
TEST(UlozNastaveni, UloziNeboZapomene) {
  const std::string heslo = "/vypnuti;h/" + std::string(1, '\0') + "/";
  const struct {
    int kazdy_den, neaktivni;
    const char* ulozeno;  // after the password; empty: forgotten
    int jen_relace = 0;   // a number of minutes or a condition without a time
    int konec_dne = 0, s_datem = 0;
  } pripady[] = {{1, 0, ";t/22:00/"},
                 {1, 1, ";t/22:00/"},
                 {0, 0, ";t/22:00/;d/4.12.2026/"},
                 {0, 0, ";t/22:00/;d/3.12.2026/", 0, 1},
                 {0, 0, ";t/22:00/", 0, 0, 1},
                 {0, 1, ""},
                 {0, 0, "", 1},
                 {1, 0, ";t/22:00/", 1}};
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.run = svet.run_once = svet.ulozeny_parametr = "staré";
    stav.Parametr = heslo + ";t/22:00/";
    stav.CilovyCas = SlozCas(2026, 12, 4, 22, 0);
    stav.KazdyDen = static_cast<std::uint8_t>(p.kazdy_den);
    stav.Neaktivni = static_cast<std::uint8_t>(p.neaktivni);
    stav.JenRelace = stav.RezimMinuty = static_cast<std::uint8_t>(p.jen_relace);
    stav.KonecDne = static_cast<std::uint8_t>(p.konec_dne);
    stav.SDatem = static_cast<std::uint8_t>(p.s_datem);
    UlozNastaveni();
    const std::string ulozeny = *p.ulozeno ? UlozenyTvar(heslo + p.ulozeno) : "";
    EXPECT_EQ(svet.ulozeny_parametr, ulozeny) << p.ulozeno;
    // The command line holds the marker only: the schedule, password and all, stays in the store.
    EXPECT_EQ(svet.run, *p.ulozeno ? "\"C:\\Program Files\\ZD\\vypnuti.exe\" " + UlozenyTvar("") : "");
    EXPECT_EQ(svet.run_once, svet.run);
  }
}

// An action given without a time, even with ";kd", must never be registered for the next log-on: the
// computer would shut down again at every log-on. The store keeps what it held before, then and at exit.
TEST(AkceHned, NechaUlozisteJakBylo) {
  const struct {
    const char* predtim;  // the schedule in force before; empty: none
    const char* text;
    const char* akce;  // the last line of the log
  } pripady[] = {
      {"", "/vypnuti;kd", "ExitWindowsEx 0x0000000D 0x80040001"},
      {"", "/restart;kd;kv", "ExitWindowsEx 0x00000046 0x80040001"},
      {"", "/spanek;kd", "SetSuspendState 0 0 0"},
      {"/vypnuti;t/23:00/", "/restart", "ExitWindowsEx 0x00000046 0x80040001"},
      {"/vypnuti;kd;t/23:00/", "/zamceni", "LockWorkStation"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.CasSpusteni = svet.hodiny.ted;
    if (*p.predtim) {
      ASSERT_TRUE(RozeberParametr(p.predtim, false, false));
    }
    const std::string ulozeny = svet.ulozeny_parametr, run = svet.run, run_once = svet.run_once;
    EXPECT_FALSE(RozeberParametr(p.text, false, false)) << p.text;
    EXPECT_EQ(svet.Log({"SetTimer"}).back(), p.akce) << p.text;
    for (int exit = 0; exit < 2; ++exit) {
      EXPECT_EQ(svet.ulozeny_parametr, ulozeny) << p.text << (exit ? " at exit" : "");
      EXPECT_EQ(svet.run, run) << p.text;
      EXPECT_EQ(svet.run_once, run_once) << p.text;
      stav.Neaktivni = static_cast<std::uint8_t>(*p.predtim ? 0 : 1);  // as start-up leaves it
      Casovac(false);  // the program's exit
    }
  }
  // "Spánek" on a computer that can neither sleep nor stand by is refused with its reason.
  FalesnySvet svet;
  stav.CasSpusteni = svet.hodiny.ted;
  ASSERT_TRUE(RozeberParametr("/restart;t/23:00/", false, false));
  svet.schopnosti = {.spanek = false, .modernStandby = false};
  svet.meri_sit = false;  // XP: no network counters
  svet.log.clear();
  for (const char* text : {"/spanek;t/23:30/", "/spanek", "/vypnuti;t/23:30/;klid/15/"}) {
    EXPECT_FALSE(RozeberParametr(text, false, false)) << text;
    EXPECT_EQ(svet.dialogy.Texty().back(), text[1] == 's' ? "Tento počítač neumí přejít do spánku."
                                                          : "Klid počítače (;klid) tento systém neumí změřit. "
                                                            "Potřebuje Windows Vista nebo novější.")
        << text;
    EXPECT_EQ(stav.Parametr, "/restart;t/23:00/") << text;
    EXPECT_EQ(svet.Log(), std::vector<std::string>{}) << text;
  }
}

namespace {

// 4 December 2026, 10:00: the schedule armed for 10:01, its warning at once, ticked to the end of the
// countdown. The power call made, the tooltip, and what is armed then.
std::string AkceV1001(FalesnySvet& svet, const char* parametr) {
  svet.hodiny.ted = stav.CasSpusteni = SlozCas(2026, 12, 4, 10, 0, 0);
  EXPECT_TRUE(RozeberParametr(parametr, true, false)) << parametr;
  Casovac(true);
  bool varovani = false;
  for (int s = 0; s < 70 && !(varovani && stav.UpozorneniBezi == 0); ++s) {
    svet.hodiny.ted += std::chrono::seconds{1};
    CasovacTik();
    varovani |= stav.UpozorneniBezi == 1;
  }
  std::string volani = "nic";
  for (const auto& r : svet.log) {
    for (const char* v : {"ExitWindowsEx", "SetSuspendState", "LockWorkStation"})
      if (r.starts_with(v)) volani = v;
  }
  const std::string dalsi =
      stav.Neaktivni == 0 ? FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas) : "-";
  return volani + " | " + svet.tip + " | " + dalsi;
}

}  // namespace

// Until the system call is made a cancel stops the action, also while ";kv" closes the programs: the
// warning's button, "S", a handed-over /storno, a new schedule. The programs closed stay closed, the
// program goes on (the timer, the icon), a daily schedule keeps its next day. With ";zs" nothing cancels.
TEST(Akce, StornoBehemZavirani) {
  enum Jak { Tlacitko, S, Storno, Novy, NovyBezStorna, ZmenitS };
  const struct {
    const char* parametr;
    Jak jak;
    std::string vysledek;  // AkceV1001, and the exit code of a handed-over request
  } pripady[] = {
      {"/vypnuti;kv;t/10:01/", Tlacitko, "nic | Vypnutí bylo stornováno. | - 0"},
      {"/vypnuti;kd;kv;t/10:01/", Tlacitko,
       "nic | Vypnutí bylo stornováno. Příště proběhne zítra v 10:01. | 5.12.2026 10:01:00 0"},
      {"/vypnuti;kd;kv;t/10:01/", S, "nic | Vypnutí bylo stornováno. | - 0"},
      {"/vypnuti;kv;t/10:01/", Storno, "nic | Vypnutí bylo stornováno. | - 0"},
      {"/vypnuti;kv;t/10:01/", Novy, "nic | Restartování za 9 hodin a 59 minut. | 4.12.2026 20:00:00 0"},
      {"/vypnuti;zs;kv;t/10:01/", Storno, "ExitWindowsEx | Nashledanou | - 2"},
      {"/vypnuti;zs;kv;t/10:01/", S, "ExitWindowsEx | Nashledanou | - 0"},
      // The new schedule's ";zs" is its own: the action under way is cancelled all the same.
      {"/vypnuti;kv;t/10:01/", NovyBezStorna, "nic | Restartování za 9 hodin a 59 minut. | 4.12.2026 20:00:00 0"},
      // Its password still guards it (the prompt is closed), though nothing is armed or stored meanwhile.
      {"/vypnuti;kv;h/tajne/;t/10:01/", Storno, "ExitWindowsEx | Nashledanou | - 2"},
      {"/vypnuti;kv;h/tajne/;t/10:01/", ZmenitS, "ExitWindowsEx | Nashledanou | - 0"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Formular f;
    NactiHlavniOkno(f, "");
    int kod = 0;
    svet.priZavirani = [&] {
      if (p.jak == Tlacitko) cmKZS_Click();
      if (p.jak == S) tlHNStop_Click(f);
      if (p.jak == ZmenitS) tlHNastaveniZ_Click(f);
      if (p.jak == ZmenitS && f[Ovladac::tlHNStop].viditelny) tlHNStop_Click(f);
      if (p.jak == Storno) kod = PrijmiPokyn("/storno").kod;
      if (p.jak == Novy || p.jak == NovyBezStorna) {  // "Nové", Restartovat, 20:00, "Aktivace", Ano
        tlHNastaveni_Click(f);
        VyberVolbu(f, 2);
        if (p.jak == NovyBezStorna) NastavZaskrtnuti(f, 1, 1);
        f[Ovladac::txtHNCas].text = "20:00";
        tlHNAktivace_Click(f);
      }
    };
    const std::string vysledek = AkceV1001(svet, p.parametr);
    EXPECT_EQ(vysledek + " " + std::to_string(kod), p.vysledek) << p.parametr << " " << p.jak;
    // A daily schedule's day left behind is the one cancelled, not the next.
    EXPECT_EQ(svet.vyrizeno, p.vysledek.find("Příště") != std::string::npos ? "2026-12-04 10:01" : "") << p.parametr;
    EXPECT_EQ(stav.AkceBezi, vysledek.starts_with("nic") ? 0 : 2) << p.parametr;
    EXPECT_TRUE(!svet.ikona_pryc || !vysledek.starts_with("nic")) << p.parametr;
  }
}

// While the programs are closed, the program's other ways in do not start a second action; with ";zs"
// neither ending the program nor a new schedule stops the one under way. The status bar says so: a box
// would hold the closing.
TEST(Akce, BehemZaviraniJenJednaAkce) {
  enum Co { Tlacitko, Ukoncit, Aktivace, AktivaceHned };
  const struct {
    const char* parametr;
    Co co;
    const char* odmitnuti;  // in the status bar
    const char* posledni;
  } pripady[] = {
      {"/vypnuti;kv;t/10:01/", Tlacitko, "Akce už probíhá.", "ExitWindowsEx 0x0000000D 0x80040001"},
      {"/vypnuti;zs;kv;t/10:01/", Ukoncit, "Akci už nelze stornovat.", "ExitWindowsEx 0x0000000D 0x80040001"},
      {"/vypnuti;zs;kv;t/10:01/", Aktivace, "Akci už nelze stornovat.", "ExitWindowsEx 0x0000000D 0x80040001"},
      {"/vypnuti;kv;t/10:01/", AktivaceHned, "Akce už probíhá.", "ExitWindowsEx 0x0000000D 0x80040001"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Formular f;
    NactiHlavniOkno(f, "");
    svet.priZavirani = [&] {
      if (p.co == Tlacitko) tlKZ_Click(1);  // "Restart": not even its question
      if (p.co == Ukoncit) tlHZavrit_Click();
      if (p.co == Aktivace || p.co == AktivaceHned) {  // a restart at 20:00, or at once
        tlHNastaveni_Click(f);
        VyberVolbu(f, 2);
        if (p.co == Aktivace) f[Ovladac::txtHNCas].text = "20:00";
        if (p.co == AktivaceHned) NastavZaskrtnuti(f, 3, 1);
        tlHNAktivace_Click(f);
      }
    };
    AkceV1001(svet, p.parametr);
    EXPECT_THAT(svet.log, testing::Contains("sb 32515 " + std::string(p.odmitnuti))) << p.parametr << " " << p.co;
    EXPECT_THAT(svet.dialogy.Texty(), testing::Not(testing::Contains(p.odmitnuti))) << p.co;
    if (p.co == Tlacitko) {
      EXPECT_THAT(svet.dialogy.Texty(), testing::IsEmpty());
    }
    EXPECT_EQ(svet.Log({"SetTimer", "KillTimer", "tip", "sb", "schovej", "bdelost"}).back(), p.posledni) << p.co;
    EXPECT_EQ(std::ranges::count_if(svet.log, [](const std::string& r) { return r.starts_with("ExitWindowsEx"); }), 1);
  }
}

// An action given without a time leaves the schedule in force in force while it closes the programs:
// a cancel, "S", a new schedule then act on that one and stay; nothing comes back after the action.
TEST(Akce, OkamzitaNechaPlanVPlatnosti) {
  enum Jak { Predana, ZEditoru, NaStartu };
  enum Behem { Storno, S, StornoVarovani, Novy };
  enum Pred { Nic, Odpocet, Posunuty };
  const struct {
    const char* v_platnosti;
    Pred pred;
    Jak jak;
    Behem behem;
    std::string vysledek;  // power calls | the schedule armed (its moment) | the store
    const char* okamzita = "/restart;kv";
  } pripady[] = {
      {"", Nic, Predana, Storno, "0 | - | -"},
      {"/vypnuti;t/23:00/", Nic, Predana, Storno, "0 | - | -"},
      {"/vypnuti;t/23:00/", Nic, NaStartu, Storno, "0 | - | -"},
      {"/vypnuti;t/23:00/", Nic, ZEditoru, S, "0 | - | -"},
      {"/vypnuti;t/10:01/", Odpocet, Predana, StornoVarovani, "0 | - | -"},
      {"/vypnuti;t/14:00/", Posunuty, Predana, S, "0 | /vypnuti;t/14:00/ 14:00:00 | /vypnuti;t/14:00/;d/4.12.2026/"},
      {"/restart;t/23:00/", Nic, Predana, Novy, "0 | /vypnuti;t/20:00/ 20:00:00 | /vypnuti;t/20:00/;d/4.12.2026/"},
      // Its own ";zs" holds: the cancel is refused, and the schedule in force stays too.
      {"/vypnuti;t/23:00/", Nic, Predana, Storno, "1 | /vypnuti;t/23:00/ 23:00:00 | /vypnuti;t/23:00/;d/4.12.2026/",
       "/restart;zs;kv"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.hodiny.ted = stav.CasSpusteni = SlozCas(2026, 12, 4, 10, 0, 0);
    if (*p.v_platnosti) {
      ASSERT_TRUE(RozeberParametr(p.v_platnosti, true, false));
    }
    Formular f;
    NactiHlavniOkno(f, "");
    Casovac(true);
    if (p.pred == Odpocet) {
      svet.hodiny.ted += std::chrono::seconds{10};
      CasovacTik();
    }
    if (p.pred == Posunuty) {
      tlHNastaveniP_Click(f);
      f[Ovladac::txtHNCas].text = "14:30";
      tlHNAktivace_Click(f);
    }
    bool poprve = true;
    std::uint32_t bdely = 0;
    std::string tip;
    svet.priZavirani = [&] {
      if (!std::exchange(poprve, false)) return;
      bdely = stav.Bdely;
      if (p.behem == Storno) PrijmiPokyn("/storno");
      if (p.behem == S) tlHNastaveniZ_Click(f), tlHNStop_Click(f);
      if (p.behem == StornoVarovani) cmKZS_Click();
      if (p.behem == Novy) {
        tlHNastaveni_Click(f);
        VyberVolbu(f, 1);
        f[Ovladac::txtHNCas].text = "20:00";
        tlHNAktivace_Click(f);
      }
      tip = svet.tip;
    };
    if (p.jak == Predana) PrijmiPokyn(p.okamzita);
    if (p.jak == NaStartu) RozeberParametr(p.okamzita, false, false);
    if (p.jak == ZEditoru) {  // "Nové", Restartovat, "Kontrolované vypnutí", no time
      tlHNastaveni_Click(f);
      VyberVolbu(f, 2);
      NastavZaskrtnuti(f, 3, 1);
      tlHNAktivace_Click(f);
    }
    for (int s = 0; s < 300; ++s) {  // five minutes: no warning of the one cancelled comes back
      svet.hodiny.ted += std::chrono::seconds{1};
      CasovacTik();
    }
    const auto volani = std::ranges::count_if(svet.log, [](const std::string& r) {
      return r.starts_with("ExitWindowsEx") || r.starts_with("SetSuspendState");
    });
    const std::string armed = stav.Neaktivni == 0 ? stav.Parametr + " " + FormatCasSekundy(stav.CilovyCas) : "-";
    const std::string ulozeny = RozbalUlozenyTvar(svet.ulozeny_parametr).value_or("-");
    EXPECT_EQ(std::to_string(volani) + " | " + armed + " | " + (ulozeny.empty() ? "-" : ulozeny), p.vysledek)
        << p.v_platnosti << " " << p.jak << " " << p.behem;
    EXPECT_NE(bdely, 0u) << "kept awake while the programs close";
    if (p.behem != Novy && p.pred != Posunuty && volani == 0) {
      EXPECT_EQ(tip, "Restartování bylo stornováno.") << p.v_platnosti << " " << p.behem;
    }
  }
}

// Woken from a sleep that came while the programs were being closed, the computer is not shut down
// unannounced: a schedule's moment counts as missed (a short sleep gets the whole warning minute again,
// ";zs" too; a long one, nothing and a balloon); an action given at once is not carried out. A box left
// open for minutes is no sleep.
TEST(Akce, SpanekBehemZavirani) {
  const struct {
    const char* parametr;
    int minut;
    bool probuzeni;                     // the system reports a resume
    std::string po_probuzeni, nakonec;  // AkceV1001 right after the closing; the call a minute later
  } pripady[] = {
      {"/vypnuti;kv;t/10:01/", 2, true, "nic | Vypnutí za 1 minutu. | 4.12.2026 10:01:00", "ExitWindowsEx"},
      {"/vypnuti;zs;kv;t/10:01/", 2, true, "nic | Vypnutí za 1 minutu. | 4.12.2026 10:01:00", "ExitWindowsEx"},
      {"/vypnuti;kv;t/10:01/", 60, true, "nic | Vypnutí počítače | -", "nic"},
      {"/vypnuti;kd;kv;t/10:01/", 60, true, "nic | Vypnutí za 23 hodin. | 5.12.2026 10:01:00", "nic"},
      {"/vypnuti;zs;kv;t/10:01/", 4, false, "ExitWindowsEx | Nashledanou | -", "ExitWindowsEx"},
      // Held by a box of ours for longer than a closing takes: a whole minute again, ";zs" too.
      {"/vypnuti;zs;kv;t/10:01/", 180, false, "nic | Vypnutí za 1 minutu. | 4.12.2026 10:01:00", "ExitWindowsEx"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.priZavirani = [&] {
      svet.hodiny.ted += std::chrono::minutes{p.minut};
      if (p.probuzeni) ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
    };
    EXPECT_EQ(AkceV1001(svet, p.parametr), p.po_probuzeni) << p.parametr << " " << p.minut;
    svet.priZavirani = nullptr;
    for (int s = 0; s < 61; ++s) {
      svet.hodiny.ted += std::chrono::seconds{1};
      CasovacTik();
    }
    EXPECT_EQ(std::ranges::count_if(svet.log, [](const std::string& r) { return r.starts_with("ExitWindowsEx"); }),
              p.nakonec == "nic" ? 0 : 1)
        << p.parametr << " " << p.minut;
  }
  for (const bool spal : {true, false}) {
    FalesnySvet svet;
    svet.priZavirani = [&] {
      svet.hodiny.ted += std::chrono::minutes{6};
      if (spal) ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
    };
    EXPECT_FALSE(RozeberParametr("/restart;kv", true, false));
    EXPECT_EQ(svet.tip, spal ? "Restartování neproběhlo: počítač mezitím spal."
                             : "Restartování neproběhlo: zavírání programů se zdrželo.");
  }
}

// A call the system refuses (no privilege on a school's computer, a sleep the drivers refuse) leaves the
// program alive: the warning gone, the icon back, the timer on, a daily schedule armed for its next day,
// and the system's words in a balloon.
TEST(Akce, SelhaniNechaProgramZit) {
  const struct {
    const char* parametr;
    std::string vysledek;
  } pripady[] = {
      {"/vypnuti;zs;t/10:01/", "ExitWindowsEx | Počítač se nepodařilo vypnout: Přístup byl odepřen. | -"},
      {"/restart;kd;t/10:01/",
       "ExitWindowsEx | Počítač se nepodařilo restartovat: Přístup byl odepřen. | 5.12.2026 10:01:00"},
      {"/spanek;t/10:01/", "SetSuspendState | Počítač se nepodařilo uspat: Přístup byl odepřen. | -"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.selhani = "Přístup byl odepřen.";
    EXPECT_EQ(AkceV1001(svet, p.parametr), p.vysledek) << p.parametr;
    EXPECT_THAT(svet.log,
                testing::Contains("bublina " + p.vysledek.substr(p.vysledek.find('|') + 2,
                                                                 p.vysledek.rfind('|') - p.vysledek.find('|') - 3)));
    EXPECT_FALSE(svet.ikona_pryc);
    EXPECT_NE(stav.CasovacID, 0u) << p.parametr;
  }
}

// Another user at the computer, the program's own session in the background: a shut-down, restart or
// sleep does not happen (a daily one waits for its next day); a lock or log-off touches only the own
// session. With the own session at the screen and others only signed in, the warning names them and
// the action goes ahead.
TEST(Akce, PraceJinychUzivatelu) {
  const PrihlaseniUzivatelu jinde{.vlastni_aktivni = false, .jina_aktivni = true, .jini = {"Petr"}};
  const PrihlaseniUzivatelu prihlaseni{.vlastni_aktivni = true, .jina_aktivni = false, .jini = {"Petr", "Jana"}};
  const struct {
    const char* parametr;
    PrihlaseniUzivatelu kdo;
    std::string vysledek;
    std::string varovani;
  } pripady[] = {
      {"/vypnuti;t/10:01/", jinde, "nic | Vypnutí neproběhlo: u počítače pracoval jiný uživatel. | -",
       "ukaz storno | Přihlášen je i uživatel Petr; jeho neuložená práce se ztratí."},
      {"/restart;kd;t/10:01/", jinde,
       "nic | Restartování neproběhlo: u počítače pracoval jiný uživatel. | 5.12.2026 10:01:00", ""},
      {"/spanek;t/10:01/", jinde, "nic | Spánek neproběhl: u počítače pracoval jiný uživatel. | -", "ukaz storno"},
      {"/vypnuti;t/10:01/", prihlaseni, "ExitWindowsEx | Nashledanou | -",
       "ukaz storno | Přihlášeni jsou i uživatelé Petr a Jana; jejich neuložená práce se ztratí."},
      {"/spanek;t/10:01/", prihlaseni, "SetSuspendState | Spuštěné uspání dokončeno. | -", "ukaz storno"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.prihlaseni = p.kdo;
    EXPECT_EQ(AkceV1001(svet, p.parametr), p.vysledek) << p.parametr;
    if (!p.varovani.empty()) {
      EXPECT_THAT(svet.log, testing::Contains(p.varovani)) << p.parametr;
    }
    if (!p.kdo.vlastni_aktivni) {
      EXPECT_THAT(svet.log, testing::Contains("bublina " + svet.tip)) << p.parametr;
    }
  }
  FalesnySvet svet;
  svet.prihlaseni = jinde;
  EXPECT_EQ(AkceV1001(svet, "/zamceni;t/10:01/"), "LockWorkStation | Spuštěné uzamčení dokončeno. | -");
  // An immediate one, handed over by a script of the user in the background, neither.
  svet.log.clear();
  EXPECT_EQ(PrijmiPokyn("/restart").kod, kod::Hotovo);
  EXPECT_EQ(svet.tip, "Restartování neproběhlo: u počítače pracoval jiný uživatel.");
  EXPECT_EQ(std::ranges::count_if(svet.log, [](const std::string& r) { return r.starts_with("ExitWindowsEx"); }), 0);
}

// Forgetting takes the autostart values before the store, so that a store that cannot be cleared has
// nothing to start it again; RunOnce follows the user's switch in Startup apps, and a schedule armed
// while it is off says once that no restart will bring it back.
TEST(UlozNastaveni, PoradiAVypinacAutostartu) {
  struct Poradi final : Uloziste {
    std::vector<std::string> volani;
    std::string CtiParametr() override { return {}; }
    void ZapisParametr(std::string_view t) override { volani.push_back(t.empty() ? "smaz parametr" : "parametr"); }
    std::string CtiVyrizeno() override { return {}; }
    void ZapisVyrizeno(std::string_view) override {}
    void NastavAutostart(Autostart k, std::string_view) override {
      volani.push_back(k == Autostart::Run ? "run" : "runonce");
    }
    void SmazAutostart(Autostart k) override { volani.push_back(k == Autostart::Run ? "smaz run" : "smaz runonce"); }
    bool AutostartPovolen() override { return povolen; }
    std::string CestaProgramu() override { return "C:\\vypnuti.exe"; }
    bool povolen = false;
  };
  FalesnySvet svet;
  Poradi uloziste;
  Pripojeni<Uloziste> pripojeni(uloziste);
  ASSERT_TRUE(RozeberParametr("/vypnuti;kd;t/22:00/", true, false));
  EXPECT_EQ(TipPoAktivaci(), "Automatické spuštění je vypnuté ve Správci úloh: po restartu se akce nenaplánuje.");
  EXPECT_EQ(TipPoAktivaci(), "Vypnutí za 12 hodin.") << "said once";
  ZrusPlan();
  EXPECT_EQ(uloziste.volani,
            (std::vector<std::string>{"parametr", "smaz runonce", "run", "smaz runonce", "smaz run", "smaz parametr"}));
}
