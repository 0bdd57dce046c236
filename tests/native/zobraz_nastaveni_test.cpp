#include "ui/main_window/zobraz_nastaveni.h"

#include <gtest/gtest.h>

#include <string>

#include "core/parametr.h"
#include "falesny_svet.h"

using O = Ovladac;

namespace {

// The form in one line: the selected option, the five boxes (a capital letter: greyed or hidden),
// the boxes' texts, the summary and the buttons shown.
std::string Shrnuti(const Formular& f) {
  std::string boxy;
  for (int i = 0; i < 5; ++i) {
    const StavOvladace& s = f[chHN(i)];
    const char znak = s.hodnota == 1 ? 'x' : '-';
    if (!s.povoleny || !s.viditelny) {
      boxy += znak == 'x' ? 'X' : '_';
    } else {
      boxy += znak;
    }
  }
  std::string tlacitka;
  for (const O o : {O::tlHNastaveniZ, O::tlHNastaveniP, O::tlHNStop})
    if (f[o].viditelny) tlacitka += " " + f[o].text;
  return std::to_string(VybranaVolba(f)) + " " + boxy + " [" + f[O::txtHNCas].text + "|" +
         (f[O::txtHNDatum].viditelny ? f[O::txtHNDatum].text : "skryto") + "|" + f[O::txtHNHeslo].text + "] " +
         f[O::lblHN].text + tlacitka;
}

}  // namespace

TEST(ZobrazNastaveni, UkazeRozvrhVeFormulari) {
  const struct {
    const char* parametr;  // armed at 10:00 on 4 May 2005; empty: nothing armed
    const char* formular;
  } pripady[] = {
      {"", "0 ----- [||] "},
      {"/vypnuti;t/15:32/;d/4.5.2005/", "1 ----- [15:32|4.5.2005|] Vypnutí 4.5.2005 v 15:32. Změnit Posunutí"},
      {"/restart;t/7:05/;d/6.5.2005/", "2 ----- [07:05|6.5.2005|] Restartování 6.5.2005 v 07:05. Změnit Posunutí"},
      {"/spanek;kd;kv;h/Tajné/;t/23:00/", "4 x-xx- [23:00|skryto|Tajné] Spánek 4.5.2005 v 23:00. Změnit Posunutí"},
      {"/zamceni;ss;t/23:00/", "5 -X--x [23:00|4.5.2005|] Uzamčení 4.5.2005 v 23:00. Změnit Posunutí"},
      {";od/22:00-06:00/;kd", "1 xX-_- [22:00|06:00|] Vypnutí od 22:00 do 06:00. Změnit Posunutí"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.CasSpusteni = svet.hodiny.ted = SlozCas(2005, 5, 4, 10, 0);
    if (*p.parametr) {
      ASSERT_TRUE(RozeberParametr(p.parametr, false, false)) << p.parametr;
    }
    Formular f;
    ZobrazNastaveni(f, false);
    EXPECT_EQ(Shrnuti(f), p.formular) << p.parametr;
  }
}

TEST(ZobrazNastaveni, RezimOdDoMaSvePopisky) {
  FalesnySvet svet;
  stav.CasSpusteni = svet.hodiny.ted = SlozCas(2005, 5, 4, 5, 0);
  ASSERT_TRUE(RozeberParametr(";od/22:00-06:00/", false, false));
  Formular f;
  ZobrazNastaveni(f, false);
  EXPECT_EQ(f[lblN(0)].text + " " + f[lblN(1)].text + " " + f[O::Label2].text + " " + f[O::Label1].text,
            "Od Do hodina:minuta hodina:minuta");
  EXPECT_EQ(f[O::tlHNOdDo].text, "Zpět");
  EXPECT_FALSE(f[opHN(1)].povoleny);
  for (int i = 2; i <= 5; ++i) EXPECT_FALSE(f[opHN(i)].viditelny) << i;

  stav = StavPlanu{};  // nothing armed: back to the time and date
  ZobrazNastaveni(f, false);
  EXPECT_EQ(f[lblN(0)].text + " " + f[lblN(1)].text + " " + f[O::Label1].text, "Čas Datum den.měsíc.rok");
  EXPECT_EQ(f[O::tlHNOdDo].text, "Od-Do");
  EXPECT_TRUE(f[opHN(1)].povoleny && f[opHN(5)].viditelny && f[chHN(1)].povoleny && f[chHN(3)].viditelny);
}

// A flag counts only when it holds exactly 1.
TEST(ZobrazNastaveni, PriznakDva) {
  FalesnySvet svet;
  stav.CasSpusteni = svet.hodiny.ted;
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/23:00/", false, false));
  stav.KazdyDen = 2;
  Formular f;
  ZobrazNastaveni(f, false);
  EXPECT_EQ(f[chHN(0)].hodnota, 0);
}
