// The settings editor of the real vypnuti.exe, driven with the mouse and the keyboard as a user
// drives it: a new schedule, a postponement and its end, a from-to window, what the time box refuses
// and when it is checked, the days of the week and the condition's list.
#include "program_e2e.h"

// The program with nothing armed and its main window open.
struct Editor_e2e : Program_e2e {
  void SetUp() override {
    Program_e2e::SetUp();
    ASSERT_TRUE(DOCKEJ(5s, IsWindowVisible(program.emplace(L"").Hlavni())));
  }
  void TearDown() override { program.reset(), Program_e2e::TearDown(); }
  std::optional<Proces> program;
};

// "Nové", "Restartovat", a time typed with a dot and a date with commas (a new password is typed in
// clear, hidden again once armed), Alt+A, "Ano"; then a postponement, which is not stored and turns
// "Posunutí" red, and "S" that drops it again.
TEST_F(Editor_e2e, NovePosunutiAStop) {
  const std::string zitra = ZaMinut(24 * 60),
                    datum = zitra.substr(zitra.find("d/") + 2, zitra.size() - zitra.find("d/") - 3);
  const std::string carkami = std::regex_replace(datum, std::regex("\\."), ",");
  const std::string parametr = "/restart;t/23:59/;d/" + datum + "/",
                    popis = " lblHN?Restartování_" + datum + "_v_23:59";
  EXPECT_TRUE(Hraj(*program, "maska?* tlHNastaveni opHN2 txtHNCas=23.59 txtHNCas?23:59 Tab txtHNDatum=" + carkami +
                                 " txtHNDatum?" + datum +
                                 " maska? Alt+A box?Opravdu_si_přejete_aktivovat_nastavené_"
                                 "parametry? Ano zbytek?'" +
                                 parametr + "'_Run_RunOnce" + popis + " schranka?" + parametr + " maska?*"));

  EXPECT_TRUE(Hraj(*program, "tlHNastaveniP txtHNCas=90 Alt+A Ano stav?POSUNUTÍ_-_* ulozeny?" + parametr));
  EXPECT_TRUE(DOCKEJ(3s, Text(program->Pole(O::lblHN)).ends_with(L" v " + Text(program->Pole(O::txtHNCas)))));
  EXPECT_TRUE(DOCKEJ(3s, std::ranges::count(Pixely(program->Pole(O::tlHNastaveniP)), RGB(255, 0, 0))));
  EXPECT_TRUE(Hraj(*program, "tlHNastaveniZ tlHNStop" + popis + ". ulozeny?" + parametr));
}

// The row of days comes with "Opakovat každý den" and is one stop of the Tab key: the arrows move in
// it, Space and a click switch a day, a day that is on has the light face, and the schedule keeps the
// days that are on. Then a new schedule, a from-to window.
TEST_F(Editor_e2e, DnyVTydnuAOknoOdDo) {
  EXPECT_TRUE(Hraj(*program,
                   "tlHNastaveni opHN1 txtHNCas=16:00 tlHNDen0?(hidden) chHN0 tlHNDen6?Ne Tab fokus?tlHNDen0 "
                   "Right fokus?tlHNDen1 Space tlHNDen5"));
  const auto plocha = [&](O den) { return Pixely(program->Pole(den), 3, -4, 1, 1)[0]; };  // inside the edge
  SetCursorPos(0, 0);  // no hover look on the day last clicked
  EXPECT_TRUE(DOCKEJ(2s, plocha(O::tlHNDen5) == GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(plocha(O::tlHNDen1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(plocha(O::tlHNDen0), GetSysColor(COLOR_3DHILIGHT));
  EXPECT_TRUE(Hraj(
      *program, "Alt+A Ano ulozeny?/vypnuti;kd;dny/po,st-pa,ne/;t/16:00/ lblHN?Vypnutí_v_po,_st,_čt,_pá,_ne_v_16:00."));

  // A from-to window entered in the window is the same schedule as on the command line.
  EXPECT_TRUE(Hraj(*program,
                   "tlHNastaveni tlHNOdDo lblN0?Od txtHNCas=22.00 Tab txtHNDatum=6.00 txtHNDatum?6:00 chHN0 "
                   "tlHNAktivace Ano ulozeny?;od/22:00-6:00/;kd;zs"));
}

// The row "Podmínka" with the real drop-down list: opened by a click, an entry chosen by the arrows and
// Enter, Tab on to the box; "Změnit" reads the condition back and can put another in (a name does not
// start from minutes). Then a new schedule, what its time box refuses.
TEST_F(Editor_e2e, PodminkaACasovePole) {
  const auto vyber = [](const std::string& klavesy) {
    return " cbHNPodminka seznam?open " + klavesy + " Enter seznam?closed Tab fokus?txtHNPodminka ";
  };
  EXPECT_TRUE(Hraj(*program, "tlHNastaveni opHN4 txtHNCas=23:00 txtHNPodminka?(hidden)" + vyber("Down Down") +
                                 "lblHNUdaj?Minut >15 Alt+A Ano ulozeny?/spanek;klid/15/;t/23:00/;d/* "
                                 "lblHN?Spánek_po_15_minutách_klidu,_nejdříve_* tlHNastaveniZ"));
  ASSERT_TRUE(DOCKEJ(3s, IsWindowEnabled(program->Pole(O::cbHNPodminka))));
  EXPECT_TRUE(Hraj(*program, "cbHNPodminka?po_klidu_počítače txtHNPodminka?15" + vyber("Up") +
                                 "txtHNPodminka? >render.exe Alt+A Ano ulozeny?/spanek;po/render.exe/;t/23:00/*"));

  // The time box takes digits and separators only, whether typed or pasted (Ctrl+V it ignores, the box's
  // own menu pastes). It is checked only when the focus moves to another control of the window, not
  // when it goes to Alt+A's question (nor, by the same rule, to another program).
  SchrankaWin().Vloz("ab:c5");  // after the arming above, which puts the schedule on the clipboard
  EXPECT_TRUE(Hraj(*program, "tlHNastaveni opHN1 txtHNCas=7 >x Ctrl+V pauza txtHNCas?7"));
  SendMessageW(program->Pole(O::txtHNCas), WM_PASTE, 0, 0);
  EXPECT_TRUE(Hraj(*program,
                   "txtHNCas?7:5 Backspace txtHNCas?7: Alt+A box?Opravdu_si_přejete_aktivovat_nastavené_parametry? "
                   "Ne pauza box?"));
}
