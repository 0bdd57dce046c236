// Schedules that wait for a condition: a program that ends, a quiet computer, nobody at the keyboard.
// The parser's forms, the moment each condition starts to hold, "not before" with a time, daily
// re-arming and the sentences that say what the schedule waits for.
#include "core/podminky.h"

#include <gtest/gtest.h>

#include <functional>

#include "beh_programu.h"
#include "core/parametr.h"
#include "scheduler/casovac.h"
#include "ui/main_window/zobraz_nastaveni.h"

using namespace std::chrono;

namespace {

// 4 December 2026, a Friday.
Cas V(int hodina, int minuta, int sekunda = 0) { return SlozCas(2026, 12, 4, hodina, minuta, sekunda); }

// What the computer does during one second of a scenario.
struct Sekunda {
  int procesor = 0;       // percent busy
  std::uint64_t sit = 0;  // bytes that second
  bool bezi = false;      // render.exe runs
  bool vstup = false;     // somebody touched the mouse
};

class Podminka : public BehProgramu {
 protected:
  // Ticks once a second from the start for at most `sekund`, the computer doing what the scenario says;
  // the second the warning appeared, or nothing.
  std::optional<int> Varovani(int sekund, const std::function<Sekunda(int)>& scenar) {
    for (int s = 1; s <= sekund; ++s) {
      const Sekunda c = scenar(s);
      svet.procesor.celkem += 1000;
      svet.procesor.necinny += 1000 - 10 * static_cast<std::uint64_t>(c.procesor);
      svet.bajty += c.sit;
      svet.procesy = c.bezi ? std::vector<std::string>{"RENDER.EXE"} : std::vector<std::string>{"explorer.exe"};
      svet.hodiny.ted += seconds{1};
      if (c.vstup) svet.posledni_vstup = svet.hodiny.Tik();
      CasovacTik();
      if (stav.UpozorneniBezi == 1) return s;
    }
    return std::nullopt;
  }
};

}  // namespace

TEST_F(Podminka, Zapisy) {
  const struct {
    const char* parametr;
    const char* zapis;  // the conditions read, as the builder writes them back; nullptr: refused
    bool bez_casu = false;
    bool denne = false;
  } pripady[] = {
      {"/vypnuti;po/render.exe/", ";po/render.exe/", true},
      {"/spanek;klid/15/", ";klid/15/", true},
      {"/vypnuti;necinnost/30/", ";necinnost/30/", true},
      {"/spanek;t/23:00/;klid/15/", ";klid/15/"},
      {"/spanek;klid/15/;t/23:00/;d/5.12.2026/", ";klid/15/"},
      {"/vypnuti;necinnost/10/;po/render.exe/", ";po/render.exe/;necinnost/10/", true},
      {"/restart;kd;t/22:00/;po/záloha.exe/", ";po/záloha.exe/", false, true},
      {"/vypnuti;dny/po-pa/;t/22:00/;klid/5/", ";klid/5/", false, true},
      {"/vypnuti;po/a;kd;zs.exe/", ";po/a;kd;zs.exe/", true},  // an option's letters inside the name
      {"/vypnuti;klid/2,4/", ";klid/2/", true},
      {"/vypnuti;po//", nullptr},
      {"/vypnuti;po/C:\\render.exe/", nullptr},
      {"/vypnuti;klid/0/", nullptr},
      {"/vypnuti;klid/x/", nullptr},
      {"/vypnuti;klid/1441/", nullptr},
      {"/vypnuti;t/90/;po/render.exe/", nullptr},  // a number of minutes
      {";od/22:00-06:00/;po/render.exe/", nullptr},
      {"/vypnuti;kd;po/render.exe/", nullptr},  // daily, but from when?
      {"/vypnuti;d/5.12.2026/;klid/5/", nullptr},
  };
  for (const auto& p : pripady) {
    svet.hodiny.ted = stav.CasSpusteni = V(10, 0, 30);
    svet.dialogy.zpravy.clear();
    const bool aktivni = RozeberParametr(p.parametr, false, false);
    EXPECT_EQ(aktivni, p.zapis != nullptr) << p.parametr;
    if (aktivni) {
      EXPECT_EQ(ZapisPodminky(stav.Podminka), p.zapis) << p.parametr;
      EXPECT_EQ(stav.BezCasu, p.bez_casu ? 1 : 0) << p.parametr;
      EXPECT_EQ(stav.KazdyDen, p.denne ? 1 : 0) << p.parametr;
    } else {
      ASSERT_EQ(svet.dialogy.zpravy.size(), 1u) << p.parametr << ": the error box with the help";
      EXPECT_TRUE(stav.Podminka.Zadne()) << p.parametr;
    }
  }
}

