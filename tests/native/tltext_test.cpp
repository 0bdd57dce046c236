#include "controls/soft_button/tltext.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TlTextHrana, DruhAPriznakyPodleStylu) {
  const struct {
    int DEBorder;
    bool DEMove, stisknuto;
    unsigned edge, flags;
  } pripady[] = {
      {0, false, false, 0x1, 0x100F}, {0, false, true, 0x2, 0x100F}, {0, true, false, 0x4, 0x000F},
      {0, true, true, 0x2, 0x000F},   {1, false, false, 0x5, 0x100F}, {1, false, true, 0xA, 0x100F},
      {2, false, false, 0x4, 0x000F}, {2, false, true, 0x2, 0x000F},  {3, false, false, 0, 0},
      {-1, false, false, 0, 0},
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(DEEdge(p.DEBorder, p.DEMove, p.stisknuto), p.edge) << p.DEBorder << p.DEMove << p.stisknuto;
    EXPECT_EQ(DEFlags(p.DEBorder, p.DEMove), p.flags) << p.DEBorder << p.DEMove;
  }
}

TEST(TlTextKresba, TitulekUprostredSPulkouKSudemu) {
  EXPECT_EQ(PoziceTitulku(69, 23, 40, 13, false), (Bod{14, 5}));  // 14.5 goes to the even 14
  EXPECT_EQ(PoziceTitulku(69, 23, 39, 13, false), (Bod{15, 5}));
  EXPECT_EQ(PoziceTitulku(71, 23, 40, 13, false), (Bod{16, 5}));  // 15.5 goes to 16
  EXPECT_EQ(PoziceTitulku(69, 23, 40, 13, true), (Bod{15, 6}));   // pressed: one pixel right and down
  EXPECT_EQ(PoziceTitulku(15, 15, 18, 13, false), (Bod{-2, 1}));  // wider than the control: -1.5 goes to -2
}

TEST(TlTextKresba, BarvaFokusHranaPodleStavu) {
  const Barva fore = 1, move = 2, down = 3;
  const struct {
    const char* jak;
    StavTlText stav;
    int FocusDraw;
    bool DEMove, Enabled;
    Barva barva;
    Fokus fokus;
    bool kresliHranu;
  } pripady[] = {
      {"normal", {}, 0, false, true, fore, Fokus::zadny, true},
      {"hover", {.hover = true}, 0, false, true, move, Fokus::zadny, true},
      {"pressed", {.pressed = true, .hover = true}, 0, false, true, down, Fokus::zadny, true},
      {"focus line", {.focused = true}, 0, false, true, fore, Fokus::cara, true},
      {"focus rectangle", {.focused = true}, 1, false, true, fore, Fokus::obdelnik, true},
      {"no focus look", {.focused = true}, 2, false, true, fore, Fokus::zadny, true},
      {"keys show it anyway", {.focused = true, .zKlavesnice = true}, 2, false, true, fore, Fokus::obdelnik, true},
      {"pressed hides focus", {.focused = true, .pressed = true}, 0, false, true, fore, Fokus::zadny, true},
      {"flat, mouse away", {}, 2, true, true, fore, Fokus::zadny, false},
      {"flat, mouse over", {.hover = true}, 2, true, true, move, Fokus::zadny, true},
      {"flat, just released", {.hover = true, .releasing = true}, 2, true, true, fore, Fokus::zadny, false},
      {"disabled", {}, 0, false, false, fore, Fokus::zadny, true},
      {"toggle on", {.zapnuto = true}, 2, false, true, fore, Fokus::zadny, true},
  };
  for (const auto& p : pripady) {
    const PlanKresby plan = NaplanujKresbu({.sirka = 69, .vyska = 23, .stav = p.stav, .Enabled = p.Enabled,
                                            .DEMove = p.DEMove, .FocusDraw = p.FocusDraw, .ForeColor = fore,
                                            .MoveColor = move, .DownColor = down});
    EXPECT_EQ(plan.barvaTextu, p.barva) << p.jak;
    EXPECT_EQ(plan.fokus, p.fokus) << p.jak;
    EXPECT_EQ(plan.kresliHranu, p.kresliHranu) << p.jak;
    const bool dole = p.stav.pressed || p.stav.zapnuto;
    EXPECT_EQ(plan.edge, DEEdge(0, p.DEMove, dole)) << p.jak;
    EXPECT_EQ(plan.titulek, PoziceTitulku(69, 23, 0, 0, dole)) << p.jak;
    EXPECT_EQ(plan.plocha == UcelBarvy::PlochaZapnuti, p.stav.zapnuto) << p.jak;
    EXPECT_EQ(plan.priznakyTitulku, p.Enabled ? 0x02U : 0x22U) << p.jak;
    // The focus line runs down the rightmost column and along the bottom row; the edge stays inside it.
    const int cara = p.fokus == Fokus::cara;
    EXPECT_EQ(plan.hrana, (Obdelnik{0, 0, 69 - cara, 23 - cara})) << p.jak;
    EXPECT_EQ(std::vector<Bod>(plan.caraFokusu, plan.caraFokusu + 3),
              (cara ? std::vector<Bod>{{68, 0}, {68, 22}, {-1, 22}} : std::vector<Bod>(3))) << p.jak;
  }
}

