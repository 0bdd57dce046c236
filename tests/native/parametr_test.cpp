#include "core/parametr.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/planovac.h"
#include "platform/port.h"

namespace {

struct Hlaseni {
  std::string text, titulek;
  unsigned styl;
};

struct Svet : Hodiny, Dialogy, Mistni, Planovac {
  Cas ted = SlozCas(2026, 5, 4, 10, 0, 30);
  std::vector<Hlaseni> hlaseni;
  int ulozeni = 0;
  std::vector<int> akce;

  Cas Ted() override { return ted; }
  int Zprava(std::string_view text, std::string_view titulek, unsigned styl) override {
    hlaseni.push_back({std::string(text), std::string(titulek), styl});
    return odpoved::Ok;
  }
  std::string DesetinnyOddelovac() override { return ","; }
  std::string DenMesicSlovy(int, int, int) override { return {}; }
  std::string DlouheDatum(const DatumCas&) override { return {}; }
  void UlozNastaveni() override { ++ulozeni; }
  void ProvedAkci(std::uint8_t kod) override { akce.push_back(kod); }
};

class Parametr : public ::testing::Test {
 protected:
  void SetUp() override {
    stav = StavPlanu{};
    svet = Svet{};
    stav.CasSpusteni = svet.ted;
  }
  void Spusteno(Cas kdy) { svet.ted = stav.CasSpusteni = kdy; }

  Svet svet;
  Pripojeni<Hodiny> p1{svet};
  Pripojeni<Dialogy> p2{svet};
  Pripojeni<Mistni> p3{svet};
  Pripojeni<Planovac> p4{svet};
};

std::string Vlozeno(Cas cas) { return FormatDatum(cas) + " " + FormatCasSekundy(cas); }

}  // namespace

// Started 4 May 2026 10:00:30.
TEST_F(Parametr, NastaviCilAVarovaniOMinutuDriv) {
  const struct {
    const char* text;
    int akce;
    const char* cil;      // CilovyCas
    const char* varovani; // the warning minute
  } pripady[] = {
      {"/vypnuti;t/15:32/", 1, "4.5.2026 15:32:00", "4.5.2026 15:31:00"},
      {";t/15:32//vypnuti", 1, "4.5.2026 15:32:00", "4.5.2026 15:31:00"},
      {";t/15:32/;kv/restart;zs", 2, "4.5.2026 15:32:00", "4.5.2026 15:31:00"},
      {"/restart/vypnuti;t/12:00/", 1, "4.5.2026 12:00:00", "4.5.2026 11:59:00"},  // table order wins
      {"/zamceni;t/24:00/", 5, "5.5.2026 0:00:00", "4.5.2026 23:59:00"},
      {"/zamceni;t/24:01/", 5, "5.5.2026 0:01:00", "5.5.2026 0:00:00"},
      {"/spanek;t/16:01/", 4, "4.5.2026 16:01:00", "4.5.2026 16:00:00"},
      {"/odhlaseni;t/125/", 3, "4.5.2026 12:05:00", "4.5.2026 12:04:00"},  // seconds of the start drop
      {"/vypnuti;t/999999/", 1, "28.3.2028 20:39:00", "28.3.2028 20:38:00"},
      {"/vypnuti;t/ 2,5 /", 1, "4.5.2026 10:02:00", "4.5.2026 10:01:00"},  // a half goes to even
      {"/vypnuti;t/3,5/", 1, "4.5.2026 10:04:00", "4.5.2026 10:03:00"},
      {"/vypnuti;t/ 7:5 /", 1, "4.5.2026 7:05:00", "4.5.2026 7:04:00"},     // passed, but see ;kd below
      {"/vypnuti;d/4.6.2026/;t/8:00/", 1, "4.6.2026 8:00:00", "4.6.2026 7:59:00"},
      {"/vypnuti;t/8:00/;d/31.2.2031/", 1, "3.3.2031 8:00:00", "3.3.2031 7:59:00"},
      {"/vypnuti;t/8:00/;d/29.2.2028/", 1, "29.2.2028 8:00:00", "29.2.2028 7:59:00"},
      {"/vypnuti;t/8:00/;d/31.2.2028/", 1, "2.3.2028 8:00:00", "2.3.2028 7:59:00"},
      {"/vypnuti;t/8:00/;d/5.0.2031/", 1, "5.12.2030 8:00:00", "5.12.2030 7:59:00"},
      {"/vypnuti;t/0:00/;d/1.1.2027/", 1, "1.1.2027 0:00:00", "31.12.2026 23:59:00"},
      {"/vypnuti;kd;t/22:30/;d/1.1.2030/", 1, "4.5.2026 22:30:00", "4.5.2026 22:29:00"},  // ;d ignored
      {"/vypnuti;kd;t/9:00/", 1, "5.5.2026 9:00:00", "5.5.2026 8:59:00"},   // passed: next day
      {"/vypnuti;kd;t/-30/", 1, "5.5.2026 9:30:00", "5.5.2026 9:29:00"},
  };
  for (const auto& p : pripady) {
    SetUp();
    const bool prvni_bez_kd = std::string(p.text) == "/vypnuti;t/ 7:5 /";
    if (prvni_bez_kd) Spusteno(SlozCas(2026, 5, 4, 6, 0));
    EXPECT_TRUE(RozeberParametr(p.text, false, false)) << p.text;
    EXPECT_EQ(stav.Akce, p.akce) << p.text;
    EXPECT_EQ(Vlozeno(stav.CilovyCas), p.cil) << p.text;
    EXPECT_EQ(Vlozeno(SlozCas(stav.Rok, stav.Mesic, stav.Den, stav.Hodina, stav.Minuta)), p.varovani)
        << p.text;
    EXPECT_EQ(stav.Neaktivni, 0) << p.text;
    EXPECT_EQ(stav.Parametr, p.text);
    EXPECT_TRUE(svet.hlaseni.empty()) << p.text;
  }
}