// The second of the warning: checks come every 5 s from the schedule's moment, a burst of work
// starts the quiet anew, a program's name is compared without regard to case and ".exe".
TEST_F(Podminka, KdyZacnePlatit) {
  const auto nic = [](int) { return Sekunda{}; };
  const struct {
    const char* parametr;
    std::function<Sekunda(int)> scenar;
    std::optional<int> varovani;
  } pripady[] = {
      {"/vypnuti;po/render.exe/", nic, 1},  // none runs when armed: at once
      {"/vypnuti;po/render.exe/", [](int s) { return Sekunda{.bezi = s <= 20}; }, 21},
      {"/vypnuti;po/render/", [](int s) { return Sekunda{.bezi = s <= 20}; }, 21},
      {"/vypnuti;po/render.exe/", [](int) { return Sekunda{.bezi = true}; }, std::nullopt},
      {"/spanek;klid/1/", nic, 61},
      {"/spanek;klid/1/", [](int) { return Sekunda{.procesor = 9, .sit = 49'000}; }, 61},
      {"/spanek;klid/1/", [](int s) { return Sekunda{.procesor = s == 30 ? 80 : 0}; }, 91},
      {"/spanek;klid/1/", [](int s) { return Sekunda{.sit = s == 30 ? 300'000u : 0}; }, 91},
      {"/spanek;klid/1/", [](int) { return Sekunda{.procesor = 20}; }, std::nullopt},
      {"/vypnuti;necinnost/2/", nic, 116},  // nobody since the start (4 s idle at it)
      {"/vypnuti;necinnost/2/", [](int s) { return Sekunda{.vstup = s == 30}; }, 151},
      {"/vypnuti;po/render.exe/;necinnost/1/", [](int s) { return Sekunda{.bezi = s <= 100}; }, 101},
      {"/vypnuti;po/render.exe/;necinnost/1/", [](int s) { return Sekunda{.vstup = s == 50}; }, 111},
      {"/spanek;t/10:05/;necinnost/1/", nic, 300},  // not before 10:05, though idle long before
      {"/spanek;t/10:05/;klid/1/", nic, 360},       // the quiet counts from 10:05
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(V(10, 0), p.parametr);
    svet.posledni_vstup = svet.hodiny.Tik() - seconds{4};
    EXPECT_EQ(Varovani(600, p.scenar), p.varovani) << p.parametr;
  }
}

// The warning minute as for any schedule, then the action; nothing is asked of the system while no
// condition is armed, and nothing starts when it cannot answer.
TEST_F(Podminka, VarovaniAkceACenaHlidani) {
  Spust(V(10, 0), "/vypnuti;po/render.exe/");
  svet.procesy = {"render.exe"};
  TikejDo(V(10, 1));
  EXPECT_EQ(svet.dotazu_cinnosti, 12) << "once in 5 s";
  svet.procesy.clear();
  TikejDo(V(10, 1, 5));
  EXPECT_EQ(stav.UpozorneniBezi, 1);
  TikejDo(V(10, 2, 6));
  EXPECT_EQ(svet.Log({"tip", "lblUC", "hodiny"}), (std::vector<std::string>{"ukaz storno", "privilegium", "KillTimer",
                                                                            "ExitWindowsEx 0x0000000D 0xFFFFFFFF"}));

  svet.dotazu_cinnosti = 0;
  stav = StavPlanu{};
  Spust(V(11, 0), "/vypnuti;t/11:30/");
  TikejDo(V(11, 10));
  EXPECT_EQ(svet.dotazu_cinnosti, 0);

  svet.cinnost_selze = true;
  for (const char* parametr : {"/vypnuti;po/render.exe/", "/vypnuti;klid/1/", "/vypnuti;necinnost/1/"}) {
    stav = StavPlanu{};
    Spust(V(12, 0), parametr);
    TikejDo(V(12, 10));
    EXPECT_EQ(stav.UpozorneniBezi, 0) << parametr;
  }
}

// A daily schedule watches anew every day from its time: after the sleep, not again before the next
// evening, and then the quiet counts from that evening's 22:00.
TEST_F(Podminka, DenneZnovu) {
  Spust(V(21, 0), "/spanek;kd;t/22:00/;klid/1/");
  TikejDo(V(22, 0, 59));
  EXPECT_EQ(stav.UpozorneniBezi, 0);
  TikejDo(V(22, 2));
  EXPECT_EQ(svet.Log({"tip", "lblUC", "hodiny", "ikona"}),
            (std::vector<std::string>{"ukaz storno", "privilegium", "schovej", "SetSuspendState 0 0 0"}));
  EXPECT_EQ(stav.CilovyCas, V(22, 0) + days{1});
  EXPECT_EQ(stav.Neaktivni, 0);
  svet.log.clear();
  TikejDo(V(22, 0) + days{1} + seconds{59});
  EXPECT_EQ(stav.UpozorneniBezi, 0);
  TikejDo(V(22, 1, 1) + days{1});
  EXPECT_EQ(stav.UpozorneniBezi, 1);
}

TEST_F(Podminka, VetyRikajiNaCoCeka) {
  const struct {
    const char* parametr;
    Cas kdy;  // when the tooltip is read; the computer quiet since the start
    const char* tip;
    const char* shrnuti;
  } pripady[] = {
      {"/spanek;klid/15/", V(10, 3, 30), "Spánek po 15 minutách klidu (teď 3 min).", "Spánek po 15 minutách klidu."},
      {"/spanek;t/23:00/;klid/15/", V(10, 1), "Spánek po 15 minutách klidu, nejdříve dnes ve 23:00.",
       "Spánek po 15 minutách klidu, nejdříve 4.12.2026 v 23:00."},
      {"/zamceni;po/a.exe/;necinnost/1/;klid/2/", V(10, 1, 5),
       "Uzamčení po skončení programu a.exe, po 2 minutách klidu (teď 1 min) a po 1 minutě nečinnosti.",
       "Uzamčení po skončení programu a.exe, po 2 minutách klidu a po 1 minutě nečinnosti."},
      {"/vypnuti;dny/po-pa/;t/8:00/;po/a.exe/", V(10, 1),
       "Vypnutí po skončení programu a.exe, nejdříve 7.12.2026 v 08:00.",
       "Vypnutí po skončení programu a.exe, nejdříve v pracovní dny v 08:00."},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(V(10, 0), p.parametr);
    svet.procesy = {"a.exe", "render.exe"};
    TikejDo(p.kdy);
    EXPECT_EQ(TextTipu(svet.hodiny.ted), p.tip) << p.parametr;
    EXPECT_EQ(TextShrnuti(), p.shrnuti) << p.parametr;
  }
}
