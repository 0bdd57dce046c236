#include "controls/soft_button/tltext.h"

#include <gtest/gtest.h>

TEST(TlTextHrana, DruhAPriznakyPodleStylu) {
  const struct {
    int DEBorder;
    bool DEMove, stisknuto;
    unsigned edge, flags;
  } pripady[] = {
      {0, false, false, 0x1, 0x100F}, {0, false, true, 0x2, 0x100F}, {0, true, false, 0x4, 0x000F},
      {0, true, true, 0x2, 0x000F},   {1, false, false, 0x5, 0x100F}, {1, false, true, 0xA, 0x100F},
      {2, false, false, 0x4, 0x000F}, {2, false, true, 0x2, 0x000F},  {3, false, false, 0, 0},
      {3, false, true, 0, 0},         {-1, false, false, 0, 0},
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(DEEdge(p.DEBorder, p.DEMove, p.stisknuto), p.edge) << p.DEBorder << p.DEMove << p.stisknuto;
    EXPECT_EQ(DEFlags(p.DEBorder, p.DEMove), p.flags) << p.DEBorder << p.DEMove;
  }
}

TEST(TlTextKresba, TitulekUprostredSPulkouKSudemu) {
  const struct {
    int sirka, vyska, w, h;
    bool stisknuto;
    Bod p;
  } pripady[] = {
      {69, 23, 40, 13, false, {14, 5}},  // 14.5 goes to the even 14
      {69, 23, 39, 13, false, {15, 5}},
      {71, 23, 40, 13, false, {16, 5}},  // 15.5 goes to 16
      {69, 23, 40, 13, true, {15, 6}},   // pressed: one pixel right and down
      {15, 15, 18, 13, false, {-2, 1}},  // wider than the control: -1.5 goes to -2
      {15, 15, 16, 13, false, {0, 1}},   // -0.5 goes to 0
  };
  for (const auto& p : pripady)
    EXPECT_EQ(PoziceTitulku(p.sirka, p.vyska, p.w, p.h, p.stisknuto), p.p) << p.sirka << "x" << p.w;
}

TEST(TlTextKresba, BarvaTextuPodleStavu) {
  const Barva fore = 1, move = 2, down = 3;
  const struct {
    bool hover, pressed, releasing;
    Barva barva;
    bool hoverZrusen;
  } pripady[] = {
      {false, false, false, fore, false}, {true, false, false, move, false}, {true, true, false, down, false},
      {false, true, false, fore, false},  {true, false, true, fore, true},   // the release draws the normal look
  };
  for (const auto& p : pripady) {
    const PlanKresby plan = NaplanujKresbu({.stav = {.pressed = p.pressed, .hover = p.hover, .releasing = p.releasing},
                                            .ForeColor = fore, .MoveColor = move, .DownColor = down});
    EXPECT_EQ(plan.barvaTextu, p.barva) << p.hover << p.pressed << p.releasing;
    EXPECT_EQ(plan.hoverZrusen, p.hoverZrusen) << p.hover << p.pressed << p.releasing;
  }
}

TEST(TlTextKresba, FokusHranaAZakazanyVzhled) {
  const struct {
    const char* jak;
    StavTlText stav;
    int FocusDraw;
    bool DEMove, Enabled;
    int DEBorder;
    Fokus fokus;
    Obdelnik hrana;
    bool kresliHranu;
    unsigned priznaky;
  } pripady[] = {
      {"focus line", {.focused = true}, 0, false, true, 0, Fokus::cara, {0, 0, 68, 22}, true, 0x02},
      {"focus rectangle", {.focused = true}, 1, false, true, 0, Fokus::obdelnik, {0, 0, 69, 23}, true, 0x02},
      {"no focus look", {.focused = true}, 2, false, true, 0, Fokus::zadny, {0, 0, 69, 23}, true, 0x02},
      {"pressed hides focus", {.focused = true, .pressed = true}, 0, false, true, 0, Fokus::zadny, {0, 0, 69, 23}, true, 0x02},
      {"flat, mouse away", {}, 2, true, true, 0, Fokus::zadny, {0, 0, 69, 23}, false, 0x02},
      {"flat, mouse over", {.hover = true}, 2, true, true, 0, Fokus::zadny, {0, 0, 69, 23}, true, 0x02},
      {"flat, just released", {.hover = true, .releasing = true}, 2, true, true, 0, Fokus::zadny, {0, 0, 69, 23}, false, 0x02},
      {"disabled", {}, 0, false, false, 0, Fokus::zadny, {0, 0, 69, 23}, true, 0x22},
  };
  for (const auto& p : pripady) {
    const PlanKresby plan = NaplanujKresbu(
        {.sirka = 69, .vyska = 23, .stav = p.stav, .Enabled = p.Enabled, .DEMove = p.DEMove, .DEBorder = p.DEBorder, .FocusDraw = p.FocusDraw});
    EXPECT_EQ(plan.fokus, p.fokus) << p.jak;
    EXPECT_EQ(plan.hrana, p.hrana) << p.jak;
    EXPECT_EQ(plan.kresliHranu, p.kresliHranu) << p.jak;
    EXPECT_EQ(plan.priznakyTitulku, p.priznaky) << p.jak;
  }
  const PlanKresby cara = NaplanujKresbu({.sirka = 69, .vyska = 23, .stav = {.focused = true}});
  EXPECT_EQ(cara.caraFokusu[0], (Bod{68, 0}));
  EXPECT_EQ(cara.caraFokusu[1], (Bod{68, 22}));
  EXPECT_EQ(cara.caraFokusu[2], (Bod{-1, 22}));
}

TEST(TlTextTitulek, PristupovaKlavesaAVelikostPismen) {
  const struct {
    const char* caption;
    char32_t klavesa;
  } klavesy[] = {{"&Aktivace", U'A'}, {"Ukončit", 0}, {"A&", 0}, {"Z&měnit", U'm'}, {"&Čas", U'Č'}, {"A&&B", U'&'}};
  for (const auto& k : klavesy) EXPECT_EQ(PristupovaKlavesa(k.caption), k.klavesa) << k.caption;

  const struct {
    const char *a, *b;
    bool stejne;
  } srovnani[] = {{"Storno", "STORNO", true},       {"Změnit", "ZMĚNIT", true}, {"žluťoučký kůň", "ŽLUŤOUČKÝ KŮŇ", true},
                  {"Storno", "Storn", false},       {"", "", true},             {"Odhlášení", "Odhlaseni", false}};
  for (const auto& s : srovnani) EXPECT_EQ(StejneBezVelikosti(s.a, s.b), s.stejne) << s.a << " / " << s.b;
}