// In high contrast a caption goes only on the face the system pairs it with, and a disabled one is in
// the system's grey text, not embossed.
TEST(TlTextKresba, VysokyKontrastVParech) {
  const struct {
    StavTlText stav;
    bool Enabled;
    UcelBarvy plocha;
    Barva barva;
  } pripady[] = {
      {{}, true, UcelBarvy::PlochaTlacitka, 1},
      {{.hover = true}, true, UcelBarvy::PlochaPohybu, 2},
      {{.pressed = true, .hover = true}, true, UcelBarvy::PlochaStisku, 3},
      {{}, false, UcelBarvy::PlochaTlacitka, 4},
      {{.zapnuto = true}, true, UcelBarvy::PlochaZapnuti, 5},
      {{.hover = true, .zapnuto = true}, true, UcelBarvy::PlochaPohybu, 2},
  };
  for (const auto& p : pripady) {
    const PlanKresby plan = NaplanujKresbu({.stav = p.stav,
                                            .Enabled = p.Enabled,
                                            .ForeColor = 1,
                                            .MoveColor = 2,
                                            .DownColor = 3,
                                            .SedyText = 4,
                                            .TextZapnuti = 5});
    EXPECT_EQ(plan.plocha, p.plocha) << p.barva;
    EXPECT_EQ(plan.barvaTextu, p.barva);
    EXPECT_EQ(plan.priznakyTitulku, 0x02U) << "never embossed";
  }
}

TEST(TlTextTitulek, CoUslysiCtecka) {
  const struct {
    const char* caption;
    const char* nazev;
    const char* zkratka;
  } pripady[] = {
      {"&Aktivace", "Aktivace", "Alt+A"}, {"&Storno", "Storno", "Alt+S"}, {"Ukončit", "Ukončit", ""},
      {"&Čas", "Čas", "Alt+Č"},           {"A && B", "A & B", ""},         {"A&", "A", ""},
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(NazevProCtecku(p.caption), p.nazev) << p.caption;
    EXPECT_EQ(KlavesovaZkratka(p.caption), p.zkratka) << p.caption;
  }
}

TEST(TlTextTitulek, PristupovaKlavesaAVelikostPismen) {
  EXPECT_EQ(PristupovaKlavesa("&Čas"), U'Č');
  EXPECT_EQ(PristupovaKlavesa("A&"), 0U);
  EXPECT_TRUE(StejneBezVelikosti("žluťoučký kůň", "ŽLUŤOUČKÝ KŮŇ"));
  EXPECT_FALSE(StejneBezVelikosti("Storno", "Storn"));
  EXPECT_FALSE(StejneBezVelikosti("Odhlášení", "Odhlaseni"));
}
