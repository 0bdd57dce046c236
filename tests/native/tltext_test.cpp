#include "zaklad.h"

#include "controls/soft_button/tltext.h"

// The caption centred, a half going to the even pixel; then the colour, focus look and edge by state.
TEST(TlTextKresba, TitulekBarvaFokusHrana) {
  EXPECT_EQ(PoziceTitulku(69, 23, 40, 13, false), (Bod{14, 5}));  // 14.5 goes to the even 14
  EXPECT_EQ(PoziceTitulku(71, 23, 40, 13, false), (Bod{16, 5}));  // 15.5 goes to 16
  EXPECT_EQ(PoziceTitulku(15, 15, 18, 13, false), (Bod{-2, 1}));  // wider than the control: -1.5 goes to -2
  const Barva fore = 1, move = 2, down = 3;
  // A row: the case, the state, FocusDraw, DEMove, Enabled; the text's colour, the focus look, whether the edge
  // is drawn.
  const std::tuple<const char*, StavTlText, int, bool, bool, Barva, Fokus, bool> pripady[] = {
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
  for (const auto& [jak, stav, FocusDraw, DEMove, Enabled, barva, fokus, kresliHranu] : pripady) {
    VstupKresby v{.sirka = 69, .vyska = 23, .stav = stav, .Enabled = Enabled, .DEMove = DEMove};
    v.FocusDraw = FocusDraw, v.ForeColor = fore, v.MoveColor = move, v.DownColor = down;
    const PlanKresby plan = NaplanujKresbu(v);
    // The focus line runs down the rightmost column and along the bottom row; the edge stays inside it.
    const bool dole = stav.pressed || stav.zapnuto;
    const int cara = fokus == Fokus::cara;
    EXPECT_EQ(std::tuple(plan.barvaTextu, plan.fokus, plan.kresliHranu, plan.edge, plan.titulek,
                         plan.plocha == UcelBarvy::PlochaZapnuti, plan.priznakyTitulku, plan.hrana,
                         std::vector<Bod>(plan.caraFokusu, plan.caraFokusu + 3)),
              std::tuple(barva, fokus, kresliHranu, DEEdge(0, DEMove, dole), PoziceTitulku(69, 23, 0, 0, dole),
                         stav.zapnuto, Enabled ? 0x02U : 0x22U, Obdelnik{0, 0, 69 - cara, 23 - cara},
                         cara ? std::vector<Bod>{{68, 0}, {68, 22}, {-1, 22}} : std::vector<Bod>(3)))
        << jak;
  }
}

// In high contrast a caption goes only on the face the system pairs it with, and a disabled one is in
// the system's grey text, not embossed.
TEST(TlTextKresba, VysokyKontrastVParech) {
  // clang-format off
  const std::tuple<StavTlText, bool, UcelBarvy, Barva> pripady[] = {
      {{}, true, UcelBarvy::PlochaTlacitka, 1}, {{.hover = true}, true, UcelBarvy::PlochaPohybu, 2},
      {{.pressed = true, .hover = true}, true, UcelBarvy::PlochaStisku, 3}, {{}, false, UcelBarvy::PlochaTlacitka, 4},
      {{.zapnuto = true}, true, UcelBarvy::PlochaZapnuti, 5},
      {{.hover = true, .zapnuto = true}, true, UcelBarvy::PlochaPohybu, 2}};
  // clang-format on
  for (const auto& [stav, Enabled, plocha, barva] : pripady) {
    VstupKresby v{.stav = stav, .Enabled = Enabled, .ForeColor = 1, .MoveColor = 2, .DownColor = 3};
    v.SedyText = 4, v.TextZapnuti = 5;
    const PlanKresby plan = NaplanujKresbu(v);
    // Never embossed.
    EXPECT_EQ(std::tuple(plan.plocha, plan.barvaTextu, plan.priznakyTitulku), std::tuple(plocha, barva, 0x02U));
  }
}

// What a screen reader hears: the name and the shortcut.
TEST(TlTextTitulek, CoUslysiCtecka) {
  const std::pair<const char*, const char*> pripady[] = {
      {"&Aktivace", "Aktivace|Alt+A"}, {"&Storno", "Storno|Alt+S"}, {"Ukončit", "Ukončit|"},
      {"&Čas", "Čas|Alt+Č"},           {"A && B", "A & B|"},        {"A&", "A|"}};
  for (const auto& [titulek, slyset] : pripady)
    EXPECT_EQ(NazevProCtecku(titulek) + "|" + KlavesovaZkratka(titulek), slyset);
  // The access key, and comparison without case.
  EXPECT_EQ(PristupovaKlavesa("&Čas"), U'Č');
  EXPECT_EQ(PristupovaKlavesa("A&"), 0U);
  EXPECT_TRUE(StejneBezVelikosti("žluťoučký kůň", "ŽLUŤOUČKÝ KŮŇ"));
  EXPECT_FALSE(StejneBezVelikosti("Storno", "Storn"));
  EXPECT_FALSE(StejneBezVelikosti("Odhlášení", "Odhlaseni"));
}
