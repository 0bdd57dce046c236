// Sleep, changes of the clock and the wake timer: no schedule is silently lost or left armed in the past.
#include "scheduler/zmeskane.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>

#include "beh_programu.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "program/predani.h"
#include "scheduler/casovac.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zpravy_okna.h"
#include "ui/main_window/hlavni_okno.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::chrono;

namespace {

// The balloons of a one-off and of a daily schedule missed at 15:33.
constexpr const char* BublinaRestart =
    "Restartování naplánované na 15:33 neproběhlo, počítač v tu dobu nebyl v provozu.";
constexpr const char* BublinaSpanek =
    "Spánek naplánovaný na 15:33 neproběhl, počítač v tu dobu nebyl v provozu. Příště proběhne zítra v 15:33.";

Cas V(int hodina, int minuta, int sekunda = 0, int den = 4) { return SlozCas(2026, 12, den, hodina, minuta, sekunda); }

// Started and ticked once, so that the program has seen the clock before anything happens to it.
class Zmeskane : public BehProgramu {
 protected:
  void Spust(Cas kdy, const std::string& parametr) {
    BehProgramu::Spust(kdy, parametr);
    CasovacTik();
    svet.log.clear();
  }
  // Ticks once a second for the given time; true when the action came within it.
  bool Tikej(seconds jak_dlouho) {
    TikejDo(svet.hodiny.ted + jak_dlouho);
    return std::any_of(svet.log.begin(), svet.log.end(), [](const std::string& r) {
      return r.starts_with("ExitWindowsEx") || r.starts_with("SetSuspendState") || r.starts_with("LockWorkStation");
    });
  }
  // The computer asleep for a while, then resumed: the system says so before the next tick.
  void Spi(seconds jak_dlouho) {
    svet.hodiny.ted += jak_dlouho;
    ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
  }
};

}  // namespace

// Missed by up to 10 minutes, the warning comes at once with its whole minute; by more, a one-off
// schedule is forgotten and a daily one moves to tomorrow, and a balloon tells why.
TEST_F(Zmeskane, SpankemPresMinutuVarovani) {
  const struct {
    const char* parametr;
    int minut;  // asleep from 15:30:30 for this many minutes and 30 s
    bool varovani;
    const char* bublina;  // empty: none
    const char* ulozeno;  // what the store holds afterwards
  } pripady[] = {
      {"/restart;t/15:33/", 3, true, "", ""},                // missed by 1; carried out, and forgotten then
      {"/restart;t/15:33/", 12, true, "", ""},               // by 10
      {"/restart;t/15:33/", 13, false, BublinaRestart, ""},  // by 11
      {"/spanek;kd;t/15:33/", 13, false, BublinaSpanek, "/spanek;kd;t/15:33/"},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(V(15, 30, 30), p.parametr);
    Spi(minutes{p.minut});
    const auto log = svet.Log();
    if (p.varovani) {
      EXPECT_THAT(log, ElementsAre("ukaz storno")) << p.parametr << " " << p.minut;
      EXPECT_FALSE(Tikej(seconds{58})) << "the whole minute to cancel";
      EXPECT_TRUE(Tikej(seconds{2})) << p.parametr;
    } else {
      EXPECT_THAT(svet.Log({"tip"}), ElementsAre(std::string("bublina ") + p.bublina)) << p.parametr;
      if (!*p.ulozeno) {
        EXPECT_EQ(svet.tip, "Vypnutí počítače") << "forgotten: the idle tooltip at once";
      }
      svet.log.clear();
      EXPECT_FALSE(Tikej(hours{23})) << "nothing more today";
    }
    EXPECT_EQ(svet.ulozeny_parametr, *p.ulozeno ? UlozenyTvar(p.ulozeno) : "") << p.parametr;
  }
  // The daily one is armed for tomorrow.
  EXPECT_EQ(stav.Neaktivni, 0);
  EXPECT_EQ(FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas), "5.12.2026 15:33:00");
}

