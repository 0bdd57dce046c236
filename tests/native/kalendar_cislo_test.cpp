#include <gtest/gtest.h>

#include <cmath>

#include "core/cislo.h"
#include "core/kalendar.h"

TEST(Kalendar, PretecenePolozkyPrenasi) {
  const struct {
    int rok, mesic, den, hodina, minuta;
    const char* vysledek;
  } pripady[] = {
      {2028, 2, 31, 8, 0, "2.3.2028 8:00:00"},    {2031, -13, 5, 8, 0, "5.11.2029 8:00:00"},
      {2026, 12, 31, 24, 0, "1.1.2027 0:00:00"},  {2026, 5, -3, 0, -1, "26.4.2026 23:59:00"},
      {2026, 25, 1, 0, 0, "1.1.2028 0:00:00"},
  };
  for (const auto& p : pripady) {
    const Cas cas = SlozCas(p.rok, p.mesic, p.den, p.hodina, p.minuta);
    EXPECT_EQ(FormatDatum(cas) + " " + FormatCasSekundy(cas), p.vysledek);
  }
  EXPECT_EQ(RozlozCas(SlozCas(2026, 12, 5)).den_tydne, 6);  // a Saturday
  EXPECT_EQ(FormatHodinyMinuty(std::chrono::hours{24}), "00:00");
}

TEST(Cislo, CteJakPiseUzivatelAZaokrouhliPolovinyKSudemu) {
  const struct {
    const char* text;
    double hodnota;  // NAN: not a number
    double cele = 0;
  } pripady[] = {
      {" -5 ", -5, -5}, {"+7", 7, 7},       {"- 3", -3, -3},     {",5", 0.5, 0},   {"3,", 3, 3},
      {"2,5", 2.5, 2},  {"3,5", 3.5, 4},    {"-2,5", -2.5, -2},  {"2,51", 2.51, 3},
      {"", NAN},        {"-", NAN},         {"1.5", NAN},        {"1 2", NAN},     {"12a", NAN},
      {"0x10", NAN},    {"inf", NAN},       {"1e3", NAN},        {"1,5E-1", NAN},   {",", NAN},  {"--1", NAN},
  };
  for (const auto& p : pripady) {
    const auto hodnota = CtiCislo(p.text, ",");
    ASSERT_EQ(hodnota.has_value(), !std::isnan(p.hodnota)) << p.text;
    if (!hodnota) continue;
    EXPECT_DOUBLE_EQ(*hodnota, p.hodnota) << p.text;
    EXPECT_EQ(CtiCeleCislo(p.text, ","), p.cele) << p.text;
  }
  EXPECT_EQ(CtiCeleCislo("2.5", "."), 2);  // the separator is the locale's, whatever it is
}
