#include "core/kodovani.h"

#include <gtest/gtest.h>

#include <string>

TEST(Kodovani, DekodujVraciPuvodniText) {
  std::string vsechny_bajty;
  for (int b = 0; b < 256; ++b) vsechny_bajty += static_cast<char>(b);
  const std::string vsechny = ZCp1250(vsechny_bajty);
  EXPECT_EQ(DoCp1250(vsechny), vsechny_bajty);
  for (const std::string& text : {std::string(), vsechny, std::string("/restart;h/Žluťoučký kůň/;t/525600/")}) {
    const std::string zakodovano = Zakoduj(text);
    EXPECT_EQ(Dekoduj(zakodovano), text);
    EXPECT_EQ(DoCp1250(zakodovano)->size(), DoCp1250(text)->size()) << "as many characters as before";
  }
}

TEST(Kodovani, CeskaPismenaMajiSveBajty) {
  EXPECT_EQ(DoCp1250("ěščřžýáíéůňťď"), "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xF2\x9D\xEF");
  EXPECT_EQ(DoCp1250("ĚŠČŘŽÝÁÍÉŮŇŤĎ"), "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xD9\xD2\x8D\xCF");
}

TEST(Kodovani, ZnakClenSeKlicemPodlePozice) {
  // The same letter in positions 1 and 14 meets the same key character; in position 2 another.
  const std::string z = *DoCp1250(Zakoduj(std::string(14, 'a')));
  EXPECT_EQ(z[0], z[13]);
  EXPECT_NE(z[0], z[1]);
  // Scrambled apart, the marker and the string differ from the two scrambled as one.
  EXPECT_NE(UlozenyTvar("/vypnuti;t/1/"), Zakoduj(";TD/vypnuti;t/1/"));
}

TEST(Kodovani, ZnakMimoKodovouStranku) {
  EXPECT_TRUE(LzeUlozit("/vypnuti;h/Příliš žluťoučký/"));
  EXPECT_FALSE(LzeUlozit("/vypnuti;h/密码/"));
  EXPECT_FALSE(LzeUlozit("/vypnuti;h/\xC3/"));  // malformed UTF-8
  EXPECT_EQ(Dekoduj(Zakoduj("a密b")), "a?b");
}

TEST(UlozenyTvar, PoznaSeJenSvymZnackou) {
  EXPECT_EQ(RozbalUlozenyTvar(UlozenyTvar("/vypnuti;kd;t/22:30/")), "/vypnuti;kd;t/22:30/");
  EXPECT_EQ(RozbalUlozenyTvar(UlozenyTvar("")), "");
  for (const std::string& cizi : {std::string("/vypnuti;t/15:32/"), std::string(";TD/vypnuti;t/1/"), Zakoduj(";T")}) {
    EXPECT_EQ(RozbalUlozenyTvar(cizi), std::nullopt) << cizi;
  }
}
