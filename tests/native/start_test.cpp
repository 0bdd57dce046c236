#include "core/start.h"

#include <gtest/gtest.h>

#include "core/kodovani.h"
#include "falesny_svet.h"

TEST(Start, KteryParametrPlatiACoSeOtevre) {
  const std::string ulozeny = UlozenyTvar("/restart;kd;t/20:00/");
  const struct {
    std::string v_ulozisti, argument;
    std::string parametr;  // what the parser got; empty: it was not called
    bool aktivni;
  } pripady[] = {
      {"", "", "", false},
      {"", "/vypnuti;t/15:32/", "/vypnuti;t/15:32/", true},
      {"", "/vypnuti;t/9:00/", "", false},                           // passed today: dropped, and the store with it
      {UlozenyTvar("/vypnuti;t/8:00/;d/1.1.2020/"), "", "", false},  // stored and passed: without a word
      {ulozeny, "/vypnuti;t/15:32/", "/restart;kd;t/20:00/", true},
      {ulozeny, ulozeny, "/restart;kd;t/20:00/", true},  // the autostart entry's own command line
      {"", ulozeny, "/restart;kd;t/20:00/", true},
      {"", "/vypnuti;t/99/;x", "/vypnuti;t/99/;x", true},
      {"", "/foo", "/foo", false},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    stav.CasSpusteni = svet.hodiny.ted;
    svet.ulozeny_parametr = p.v_ulozisti;
    Start(p.argument);
    const std::string kontext = "stored '" + p.v_ulozisti + "', argument '" + p.argument + "'";
    EXPECT_EQ(stav.Parametr, p.parametr) << kontext;
    EXPECT_EQ(stav.Neaktivni, p.aktivni ? 0 : 1) << kontext;
    EXPECT_EQ(stav.PriSpusteni, 0) << kontext;
    EXPECT_EQ(svet.dialogy.zpravy.size(), p.argument == "/foo" ? 1u : 0u) << kontext;
    if (!p.aktivni) {
      EXPECT_EQ(svet.ulozeny_parametr + svet.run, "") << kontext;
    }
    if (p.aktivni) {
      EXPECT_EQ(svet.Log(), (std::vector<std::string>{"nacti upozorneni", "SetTimer"})) << kontext;
    } else {
      EXPECT_EQ(svet.Log(), (std::vector<std::string>{"nacti upozorneni", "SetTimer", "tip Vypnutí počítače",
                                                      "hlavni okno"}))
          << kontext;
    }
  }
}

// A damaged stored string goes with one box, and the command line, if any, then counts as usual. A
// stored action without a time (an earlier build stored "/vypnuti;kd") is damaged too: never carried out.
TEST(Start, PoskozenyUlozenyRetezecZmiziJednou) {
  for (const auto& [ulozeny, argument] : std::initializer_list<std::pair<const char*, const char*>>{
           {"/vypnuti;t/1.1/", ""}, {"/vypnuti;t/1.1/", "/restart;t/30/"}, {"/vypnuti;kd", ""},
           {"/restart;kd;zs", "/restart;t/30/"}}) {
    FalesnySvet svet;
    stav.CasSpusteni = svet.hodiny.ted;
    svet.ulozeny_parametr = UlozenyTvar(ulozeny);
    svet.run = svet.run_once = "\"C:\\vypnuti.exe\" " + svet.ulozeny_parametr;
    Start(argument);
    ASSERT_EQ(svet.dialogy.zpravy.size(), 1u) << argument;
    EXPECT_EQ(svet.dialogy.zpravy[0].text,
              "Uložené nastavení programu bylo poškozené, a proto bylo odstraněno.\r\nZadejte prosím nastavení znovu.");
    EXPECT_EQ(svet.ulozeny_parametr, *argument ? UlozenyTvar(argument) : "") << argument;
    EXPECT_EQ(svet.run.empty(), !*argument) << argument;
    EXPECT_EQ(stav.Neaktivni, *argument ? 0 : 1) << argument;
    for (const auto& radek : svet.log) EXPECT_FALSE(radek.starts_with("ExitWindowsEx")) << ulozeny;
  }
}