TEST_F(Parametr, VolbyNastaviPriznakyAHeslo) {
  ASSERT_TRUE(RozeberParametr("/restart;zs;ss;h/tajne heslo/;kv;kd;t/23:00/", false, false));
  EXPECT_EQ(stav.AkceNazev, "Restartování");
  EXPECT_EQ(stav.ZakazStorna, 1);
  EXPECT_EQ(stav.SkrytStorno, 1);
  EXPECT_EQ(stav.KontrolovaneVypnuti, 1);
  EXPECT_EQ(stav.KazdyDen, 1);
  EXPECT_EQ(stav.HesloZapnuto, 1);
  EXPECT_EQ(stav.Heslo, "tajne heslo");

  ASSERT_TRUE(RozeberParametr("/vypnuti;h//;t/23:00/", false, false));  // an empty password is one
  EXPECT_EQ(stav.HesloZapnuto, 1);
  EXPECT_EQ(stav.Heslo, "");
  EXPECT_EQ(stav.ZakazStorna, 0);
  EXPECT_EQ(stav.KazdyDen, 0);
}

TEST_F(Parametr, UspesnyRozborUkladaJenKdyzSeMa) {
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/23:00/", false, false));
  EXPECT_EQ(svet.ulozeni, 1);
  stav.Parametr = "puvodni";
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/23:30/", true, true));  // a postponement
  EXPECT_EQ(svet.ulozeni, 1);
  EXPECT_EQ(stav.Parametr, "puvodni");
  EXPECT_EQ(stav.Minuta, 29);
}

TEST_F(Parametr, AkceBezCasuSeProvedeHned) {
  const char* pripady[] = {"/vypnuti", "/restart;kv", "/zamceni/?", "/odhlaseni;h/x;t/8:00/",
                           "/?/spanek;d/1.1.2030/"};  // ";h/x;t/" is the password "x;t"
  for (const char* text : pripady) {
    SetUp();
    EXPECT_FALSE(RozeberParametr(text, false, false)) << text;
    EXPECT_EQ(svet.akce, std::vector<int>{0}) << text;
    EXPECT_EQ(svet.ulozeni, 0) << text;
    EXPECT_TRUE(svet.hlaseni.empty()) << text;
  }
  EXPECT_EQ(stav.Akce, akce::Spanek);
}

