// Schedules that wait for a condition: a program that ends, a quiet computer, nobody at the keyboard.
// The parser's forms, the moment each condition starts to hold, "not before" with a time, daily
// re-arming and the sentences that say what the schedule waits for.
#include "core/podminky.h"

#include <gtest/gtest.h>

#include <functional>

#include "beh_programu.h"
#include "core/parametr.h"
#include "platform/sit.h"
#include "scheduler/casovac.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zpravy_okna.h"
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
      svet.procesy = {"explorer.exe"};
      if (c.bezi) svet.procesy = {"RENDER.EXE", "render.worker.exe"};
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
      {"/vypnuti;po//;klid/5/", nullptr},
      {"/vypnuti;po/a.exe/;po/b.exe/", nullptr},  // a second one is no silent choice
      {"/spanek;t/9:00/;klid/15/", ";klid/15/"},  // passed this morning: watched from now
  };
  for (const auto& p : pripady) {
    svet.hodiny.ted = stav.CasSpusteni = V(10, 0, 30);
    svet.dialogy.zpravy.clear();
    const bool aktivni = RozeberParametr(p.parametr, false, false);
    EXPECT_EQ(aktivni, p.zapis != nullptr) << p.parametr;
    if (aktivni && p.zapis) {
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
      {"/vypnuti;po/render.exe/", nic, 6},  // none runs when armed: at the second check
      {"/vypnuti;po/render.exe/", [](int s) { return Sekunda{.bezi = s <= 20}; }, 26},
      {"/vypnuti;po/render/", [](int s) { return Sekunda{.bezi = s <= 20}; }, 26},
      {"/vypnuti;po/ RENDER.exe /", [](int s) { return Sekunda{.bezi = s <= 20}; }, 26},
      {"/vypnuti;po/render.exe/", [](int s) { return Sekunda{.bezi = s <= 20 || s > 22}; }, std::nullopt},  // a batch
      {"/vypnuti;po/Render.Worker/", [](int s) { return Sekunda{.bezi = s <= 20}; }, 26},
      {"/vypnuti;po/render.exe/", [](int) { return Sekunda{.bezi = true}; }, std::nullopt},
      {"/spanek;klid/1/", nic, 61},
      {"/spanek;klid/1/", [](int) { return Sekunda{.procesor = 9, .sit = 49'000}; }, 61},
      {"/spanek;klid/1/", [](int s) { return Sekunda{.procesor = s == 30 ? 80 : 0}; }, 91},
      {"/spanek;klid/1/", [](int s) { return Sekunda{.sit = s == 30 ? 300'000u : 0}; }, 91},
      {"/spanek;klid/1/", [](int) { return Sekunda{.procesor = 20}; }, std::nullopt},
      {"/vypnuti;necinnost/2/", nic, 116},  // nobody since the start (4 s idle at it)
      {"/vypnuti;necinnost/2/", [](int s) { return Sekunda{.vstup = s == 30}; }, 151},
      {"/vypnuti;po/render.exe/;necinnost/1/", [](int s) { return Sekunda{.bezi = s <= 100}; }, 106},
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

// A day's watch ends at 06:00 the next morning (a daily one's at its next moment, if sooner): a daily
// or weekday schedule then waits for its next day, a one-off one is forgotten with a balloon; a lone
// condition watches until it holds. A condition's moment is not a moment to be missed.
TEST_F(Podminka, HlidaniDneKonci) {
  const struct {
    const char* parametr;
    Cas od, bezi_do, konec;  // armed, render.exe runs and the computer is busy until, ticked until
    const char* vysledek;
  } pripady[] = {
      {"/vypnuti;dny/po-pa/;t/16:00/;po/render.exe/", V(15, 0), V(11, 0) + days{1}, V(12, 0) + days{1},
       "příště 7.12.2026 16:00:00"},
      {"/spanek;kd;t/23:00/;klid/15/", V(22, 0), V(12, 0) + days{1}, V(13, 0) + days{1}, "příště 5.12.2026 23:00:00"},
      {"/vypnuti;t/20:00/;po/render.exe/", V(19, 0), V(10, 0) + days{1}, V(11, 0) + days{1},
       "zapomenuto: Vypnutí po skončení programu render.exe, nejdříve 4.12.2026 ve 20:00, neproběhlo: podmínka do "
       "rána nenastala."},
      {"/vypnuti;po/render.exe/", V(10, 0), V(16, 0) + days{1}, V(17, 0) + days{1}, "varování 5.12.2026 16:01:00"},
      {"/vypnuti;t/10:30/;po/render.exe/", V(9, 0), V(10, 45), V(11, 0), "varování 4.12.2026 10:46:00"},
      // A time in the small hours is that night's: watched until 6:00 the same morning.
      {"/spanek;kd;t/1:00/;klid/15/", V(10, 0), {}, V(12, 0), "příště 5.12.2026 1:00:00"},
      {"/spanek;kd;t/1:00/;klid/15/", V(0, 30), V(11, 45), V(13, 0), "příště 5.12.2026 1:00:00"},
      {"/vypnuti;kd;t/5:00/;po/render.exe/", V(10, 0), V(4, 58) + days{1}, V(6, 0) + days{1},
       "varování 5.12.2026 5:00:30"},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(p.od, p.parametr);
    std::string vysledek;
    while (vysledek.empty() && svet.hodiny.ted < p.konec) {
      const bool bezi = svet.hodiny.ted < p.bezi_do;
      svet.procesy = bezi ? std::vector<std::string>{"render.exe"} : std::vector<std::string>{};
      svet.procesor.celkem += 30'000;
      svet.procesor.necinny += bezi ? 0 : 30'000;
      svet.hodiny.ted += seconds{30};
      CasovacTik();
      if (stav.UpozorneniBezi == 1)
        vysledek = "varování " + FormatDatum(svet.hodiny.ted) + " " + FormatCasSekundy(svet.hodiny.ted);
    }
    if (vysledek.empty() && stav.Neaktivni == 0) {
      vysledek = "příště " + FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas);
    }
    for (const auto& radek : svet.log) {
      if (radek.starts_with("bublina ")) vysledek = "zapomenuto: " + radek.substr(8);
    }
    EXPECT_EQ(vysledek, p.vysledek) << p.parametr;
  }
  // The last one cancelled: the next day's, not the same morning's.
  cmKZS_Click();
  EXPECT_EQ(FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas), "6.12.2026 5:00:00");
  // Given in the evening, a night time of the same date has passed, watch and all.
  svet.hodiny.ted = V(22, 0);
  EXPECT_EQ(Rozeber("/vypnuti;t/1:00/;po/render.exe/", true, false), Rozbor::Vyprselo);
}

// A check that comes long after the one before (the computer slept, the program stood still) proves no
// quiet: the quiet counts from then.
TEST_F(Podminka, SpanekNeniKlid) {
  Spust(V(10, 0), "/spanek;klid/2/");
  TikejDo(V(10, 1));
  svet.hodiny.ted += minutes{30};  // asleep, no tick; its moment is no moment to be missed
  ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
  TikejDo(V(10, 32, 55));
  EXPECT_EQ(stav.UpozorneniBezi, 0);
  TikejDo(V(10, 33, 5));
  EXPECT_EQ(stav.UpozorneniBezi, 1);
}

// Only the adapters that carry the computer's own traffic count: a virtual switch that calls itself
// Ethernet, a tunnel, a filter driver and the loopback would count the same bytes again.
TEST(Klid, SitJenFyzickeAdaptery) {
  const struct {
    std::uint32_t typ;
    bool filtr, hardware, pocita;
  } pripady[] = {{6, false, true, true},    {71, false, true, true},  {243, false, true, true},
                 {244, false, true, true},  {6, false, false, false}, {6, true, true, false},
                 {131, false, true, false}, {24, false, false, false}};
  for (const auto& p : pripady) EXPECT_EQ(PocitatAdapter(p.typ, p.filtr, p.hardware), p.pocita) << p.typ;
}

// The warning minute as for any schedule, then the action; nothing is asked of the system while no
// condition is armed, and nothing starts when it cannot answer.
TEST_F(Podminka, VarovaniAkceACenaHlidani) {
  Spust(V(10, 0), "/vypnuti;po/render.exe/");
  svet.procesy = {"render.exe"};
  TikejDo(V(10, 1));
  EXPECT_EQ(svet.dotazu_cinnosti, 12) << "once in 5 s";
  svet.procesy.clear();
  TikejDo(V(10, 1, 10));
  EXPECT_EQ(stav.UpozorneniBezi, 1);
  TikejDo(V(10, 2, 11));
  EXPECT_EQ(
      svet.Log({"tip", "lblUC", "hodiny", "SetTimer"}),
      (std::vector<std::string>{"ukaz storno", "privilegium", "KillTimer", "ExitWindowsEx 0x0000000D 0x80040001"}));

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
      {"/vypnuti;dny/po-pa/;t/8:00/;po/a.exe/", V(10, 1),  // passed today: watched from now
       "Vypnutí po skončení programu a.exe.", "Vypnutí po skončení programu a.exe, nejdříve v pracovní dny v 08:00."},
      {"/vypnuti;dny/so-ne/;t/8:00/;po/a.exe/", V(10, 1), "Vypnutí po skončení programu a.exe, nejdříve zítra v 08:00.",
       "Vypnutí po skončení programu a.exe, nejdříve o víkendu v 08:00."},
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
