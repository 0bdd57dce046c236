#include "scheduler/kontrola.h"

#include <gtest/gtest.h>

#include "falesne_porty.h"

namespace {

constexpr int Nehnut = -1;  // the caret as the test leaves it: an accepted entry must not move it

struct Pripad {
  const char* vstup;
  bool prijato;
  const char* text;  // the box afterwards
  int kurzor;
  const char* zprava;  // the one message box, or none
  unsigned styl = styl::Vykricnik;
};

class Kontroly : public ::testing::Test {
 protected:
  void Over(bool (*kontrola)(PoleVstupu&), const char* titulek, const Pripad& p) {
    porty.dialogy.zpravy.clear();
    PoleVstupu pole{p.vstup, Nehnut};
    EXPECT_EQ(kontrola(pole), p.prijato) << p.vstup;
    EXPECT_EQ(pole.text, p.text) << p.vstup;
    EXPECT_EQ(pole.kurzor, p.kurzor) << p.vstup;
    const auto& zpravy = porty.dialogy.zpravy;
    if (!p.zprava) {
      EXPECT_TRUE(zpravy.empty()) << p.vstup;
      return;
    }
    ASSERT_EQ(zpravy.size(), 1u) << p.vstup;
    EXPECT_EQ(zpravy[0].text, p.zprava) << p.vstup;
    EXPECT_EQ(zpravy[0].titulek, titulek) << p.vstup;
    EXPECT_EQ(zpravy[0].styl, p.styl) << p.vstup;
  }