// Over a full-screen program, in a presentation, in quiet hours or with nobody at the screen, a
// balloon would be seen by no one: it waits, its text in the tooltip and the status bar, and comes as
// soon as the user can see it.
TEST_F(Zmeskane, BublinaPockaNaUzivatele) {
  const struct {
    int stav;  // QUERY_USER_NOTIFICATION_STATE; 0: the shell could not say
    bool uvidi;
  } stavy[] = {{0, true}, {1, false}, {2, false}, {3, false}, {4, false}, {5, true}, {6, false}, {7, false}};
  for (const auto& s : stavy) EXPECT_EQ(BublinuUvidi(s.stav), s.uvidi) << s.stav;

  const struct {
    const char* parametr;
    const char* text;
    const char* tip_potom;
  } pripady[] = {
      {"/restart;t/15:33/", BublinaRestart, "Vypnutí počítače"},
      {"/spanek;kd;t/15:33/", BublinaSpanek, "Spánek za 23 hodin a 47 minut."},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    svet.stav_uzivatele = 4;  // a presentation
    Spust(V(15, 30, 30), p.parametr);
    Spi(minutes{13});
    Tikej(minutes{3});  // the tooltip's minute changes come and go
    EXPECT_THAT(svet.Log({"tip", "hodiny"}), IsEmpty()) << p.parametr;
    EXPECT_EQ(svet.tip, p.text);
    Formular f;
    NactiHlavniOkno(f, "");
    EXPECT_EQ(f.sbText, p.text);
    EXPECT_EQ(f.sbIkona, ikona::Vykricnik);
    svet.log.clear();
    svet.stav_uzivatele = 5;
    Tikej(seconds{1});
    EXPECT_THAT(svet.Log({"hodiny", "sb"}),
                ElementsAre(std::string("bublina ") + p.text, std::string("tip ") + p.tip_potom));
    Form_Unload();
  }
}

// A countdown the computer slept through is a missed moment like any other, never carried out late:
// past its end by up to 10 minutes it starts again with its whole minute, by more it goes (a daily one
// to tomorrow).
TEST_F(Zmeskane, SpankemUprostredOdpoctu) {
  const struct {
    const char* parametr;
    seconds spanek;     // from 15:32:40, 20 s before the end
    bool znovu;         // the warning again with its whole minute
    const char* cil;    // the schedule afterwards; empty: forgotten
  } pripady[] = {
      {"/vypnuti;zs;t/15:33/", minutes{5}, true, "4.12.2026 15:33:00"},
      {"/vypnuti;t/15:33/", minutes{30}, false, ""},
      {"/zamceni;kd;zs;t/15:33/", minutes{30}, false, "5.12.2026 15:33:00"},
  };
  for (const auto& p : pripady) for (const bool ohlaseno : {true, false}) {
    stav = StavPlanu{};
    Spust(V(15, 31, 59), p.parametr);
    TikejDo(V(15, 32, 40));
    ASSERT_EQ(stav.UpozorneniBezi, 1) << p.parametr;
    svet.log.clear();
    if (ohlaseno) {
      Spi(p.spanek);
    } else {  // the first tick comes before the system's word of the resume
      svet.hodiny.ted += p.spanek;
      CasovacTik();
    }
    const std::string kontext =
        std::string(p.parametr) + " " + std::to_string(p.spanek.count()) + (ohlaseno ? "" : " tick first");
    const auto log = svet.Log({"tip", "ikona", "lblUC"});
    ASSERT_FALSE(log.empty()) << kontext;
    EXPECT_EQ(log[0], "schovej") << kontext;
    EXPECT_EQ(log.back().starts_with("bublina"), !p.znovu) << kontext;
    if (p.znovu) {
      EXPECT_EQ(log.back(), stav.ZakazStorna ? "ukaz bez storna" : "ukaz storno") << kontext;
      svet.log.clear();
      EXPECT_FALSE(Tikej(seconds{58})) << kontext;
      EXPECT_TRUE(Tikej(seconds{2})) << kontext;
      continue;
    }
    svet.log.clear();
    EXPECT_FALSE(Tikej(hours{1})) << kontext;
    EXPECT_EQ(stav.Neaktivni == 0 ? FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas) : "",
              p.cil)
        << kontext;
    EXPECT_FALSE(svet.ikona_pryc) << kontext << ": the program can be reached again";
  }
}

// A sleep that cuts a countdown counts in real time, with what the countdown was late already: two
// sleeps of a few minutes are more than ten in all; a short one over daylight saving's hour is not.
TEST_F(Zmeskane, SpankyVOdpoctu) {
  const struct {
    Cas start;
    const char* parametr;
    minutes prvni;       // asleep from the start for so long (the warning minute passed)
    seconds do_druheho;  // then awake for so long, then asleep again
    seconds druhy;
    hours posun;  // the wall clock moved meanwhile
    bool znovu;   // the warning again, with its whole minute
  } pripady[] = {
      {V(15, 31, 0), "/vypnuti;t/15:33/", minutes{8}, seconds{30}, minutes{5}, hours{0}, false},
      // Armed 50 s into its warning minute, then asleep past the countdown's end by 9 min 20 s.
      {V(15, 32, 50), "/vypnuti;t/15:33/", minutes{0}, seconds{30}, seconds{590}, hours{0}, false},
      {SlozCas(2026, 3, 29, 1, 58, 0), "/vypnuti;t/1:59/", minutes{0}, seconds{30}, minutes{2}, hours{1}, true},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(p.start, p.parametr);
    if (p.prvni > minutes{0}) Spi(p.prvni);
    ASSERT_EQ(stav.UpozorneniBezi, 1) << p.parametr;
    TikejDo(svet.hodiny.ted + p.do_druheho);
    svet.log.clear();
    svet.hodiny.Posun(p.posun);
    Spi(p.druhy);
    EXPECT_EQ(stav.UpozorneniBezi == 1, p.znovu) << p.parametr;
    EXPECT_EQ(Tikej(minutes{5}), p.znovu) << p.parametr;
  }
}