TEST_F(Parametr, ChybnyZapisUkazeChybuNeboNapovedu) {
  const struct {
    const char* text;
    bool napoveda;
  } pripady[] = {
      {"/?", true},
      {"", false},
      {"/VYPNUTI;t/15:32/", false},          // keywords are case-sensitive
      {";t/15:32/", false},                  // no action
      {"/? ;t/15:32/", true},
      {"/vypnuti;t/15:32", false},           // no closing slash
      {"/vypnuti;t15:32", false},
      {"/vypnuti;t/25:00/", false},
      {"/vypnuti;t/12:60/", false},
      {"/vypnuti;t/12:/", false},
      {"/vypnuti;t/:30/", false},
      {"/vypnuti;t/12:30:00/", false},
      {"/vypnuti;t/1234567/", false},        // seven characters
      {"/vypnuti;t/ab/", false},
      {"/vypnuti;t//", false},
      {"/vypnuti;t/1.5/", false},            // not the Czech decimal separator
      {"/vypnuti;t/8:00/;d/4.5/", false},    // one dot
      {"/vypnuti;t/8:00/;d/452026/", false},
      {"/vypnuti;t/8:00/;d/0.5.2027/", false},
      {"/vypnuti;t/8:00/;d/32.5.2027/", false},
      {"/vypnuti;t/8:00/;d/1.13.2027/", false},
      {"/vypnuti;t/8:00/;d/1.1.10000/", false},
      {"/vypnuti;t/8:00/;d/1.1.2027", false},
      {"/vypnuti;h;t/8:00/", false},         // the password takes ";t"'s value, ";t" has none
      {"/vypnuti;t/8:00/;h/heslo", false},   // the password's slash never closes
      {"/vypnuti;h/heslo", false},
      {";od/22:00-06:00", false},
      {";od/22:00/", false},
      {";od/22:75-06:00/", false},
      {";od/22:00-06:75/", false},
      {";od/22-06:00/", false},
      {";od/25:00-06:00/", false},
      {";od/22:00-06:00/;h/x", false},
      {";od/22:75-06:00//?", true},
  };
  for (const auto& p : pripady) {
    SetUp();
    EXPECT_FALSE(RozeberParametr(p.text, false, false)) << p.text;
    ASSERT_EQ(svet.hlaseni.size(), 1u) << p.text;
    const Hlaseni& h = svet.hlaseni[0];
    if (p.napoveda) {
      EXPECT_EQ(h.titulek, "Vypnutí počítače parametrem z příkazového řádku.") << p.text;
      EXPECT_EQ(h.styl, 0x40u) << p.text;
      EXPECT_EQ(h.text, TextNapovedy()) << p.text;
    } else {
      EXPECT_EQ(h.titulek, "Vypnutí počítače") << p.text;
      EXPECT_EQ(h.styl, 0x30u) << p.text;
      EXPECT_EQ(h.text, std::string(p.text) + "\r\n\r\nNeznámé nebo chybné zadání spouštěcího parametru!\r\n\r\n" +
                            TextNapovedy())
          << p.text;
    }
    EXPECT_EQ(stav.Neaktivni, 1) << p.text;
    EXPECT_EQ(stav.Akce, 0) << p.text;
    EXPECT_EQ(stav.AkceNazev, "") << p.text;
    EXPECT_EQ(stav.Parametr, p.text) << p.text;
  }
}

TEST_F(Parametr, OdmitnutiVynulujePriznakyAleNechaCil) {
  ASSERT_TRUE(RozeberParametr("/vypnuti;kd;zs;ss;kv;h/x/;t/23:00/", false, false));
  const Cas cil = stav.CilovyCas;
  stav.ZbyvaSekund = 40;
  EXPECT_FALSE(RozeberParametr("/vypnuti;t/99:00/", true, false));
  EXPECT_TRUE(svet.hlaseni.empty());  // no box when asked for none
  EXPECT_EQ(stav.KazdyDen + stav.ZakazStorna + stav.SkrytStorno + stav.KontrolovaneVypnuti +
                stav.HesloZapnuto + stav.ZbyvaSekund + stav.OdDo + stav.RezimMinuty,
            0);
  EXPECT_EQ(stav.Heslo, "");
  EXPECT_EQ(stav.CilovyCas, cil);
  EXPECT_EQ(svet.ulozeni, 1);
}

