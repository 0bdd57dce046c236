// Sleep, changes of the clock and the wake timer: no schedule is silently lost or left armed in the past.

#include "falesny_svet.h"

// Started and ticked once, so that the program has seen the clock before anything happens to it.
struct Zmeskane : Svet {
  void Spust(Cas kdy, const std::string& parametr) {
    svet.Arm(parametr, kdy);
    CasovacTik();
    svet.log.clear();
  }
};

// Over a full-screen program, in a presentation, in quiet hours or with nobody at the screen, a
// balloon would be seen by no one: it waits, its text in the tooltip, and comes as soon as the user can
// see it. A one-off and a daily schedule missed at 15:33.
TEST_F(Zmeskane, BublinaPockaNaUzivatele) {
  Tabulka({{"/restart;t/15:33/",
            "Restartování naplánované na 15:33 neproběhlo, počítač v tu dobu nebyl v provozu. | bublina ~, tip Vypnutí "
            "počítače"},
           {"/spanek;kd;t/15:33/",
            "Spánek naplánovaný na 15:33 neproběhl, počítač v tu dobu nebyl v provozu. Příště proběhne zítra v 15:33. "
            "| bublina ~, tip Spánek za 23 hodin a 47 minut."},
           {"/hibernace;t/15:33/",
            "Hibernace naplánovaná na 15:33 neproběhla, počítač v tu dobu nebyl v provozu. | bublina ~, tip Vypnutí "
            "počítače"}},
          [&](const std::string& parametr) {
            svet.stav_uzivatele = 4;  // a presentation
            Spust(V(15, 30, 30), parametr);
            svet.Spi(13min);
            svet.Tikej(3min);  // the tooltip's minute changes come and go
            EXPECT_EQ(Spoj(svet.Log({"tip", "hodiny"})), "") << parametr;
            Formular f;
            NactiHlavniOkno(f, "");
            const std::string text = svet.tip;
            svet.stav_uzivatele = 5;
            std::string potom = svet.Behem(svet.hodiny.ted + 1s, {"hodiny", "sb"});
            Form_Unload();
            if (const auto i = potom.find(text); !text.empty() && i != std::string::npos)
              potom.replace(i, text.size(), "~");
            return text + " | " + potom;
          });
}

// A sleep that cuts a countdown counts in real time, with what the countdown was late already: two
// sleeps of a few minutes are more than ten in all; a short one over daylight saving's hour is not.
// A row: started at, the schedule, asleep from the start for so long (the warning minute passed), then awake
// for so long, then asleep again for so long, the wall clock moved meanwhile, and whether the warning comes
// again with its whole minute.
TEST_F(Zmeskane, SpankyVOdpoctu) {
  const std::tuple<Cas, const char*, minutes, seconds, seconds, hours, bool> pripady[] = {
      {V(15, 31, 0), "/vypnuti;t/15:33/", 8min, 30s, 5min, 0h, false},
      // Armed 50 s into its warning minute, then asleep past the countdown's end by 9 min 20 s.
      {V(15, 32, 50), "/vypnuti;t/15:33/", 0min, 30s, 590s, 0h, false},
      {SlozCas(2026, 3, 29, 1, 58, 0), "/vypnuti;t/1:59/", 0min, 30s, 2min, 1h, true},
  };
  for (const auto& [start, parametr, prvni, do_druheho, druhy, posun, znovu] : pripady) {
    Spust(start, parametr);
    if (prvni > 0min) svet.Spi(prvni);
    ASSERT_EQ(stav.UpozorneniBezi, 1) << parametr;
    svet.Tikej(do_druheho);
    svet.log.clear();
    svet.hodiny.Posun(posun);
    svet.Spi(druhy);
    const bool varuje = stav.UpozorneniBezi == 1;
    svet.Tikej(5min);
    EXPECT_EQ(std::pair(varuje, Spoj(svet.log).find("ExitWindowsEx") != std::string::npos), std::pair(znovu, znovu))
        << parametr;
  }
}

// "v" or "ve" before the hour as it is read aloud: ve dvě, v pět, ve dvanáct, v patnáct, ve dvacet.
TEST_F(Zmeskane, PredlozkaPredHodinou) {
  stav.Akce = akce::Vypnuti;
  stav.AkceNazev = "Vypnutí";
  std::vector<std::string> konce;
  for (int h : {1, 2, 4, 5, 11, 12, 14, 15, 19, 20, 23}) {
    const std::string text = TextZmeskani(V(h, 5), V(23, 59), V(h, 5, 0, 5)), pristi = "Příště proběhne zítra ";
    const auto i = text.rfind(pristi);
    konce.push_back(i == std::string::npos ? text : text.substr(i + pristi.size()));
  }
  EXPECT_EQ(Spoj(konce),
            "v 01:05., ve 02:05., ve 04:05., v 05:05., v 11:05., ve 12:05., ve 14:05., v 15:05., v 19:05., ve 20:05., "
            "ve 23:05.");
}

// Woken by its own timer (no user there), the computer is held awake until the warning takes over the
// hold, and let go when the action is done; a resume at another time, or with nothing armed, holds nothing.
TEST_F(Zmeskane, ProbuzeniDrziPocitacVzhuru) {
  // The timer's moment is 15:32; at 15:10 the user woke it; a lock has no wake timer.
  // clang-format off
  const std::tuple<const char*, Cas, bool> pripady[] = {
      {"/vypnuti;t/15:33/", V(15, 31, 50), true}, {"/vypnuti;t/15:33/", V(15, 32, 0), true},
      {"/vypnuti;t/15:33/", V(15, 10, 0), false}, {"/restart;kd;t/15:40/", V(15, 37, 30), true},
      {"/zamceni;t/15:33/", V(15, 31, 50), false}};
  // clang-format on
  for (const auto& [parametr, probuzeni, drzi] : pripady) {
    Spust(V(15, 0), parametr);
    svet.bdelost.clear();
    svet.hodiny.ted = probuzeni;
    svet.Spi(0s);
    const bool drzel = stav.Bdely != 0;
    svet.Tikej(V(15, 45));
    // Held from the wake-up (the system) or the warning (the screen too) to the action, then let go.
    EXPECT_EQ(std::tuple(drzel, stav.Bdely, svet.bdelost.size(), svet.bdelost.back().first),
              std::tuple(drzi, 0u, drzi ? 3u : 2u, bdelost::Trvale))
        << parametr << " " << FormatCasSekundy(probuzeni);
  }
}