// A day's moment carried out is the day's: a clock set back over it (in its countdown, by 81 minutes)
// does not bring it again the same day.
TEST_F(Zmeskane, HodinyZpetPoAkci) {
  Spust(V(15, 30, 0), "/zamceni;kd;t/15:36/");
  svet.hodiny.Posun(minutes{73});  // past the moment in no time: the warning is due
  ZpracujZpravuOkna(zpravy_okna::ZmenaCasu, 0, 0);
  Tikej(seconds{1});
  svet.hodiny.Posun(-minutes{81});
  EXPECT_TRUE(Tikej(seconds{70}));
  svet.log.clear();
  EXPECT_FALSE(Tikej(minutes{20}));
  EXPECT_EQ(FormatDatum(stav.CilovyCas), "5.12.2026");
}

// A timer started again after an action that did not end the session (here a closing of programs held
// half an hour) does not make the moment missed meanwhile a new one: it is forgotten, not carried out
// 20 minutes late.
TEST_F(Zmeskane, CasovacZnovuPoDlouhemZavirani) {
  Spust(V(21, 50, 0), "/restart;t/22:00/");
  svet.priZavirani = [&] { svet.hodiny.ted += minutes{30}; };
  PrijmiPokyn("/vypnuti;kv");
  svet.log.clear();
  EXPECT_FALSE(Tikej(minutes{5}));
  EXPECT_EQ(stav.Neaktivni, 1);
}

// The wake timer follows a new time zone, and a set the system refused is tried again.
TEST_F(Zmeskane, ProbuzeniPoZmeneCasuASelhani) {
  svet.probuzeni_selze = true;
  Spust(V(10, 0, 0), "/vypnuti;t/15:33/");
  Tikej(seconds{2});
  svet.probuzeni_selze = false;
  Tikej(seconds{2});
  ZpracujZpravuOkna(zpravy_okna::ZmenaCasu, 0, 0);
  EXPECT_THAT(svet.probuzeni, ElementsAre("4.12.2026 15:32:00 selhalo", "4.12.2026 15:32:00 selhalo",
                                          "4.12.2026 15:32:00 selhalo", "4.12.2026 15:32:00",
                                          "4.12.2026 15:32:00"));
}

// "v" or "ve" before the hour as it is read aloud: ve dvě, v pět, ve dvanáct, v patnáct, ve dvacet.
TEST_F(Zmeskane, PredlozkaPredHodinou) {
  stav.Akce = akce::Vypnuti;
  stav.AkceNazev = "Vypnutí";
  const struct {
    int hodina;
    const char* konec;
  } pripady[] = {{1, "v 01:05."}, {2, "ve 02:05."}, {4, "ve 04:05."}, {5, "v 05:05."}, {11, "v 11:05."},
                 {12, "ve 12:05."}, {14, "ve 14:05."}, {15, "v 15:05."}, {19, "v 19:05."}, {20, "ve 20:05."},
                 {23, "ve 23:05."}};
  for (const auto& p : pripady) {
    const std::string text = TextZmeskani(V(p.hodina, 5), V(23, 59), V(p.hodina, 5, 0, 5));
    EXPECT_TRUE(text.ends_with(std::string("Příště proběhne zítra ") + p.konec)) << text;
  }
}

// The clock set forward over the moment, and the hour that daylight saving skips: no time went by, so
// the warning is due at once; set back over it, it comes once, not twice; set back in the middle of the
// countdown, it neither stops it nor starts it again.
TEST_F(Zmeskane, PosunyHodin) {
  Spust(V(1, 59, 58), "/vypnuti;t/2:30/");
  svet.hodiny.Posun(hours{1});  // 2:00 is 3:00
  Tikej(seconds{1});
  EXPECT_THAT(svet.Log({"tip"}), ElementsAre("ukaz storno"));
  EXPECT_TRUE(Tikej(seconds{60}));

  stav = StavPlanu{};
  Spust(V(2, 28, 0), "/vypnuti;t/2:30/");
  EXPECT_TRUE(Tikej(minutes{2}));
  svet.log.clear();
  svet.hodiny.Posun(-hours{1});  // 3:00 is 2:00 again
  EXPECT_FALSE(Tikej(hours{1}));

  stav = StavPlanu{};
  Spust(V(10, 0, 0), "/vypnuti;t/15:33/");
  svet.hodiny.Posun(hours{6});  // set forward by hand: the clock says the time has come
  ZpracujZpravuOkna(zpravy_okna::ZmenaCasu, 0, 0);
  EXPECT_THAT(svet.Log({"tip"}), ElementsAre("ukaz storno"));

  stav = StavPlanu{};
  Spust(V(15, 31, 59), "/vypnuti;t/15:33/");
  Tikej(seconds{31});  // the warning at 15:32:00, now 15:32:30
  svet.hodiny.Posun(-minutes{10});
  EXPECT_FALSE(Tikej(seconds{28}));
  EXPECT_TRUE(Tikej(seconds{2}));
  EXPECT_EQ(svet.Log({"SetTimer"}).back(), "ExitWindowsEx 0x0000000D 0x80040001");
}

