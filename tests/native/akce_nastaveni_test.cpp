#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/spanek.h"
#include "falesny_svet.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"

using ::testing::ElementsAre;

TEST(ProvedAkci, PodleAkceAVerzeWindows) {
  const struct {
    int kod, akce, platforma, verze, kontrolovane;
    std::vector<std::string> log;
  } pripady[] = {
      {0, 0, 2, 8, 0, {"privilegium"}},
      {0, 0, 1, 2, 0, {}},  // the privilege only on the NT family
      {0, 1, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x0000000D 0xFFFFFFFF"}},
      {2, 1, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000006 0xFFFFFFFF"}},
      {3, 0, 2, 8, 0, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000004 0xFFFFFFFF"}},
      {3, 0, 1, 2, 0, {"KillTimer", "TerminateProcess progman", "ExitWindowsEx 0x00000004 0xFFFFFFFF"}},
      {0, 1, 2, 8, 1, {"privilegium", "KillTimer", "ZavriProgramy", "ExitWindowsEx 0x0000000D 0xFFFFFFFF"}},
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
// sleep; the others choose by what the machine has, and one with neither does nothing. The program and
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
      {11, false, false, nullptr},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.schopnosti = {.spanek = p.spanek, .modernStandby = p.standby};
    svet.win_version = p.verze;
    stav.Neaktivni = 0;
    stav.HlavniOtevreno = 1;
    svet.hint = true;
    ProvedAkci(akce::Spanek);
    EXPECT_EQ(svet.Log().back(), p.volani ? p.volani : "privilegium") << p.verze << " " << p.spanek << p.standby;
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

TEST(UlozNastaveni, UloziNeboZapomene) {
  const struct {
    int kazdy_den, neaktivni;
    bool ulozeno;
    int jen_relace = 0;  // a number of minutes or a condition without a time
  } pripady[] = {{1, 0, true}, {1, 1, true}, {0, 0, true}, {0, 1, false}, {0, 0, false, 1}, {1, 0, true, 1}};
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.run = svet.run_once = svet.ulozeny_parametr = "staré";
    stav.Parametr = "/vypnuti;h/" + std::string(1, '\0') + "/;t/22:00/";
    stav.KazdyDen = static_cast<std::uint8_t>(p.kazdy_den);
    stav.Neaktivni = static_cast<std::uint8_t>(p.neaktivni);
    stav.JenRelace = static_cast<std::uint8_t>(p.jen_relace);
    UlozNastaveni();
    const std::string ulozeny = p.ulozeno ? UlozenyTvar(stav.Parametr) : "";
    EXPECT_EQ(svet.ulozeny_parametr, ulozeny);
    EXPECT_EQ(svet.run, p.ulozeno ? "\"C:\\Program Files\\ZD\\vypnuti.exe\" " + ulozeny : "");
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
      {"", "/vypnuti;kd", "ExitWindowsEx 0x0000000D 0xFFFFFFFF"},
      {"", "/restart;kd;kv", "ExitWindowsEx 0x00000006 0xFFFFFFFF"},
      {"", "/spanek;kd", "SetSuspendState 0 0 0"},
      {"/vypnuti;t/23:00/", "/restart", "ExitWindowsEx 0x00000006 0xFFFFFFFF"},
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
    EXPECT_EQ(svet.Log().back(), p.akce) << p.text;
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
