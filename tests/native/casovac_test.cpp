#include "scheduler/casovac.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "beh_programu.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "scheduler/upozorneni.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class Tik : public BehProgramu {};

Cas V(int hodina, int minuta, int sekunda = 0) { return SlozCas(2026, 12, 4, hodina, minuta, sekunda); }

}  // namespace

TEST_F(Tik, NaplanovaneVypnutiAzDoKonce) {
  Spust(V(15, 0, 10), "/vypnuti;t/15:33/");
  EXPECT_EQ(svet.ulozeny_parametr, UlozenyTvar("/vypnuti;t/15:33/;d/4.12.2026/"));

  TikejDo(V(15, 2, 30));
  EXPECT_THAT(svet.Log(), ElementsAre("tip Vypnutí za 32 minut.", "tip Vypnutí za 31 minut."));

  svet.log.clear();
  TikejDo(V(15, 32, 0));
  EXPECT_EQ(svet.Log().back(), "tip Vypnutí za 1 minutu.");
  EXPECT_EQ(svet.Log({"tip"}), std::vector<std::string>{"ukaz storno"});

  svet.log.clear();
  TikejDo(V(15, 32, 58));
  const auto odpocet = svet.Log();
  ASSERT_EQ(odpocet.size(), 58u);
  EXPECT_EQ(odpocet[0], "lblUC Vypnutí za 59 vteřin.");
  EXPECT_EQ(odpocet[54], "lblUC Vypnutí za 5 vteřin.");
  EXPECT_EQ(odpocet[55], "lblUC Vypnutí za 4 vteřiny.");
  EXPECT_EQ(odpocet[57], "lblUC Vypnutí za 2 vteřiny.");

  // The last second says goodbye; the action comes when the minute is whole.
  svet.log.clear();
  TikejDo(V(15, 32, 59));
  EXPECT_THAT(svet.Log(), ElementsAre("lblUC Nashledanou"));
  svet.log.clear();
  TikejDo(V(15, 33, 0));
  EXPECT_THAT(svet.Log(), ElementsAre("tip Nashledanou", "lblUC Nashledanou", "privilegium", "KillTimer",
                                      "ExitWindowsEx 0x0000000D 0x80040001", "SetTimer"));
  // A one-off schedule is forgotten once it has been carried out.
  EXPECT_EQ(svet.ulozeny_parametr, "");
  EXPECT_EQ(svet.run, "");
  EXPECT_EQ(svet.run_once, "");

  // The session went on for a minute (an aborted shut-down): the program comes back and says so.
  svet.log.clear();
  TikejDo(V(15, 40, 0));
  EXPECT_THAT(svet.Log(), ElementsAre("schovej", "tip Počítač se nepodařilo vypnout: systém do minuty nic neudělal.",
                                      "bublina Počítač se nepodařilo vypnout: systém do minuty nic neudělal."));
}

// A dated schedule waits for its day: the same minute today is not its warning minute.
TEST_F(Tik, DatovanyPlanCekaNaSvujDen) {
  Spust(V(15, 0, 10), "/vypnuti;d/5.12.2026/;t/15:33/");
  TikejV(V(15, 32, 0));
  EXPECT_THAT(svet.Log(), ElementsAre("tip Vypnutí za 1 den a 1 minutu."));
  svet.log.clear();
  TikejV(SlozCas(2026, 12, 5, 15, 32, 0));
  EXPECT_THAT(svet.Log({"tip"}), ElementsAre("ukaz storno"));
}

TEST(OknoOdDo, HodinaAMinutaUvnitr) {
  const struct {
    int od_h, od_m, do_h, do_m, h, m;
    bool uvnitr;
  } pripady[] = {
      {22, 0, 6, 0, 21, 59, false},   {22, 0, 6, 0, 22, 0, true},      {22, 0, 6, 0, 3, 15, true},
      {22, 0, 6, 0, 6, 0, true},      {22, 0, 6, 0, 6, 1, false},      {22, 0, 6, 0, 12, 0, false},
      {22, 10, 22, 50, 22, 10, true}, {22, 10, 22, 50, 22, 51, false}, {22, 10, 22, 50, 21, 30, false},
      {22, 10, 22, 20, 22, 20, true}, {22, 10, 22, 20, 22, 21, false}, {8, 30, 17, 15, 8, 29, false},
      {8, 30, 17, 15, 12, 0, true},   {8, 30, 17, 15, 17, 16, false},
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(VOknu(p.od_h, p.od_m, p.do_h, p.do_m, p.h, p.m), p.uvnitr)
        << p.od_h << ":" << p.od_m << "-" << p.do_h << ":" << p.do_m << " at " << p.h << ":" << p.m;
  }
  // The same hour with the end before the start: never inside.
  for (int m = 0; m < 1440; ++m) EXPECT_FALSE(VOknu(22, 50, 22, 10, m / 60, m % 60)) << m;
}

TEST_F(Tik, OknoOdDoVypneHnedJakHodinyVstoupi) {
  Spust(V(5, 0, 10), ";od/22:00-06:00/;kd");
  TikejV(V(5, 0, 11));  // started inside the window: off at the first tick, and once only
  TikejV(V(5, 0, 12));
  EXPECT_THAT(svet.Log({"hodiny"}),
              ElementsAre("privilegium", "KillTimer", "ExitWindowsEx 0x0000000D 0x80040001", "SetTimer"));
  // A daily window stays registered for the next log-on.
  EXPECT_EQ(svet.ulozeny_parametr, UlozenyTvar(";od/22:00-06:00/;kd"));
}