TEST_F(Zmeskane, TipNikdyNepocitaZaporne) {
  Spust(V(15, 0, 0), "/vypnuti;t/15:33/");
  EXPECT_EQ(TextTipu(V(15, 40, 0)), "Vypnutí za 1 minutu.");
}

// The wake timer follows a shut-down or restart schedule: set, moved, and cancelled with it.
TEST_F(Zmeskane, ProbuzeniSeSchematem) {
  Spust(V(10, 0, 0), "/vypnuti;t/15:33/");
  ASSERT_TRUE(RozeberParametr("/restart;t/16:00/", true, false));
  CasovacTik();
  cmKZS_Click();
  CasovacTik();
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/16:00/;po/x.exe/", true, false));  // its moment only begins a watch
  CasovacTik();
  ASSERT_TRUE(RozeberParametr("/spanek;t/16:00/", true, false));  // sleep needs no waking
  CasovacTik();
  ASSERT_TRUE(RozeberParametr(";od/22:00-23:00/", true, false));  // a window acts only while running
  CasovacTik();
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/10:02/", true, false));
  CasovacTik();
  Tikej(seconds{60});  // the warning is on: nothing more to wake for
  EXPECT_THAT(svet.probuzeni, ElementsAre("4.12.2026 15:32:00", "4.12.2026 15:59:00", "zrus", "4.12.2026 10:01:00",
                                          "zrus"));
  Casovac(true);
  Casovac(false);
  EXPECT_EQ(svet.probuzeni.size(), 5u) << "nothing set: nothing to cancel";
  cmKZS_Click();
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/16:00/", true, false));
  CasovacTik();
  Casovac(false);
  EXPECT_EQ(svet.probuzeni.back(), "zrus") << "the timer off takes its wake timer with it";
}

// Woken by its own timer (no user there), the computer is held awake until the warning takes over the
// hold, and let go when the action is done; a resume at another time, with nothing armed, or followed
// by no countdown within 5 minutes holds nothing, or no longer.
TEST_F(Zmeskane, ProbuzeniDrziPocitacVzhuru) {
  const struct {
    const char* parametr;
    Cas probuzeni;
    bool drzi;
  } pripady[] = {
      {"/vypnuti;t/15:33/", V(15, 31, 50), true},  // the timer's moment is 15:32
      {"/vypnuti;t/15:33/", V(15, 32, 0), true},
      {"/vypnuti;t/15:33/", V(15, 10, 0), false},  // the user woke it earlier
      {"/restart;kd;t/15:40/", V(15, 37, 30), true},
      {"/zamceni;t/15:33/", V(15, 31, 50), false},  // no wake timer for a lock
  };
  for (const auto& p : pripady) {
    Spust(V(15, 0), p.parametr);
    svet.bdelost.clear();
    svet.hodiny.ted = p.probuzeni;
    ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
    EXPECT_EQ(stav.Bdely != 0, p.drzi) << p.parametr << " " << FormatCasSekundy(p.probuzeni);
    TikejDo(V(15, 45));
    EXPECT_EQ(stav.Bdely, 0u) << p.parametr;
    // Held from the wake-up (the system) or the warning (the screen too) to the action, then let go.
    EXPECT_EQ(svet.bdelost.size(), p.drzi ? 3u : 2u) << p.parametr;
    EXPECT_EQ(svet.bdelost.back().first, bdelost::Trvale) << p.parametr;
  }

  // Woken, and then no countdown: the schedule was moved on by hand.
  Spust(V(15, 0), "/vypnuti;t/15:33/");
  svet.hodiny.ted = V(15, 31, 50);
  ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
  ASSERT_NE(stav.Bdely, 0u);
  stav.Den = stav.Den + 1;
  stav.CilovyCas += days{1};
  Tikej(minutes{6});
  EXPECT_EQ(stav.Bdely, 0u) << "held past 5 minutes without a countdown";
}