TEST_F(Parametr, ProslyPlanZmiziBezeSlova) {
  const struct {
    const char* text;
  } pripady[] = {
      {"/vypnuti;t/9:00/"},                 // earlier today
      {"/vypnuti;t/-5/"},                   // negative minutes
      {"/vypnuti;t/8:00/;d/1.1.2025/"},     // an earlier year
      {"/vypnuti;t/8:00/;d/-3.5.2026/"},  // 27 April
      {"/vypnuti;t/8:00/;d/3.5.2026/"},     // yesterday
      {";od/9:00-11:00/"},                  // the window's start has passed
  };
  for (const auto& p : pripady) {
    for (const int pri_spusteni : {0, 1}) {
      SetUp();
      stav.PriSpusteni = static_cast<std::uint8_t>(pri_spusteni);
      EXPECT_FALSE(RozeberParametr(p.text, false, false)) << p.text;
      EXPECT_TRUE(svet.hlaseni.empty()) << p.text;
      EXPECT_EQ(stav.Neaktivni, 1) << p.text;
      // At start-up the stored schedule goes too; later it stays as it was.
      EXPECT_EQ(svet.ulozeni, pri_spusteni) << p.text;
      EXPECT_EQ(stav.Parametr, pri_spusteni ? "" : p.text) << p.text;
    }
  }
}

TEST_F(Parametr, OknoOdDo) {
  const struct {
    const char* text;
    int spusteni_hodina;
    bool aktivni;
    const char* cil;
    int kazdy_den;
  } pripady[] = {
      {";od/22:00-06:00/", 5, true, "4.5.2026 22:00:00", 0},
      {";od/22:00-06:00/", 23, false, "", 0},
      {";od/22:00-06:00/;kd", 23, true, "5.5.2026 22:00:00", 1},
      {"/restart;od/22:00-06:00/;zs;kv;t/1/;d/1.1.2030/;ss", 5, true, "4.5.2026 22:00:00", 0},
  };
  for (const auto& p : pripady) {
    SetUp();
    Spusteno(SlozCas(2026, 5, 4, p.spusteni_hodina, 0));
    stav.KontrolovaneVypnuti = 1;  // left over from an earlier ";kv" schedule
    EXPECT_EQ(RozeberParametr(p.text, false, false), p.aktivni) << p.text;
    if (!p.aktivni) continue;
    EXPECT_EQ(stav.OdDo, 1);
    EXPECT_EQ(stav.Akce, akce::Vypnuti);
    EXPECT_EQ(stav.AkceNazev, "Vypnutí");
    EXPECT_EQ(stav.ZakazStorna, 1);
    EXPECT_EQ(stav.KontrolovaneVypnuti, 0) << "a from-to schedule never closes programs first";
    EXPECT_EQ(stav.KazdyDen, p.kazdy_den);
    EXPECT_EQ(Vlozeno(stav.CilovyCas), p.cil) << p.text;
    EXPECT_EQ(stav.Hodina * 100 + stav.Minuta, 2200);
    EXPECT_EQ(stav.Den, 4);  // the day of the start, also when the target moved on
    EXPECT_EQ(stav.DoHodina * 100 + stav.DoMinuta, 600);
    EXPECT_EQ(FormatHodinyMinuty(stav.DoCas), "06:00");
  }
  EXPECT_EQ(stav.SkrytStorno, 1);  // ";ss" is honoured in a window too
}

TEST_F(Parametr, ZnakMimoKodovouStrankuSeOdmitneANicNezmeni) {
  ASSERT_TRUE(RozeberParametr("/vypnuti;h/heslo/;t/23:00/", false, false));
  EXPECT_FALSE(RozeberParametr("/vypnuti;h/密码/;t/23:30/", true, false));
  ASSERT_EQ(svet.hlaseni.size(), 1u);
  EXPECT_EQ(svet.hlaseni[0].styl, 0x30u);
  EXPECT_EQ(stav.Parametr, "/vypnuti;h/heslo/;t/23:00/");
  EXPECT_EQ(stav.Neaktivni, 0);
  EXPECT_EQ(stav.Minuta, 59);
  // Czech letters, the euro sign and typographic quotes are in the code page and are fine.
  EXPECT_TRUE(RozeberParametr("/vypnuti;h/Žluťoučký kůň „€“/;t/23:30/", true, false));
}

TEST(Napoveda, ZacinaDvemaRadkyAKonciOtaznikem) {
  const std::string text = TextNapovedy();
  EXPECT_EQ(text.substr(0, 14), "\r\n\r\n/vypnuti\r\n");
  EXPECT_TRUE(text.ends_with("\r\n/? - nápověda"));
  EXPECT_EQ(text.find("/zamceni"), std::string::npos);
  EXPECT_NE(text.find("\r\n;od/22:00-06:00/ - vypnuti počitače při spuštění v nastaveném čase\r\n"),
            std::string::npos);
}