// What the warning shows by the options. The window sounds once as it appears, and a screen reader hears
// the countdown every ten seconds and once more at five, while it is shown; hidden or not, it runs and acts.
TEST_F(Tik, UpozorneniPodleVoleb) {
  const struct {
    const char* parametr;
    std::vector<std::string> pri_varovani;
  } pripady[] = {
      {"/vypnuti;t/15:33/", {"ukaz storno", "tip Vypnutí za 1 minutu."}},
      {"/vypnuti;zs;t/15:33/", {"ukaz bez storna", "ikona pryc", "tip Vypnutí za 1 minutu."}},
      {"/vypnuti;ss;t/15:33/", {"tip Vypnutí za 1 minutu."}},
      {"/vypnuti;ss;zs;t/15:33/", {"ikona pryc", "tip Vypnutí za 1 minutu."}},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    svet.ohlasy.clear();
    svet.zazneni = 0;
    Spust(V(15, 0, 10), p.parametr);
    TikejV(V(15, 32, 0));
    EXPECT_EQ(svet.Log(), p.pri_varovani) << p.parametr;
    TikejDo(V(15, 33, 0));
    EXPECT_EQ(svet.Log({"SetTimer"}).back(), "ExitWindowsEx 0x0000000D 0x80040001") << p.parametr;
    const bool ukazano = p.pri_varovani[0].starts_with("ukaz");
    EXPECT_EQ(svet.ohlasy, ukazano ? std::vector<int>({50, 40, 30, 20, 10, 5}) : std::vector<int>()) << p.parametr;
    EXPECT_EQ(svet.zazneni, ukazano ? 1 : 0) << p.parametr;
  }
}

TEST_F(Tik, HlavniOknoSleduje) {
  Spust(V(15, 0, 10), "/vypnuti;t/15:33/");
  stav.HlavniOtevreno = 1;
  TikejV(V(15, 1, 0));
  svet.hint = true;  // a button's hint occupies the status bar
  TikejV(V(15, 2, 0));
  TikejV(V(15, 32, 1));
  EXPECT_THAT(svet.Log(), ElementsAre("hodiny 15:01:00 pátek, 4.prosince 2026", "tip Vypnutí za 32 minut.",
                                      "sb 32516 Vypnutí za 32 minut.", "hodiny 15:02:00 pátek, 4.prosince 2026",
                                      "tip Vypnutí za 31 minut.", "hodiny 15:32:01 pátek, 4.prosince 2026",
                                      "ukaz storno", "tip Vypnutí za 1 minutu."));
  svet.log.clear();
  TikejV(V(15, 32, 2));  // the countdown ignores the hint, and has its whole minute from 15:32:01
  EXPECT_THAT(svet.Log({"hodiny"}), ElementsAre("lblUC Vypnutí za 59 vteřin.", "sb 32515 Vypnutí za 59 vteřin."));
}

// Armed late in its warning minute (in a number of minutes, or for a time a few seconds off), a schedule
// still gives the warning its whole minute: the action comes no sooner than 60 s after it appeared, and
// the screen is held on in between.
TEST_F(Tik, VarovaniMaCelouMinutu) {
  for (const char* parametr : {"/vypnuti;t/1/", "/vypnuti;t/15:32/"}) {
    Spust(V(15, 31, 57), parametr);
    Cas varovani{}, akce{};
    for (int s = 0; s < 70 && akce == Cas{}; ++s) {
      svet.hodiny.ted += std::chrono::seconds{1};
      CasovacTik();
      if (varovani == Cas{} && stav.UpozorneniBezi == 1) varovani = svet.hodiny.ted;
      if (svet.log.back().starts_with("SetTimer")) akce = svet.hodiny.ted;
    }
    EXPECT_EQ(FormatCasSekundy(varovani) + "-" + FormatCasSekundy(akce), "15:31:58-15:32:58") << parametr;
    EXPECT_EQ(svet.bdelost.at(0).first, bdelost::Trvale | bdelost::System | bdelost::Displej) << parametr;
    svet.bdelost.clear();
  }
}

// A cancel ends a one-off schedule, for the next log-on too; a daily one loses that day only. A one-off
// sleep carried out is forgotten as well.
TEST_F(Tik, StornoHlasiAOteviraHlavniOkno) {
  const struct {
    const char* parametr;
    bool storno;
    const char* tip;
    const char* ulozeno;  // afterwards
  } pripady[] = {
      {"/spanek;t/15:33/", true, "Spánek bylo stornováno.", ""},
      {"/spanek;kd;t/15:33/", true, "Spánek bylo stornováno. Příště proběhne zítra v 15:33.", "/spanek;kd;t/15:33/"},
      {"/spanek;t/15:33/", false, "Spuštěné uspání dokončeno.", ""},
  };
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    Spust(V(15, 0, 10), p.parametr);
    TikejDo(V(15, 32, 30));
    svet.log.clear();
    if (p.storno) {
      cmKZS_Click();
      EXPECT_THAT(svet.Log({"hodiny"}),
                  ElementsAre("schovej", std::string("tip ") + p.tip, "hlavni okno", std::string("sb 32516 ") + p.tip));
    }
    TikejDo(V(15, 34, 0));
    EXPECT_EQ(svet.Log({"SetSuspendState"}).size() == svet.log.size(), p.storno) << p.parametr;
    if (!p.storno) {
      EXPECT_EQ(svet.tip, p.tip);
    }
    EXPECT_EQ(svet.ulozeny_parametr, *p.ulozeno ? UlozenyTvar(p.ulozeno) : "") << p.parametr;
    EXPECT_EQ(stav.Neaktivni, *p.ulozeno ? 0 : 1) << p.parametr;
  }
}