  // Today is 4 December 2026 unless a test says otherwise.
  FalesnePorty porty;
};

const char* const Hodinu = "Doplňte prosím hodinu.";
const char* const Minuty = "Doplňte prosím minuty.";
const char* const HodinaMimo = "Už jste si pohráli ? Upravte číselnou hodnotu hodiny.";
const char* const MinutyMimo = "Už jste si pohráli ? Upravte číselnou hodnotu minut.";
const char* const MocMinut = "Povolený počet minut je max. 525600 minut!";

TEST_F(Kontroly, Cas) {
  const Pripad pripady[] = {
      {"", true, "", Nehnut, nullptr},
      {"7:5", true, "7:5", Nehnut, nullptr},
      {"23:59", true, "23:59", Nehnut, nullptr},
      {"24:00", false, "24:00", 0, HodinaMimo},
      {"-1:00", false, "-1:00", 0, HodinaMimo},
      {"007:00", false, "007:00", 0, HodinaMimo},  // a valid value, but too long
      {":30", false, ":30", 0, Hodinu},
      {"ab:30", false, ":30", 0, Hodinu},
      {"12:", false, "12:", 3, Minuty},
      {"12:x", false, "12:", 3, Minuty},
      {"12:30:15", false, "12:", 3, Minuty},  // only the first colon divides
      {"12:60", false, "12:60", 3, MinutyMimo},
      {"7:005", false, "7:005", 2, MinutyMimo},
      {"525600", true, "525600", Nehnut, nullptr},
      {"525600,5", true, "525600,5", Nehnut, nullptr},  // the half goes to the even 525600
      {"525601", false, "525601", 0, MocMinut},
      {"-525601", false, "-525601", 0, MocMinut},
      {"1.5", false, "1.5", 0, nullptr},  // not a number with the Czech decimal comma
  };
  for (const auto& p : pripady) Over(KontrolaCasu, "Čas", p);
}

TEST_F(Kontroly, CteCisloPodleMistnihoNastaveni) {
  porty.mistni.oddelovac = ".";
  Over(KontrolaCasu, "Čas", {"1.5", true, "1.5", Nehnut, nullptr});
  Over(KontrolaCasu, "Čas", {"1,5", false, "1,5", 0, nullptr});
}

const char* const Den = "Doplňte prosím den.";
const char* const Mesic = "Doplňte prosím měsíc.";
const char* const Rok = "Doplňte prosím rok.";
const char* const DenMimo = "Už jste si pohráli ? Upravte číselnou hodnotu dne.";
const char* const MesicMimo = "Už jste si pohráli ? Upravte číselnou hodnotu měsíce.";
const char* const MocDni = "Povolený počet dní je max. 365 dní!";
const char* const DelkaRoku =
    "Nejmenší zadatelný rok je 100.\r\nNejvětší zadatelný rok je 9999.\r\n\r\n"
    "Upravte prosím číselnou hodnotu roku.";

TEST_F(Kontroly, Datum) {
  const Pripad pripady[] = {
      {"", true, "", Nehnut, nullptr},
      {"3", true, "7.12.2026", Nehnut, nullptr},
      {"-4", true, "30.11.2026", Nehnut, nullptr},
      {"365", true, "4.12.2027", Nehnut, nullptr},
      {"366", false, "", 0, MocDni},
      {"-366", false, "", 0, MocDni},
      {"12345", false, "", 0, MocDni},
      {"žluť", false, "", 0, nullptr},  // four characters, though more bytes
      {".5.2027", false, ".5.2027", 0, Den},
      {"x.5.2027", false, ".5.2027", 0, Den},
      {"5..2027", false, "5..2027", 2, Mesic},
      {"5.x.2027", false, "5..2027", 2, Mesic},
      {"5.x", false, "5.", 2, Mesic},
      {"15.0.2027", false, "15.0.2027", 3, MesicMimo},
      {"31.4.2027", false, "31.4.2027", 0, DenMimo},
      {"30.2.2028", false, "30.2.2028", 0, DenMimo},
      {"10.12.", false, "10.12.", 6, Rok},
      {"10.12.x", false, "10.12.", 6, Rok},
      {"10.12.2026.5", false, "10.12.", 6, Rok},  // the year runs to the end
      {"1.1.99", false, "1.1.99", 4, DelkaRoku, styl::Informace},
      {"1.1.0999", true, "1.1.0999", Nehnut, nullptr},
      {"1.3", true, "1.3.2026", Nehnut, nullptr},
      {"4.12", true, "4.12.2026", Nehnut, nullptr},  // today is not later than today
  };
  for (const auto& p : pripady) Over(KontrolaData, "Datum", p);
}

TEST_F(Kontroly, DoplneniRokuSeZeptaJenNaPozdejsiDatum) {
  const struct {
    const char* vstup;
    int odpoved;
    const char* text;
    bool otazka;
  } pripady[] = {
      {"25.12", odpoved::Ano, "25.12.2026", true},
      {"25.12", odpoved::Ne, "25.12.2025", true},
      {"5.12", odpoved::Ne, "5.12.2025", true},
      {"4.12", odpoved::Ne, "4.12.2026", false},
  };
  for (const auto& p : pripady) {
    porty.dialogy = {};
    porty.dialogy.odpovedi = {p.odpoved};
    PoleVstupu pole{p.vstup, Nehnut};
    EXPECT_TRUE(KontrolaData(pole)) << p.vstup;
    EXPECT_EQ(pole.text, p.text) << p.vstup;
    EXPECT_EQ(porty.dialogy.zpravy.size(), p.otazka ? 1u : 0u) << p.vstup;
  }
  porty.dialogy = {};
  PoleVstupu pole{"25.12", Nehnut};
  KontrolaData(pole);
  ASSERT_EQ(porty.dialogy.zpravy.size(), 1u);
  EXPECT_EQ(porty.dialogy.zpravy[0].text,
            "Zadávané datum 25.prosince je vyšší než datum dnešní 4.prosince.\r\n"
            "Přejete si doplnit aktuální rok 2026. V opačném případě bude doplněn rok předešlý.");
  EXPECT_EQ(porty.dialogy.zpravy[0].titulek, "Datum");
  EXPECT_EQ(porty.dialogy.zpravy[0].styl, styl::AnoNe | styl::Otaznik);
}

TEST_F(Kontroly, UnorMimoPrestupnyRokSeZkratiNa28) {
  const struct {
    const char* vstup;
    Cas dnes;
    int odpoved;  // to the year question, where one comes
    const char* text;
    const char* rok;  // of the February message, or none
  } pripady[] = {
      {"29.2.2027", SlozCas(2026, 12, 4), odpoved::Ano, "28.2.2027", "2027"},
      {"29.2.2028", SlozCas(2026, 12, 4), odpoved::Ano, "29.2.2028", nullptr},
      {"29.2.2100", SlozCas(2026, 12, 4), odpoved::Ano, "28.2.2100", "2100"},
      {"29.2", SlozCas(2026, 12, 4), odpoved::Ano, "28.2.2026", "2026"},
      {"29.2", SlozCas(2028, 1, 15), odpoved::Ne, "28.2.2027", "2027"},
      {"29.2", SlozCas(2028, 1, 15), odpoved::Ano, "29.2.2028", nullptr},
      {"29.2.9e99", SlozCas(2026, 12, 4), odpoved::Ano, "28.2.9e99", "9e99"},  // no such year
  };
  for (const auto& p : pripady) {
    porty.dialogy = {};
    porty.dialogy.odpovedi = {p.odpoved};
    porty.hodiny.ted = p.dnes;
    PoleVstupu pole{p.vstup, Nehnut};
    EXPECT_TRUE(KontrolaData(pole)) << p.vstup;
    EXPECT_EQ(pole.text, p.text) << p.vstup;
    const auto& zpravy = porty.dialogy.zpravy;
    if (!p.rok) {
      for (const auto& z : zpravy) EXPECT_NE(z.styl, styl::Informace) << p.vstup;
      continue;
    }
    ASSERT_FALSE(zpravy.empty()) << p.vstup;
    EXPECT_EQ(zpravy.back().text,
              std::string("V roce ") + p.rok + " má únor 28 dní.\r\nDatum bude automaticky upraveno.");
    EXPECT_EQ(zpravy.back().styl, styl::Informace) << p.vstup;
  }
}

}  // namespace
