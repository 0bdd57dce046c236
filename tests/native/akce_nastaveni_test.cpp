#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/kodovani.h"
#include "falesny_svet.h"
#include "scheduler/akce.h"
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
      {4, 0, 2, 11, 0, {"privilegium", "schovej", "tip Spuštěné uspání dokončeno.", "SetSuspendState 1 0 0"}},
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

TEST(ProvedAkci, UspaniNechaNaplanovanyRozvrh) {
  FalesnySvet svet;
  stav.Neaktivni = 0;
  stav.HlavniOtevreno = 1;
  svet.hint = true;
  ProvedAkci(akce::Spanek);
  EXPECT_EQ(stav.Neaktivni, 0);
  EXPECT_FALSE(svet.hint);
}

TEST(UlozNastaveni, UloziNeboZapomene) {
  const struct {
    int kazdy_den, neaktivni;
    bool ulozeno;
  } pripady[] = {{1, 0, true}, {1, 1, true}, {0, 0, true}, {0, 1, false}};
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.run = svet.run_once = svet.ulozeny_parametr = "staré";
    stav.Parametr = "/vypnuti;h/" + std::string(1, '\0') + "/;t/22:00/";
    stav.KazdyDen = static_cast<std::uint8_t>(p.kazdy_den);
    stav.Neaktivni = static_cast<std::uint8_t>(p.neaktivni);
    UlozNastaveni();
    const std::string ulozeny = p.ulozeno ? UlozenyTvar(stav.Parametr) : "";
    EXPECT_EQ(svet.ulozeny_parametr, ulozeny);
    EXPECT_EQ(svet.run, p.ulozeno ? "\"C:\\Program Files\\ZD\\vypnuti.exe\" " + ulozeny : "");
    EXPECT_EQ(svet.run_once, svet.run);
  }
}
