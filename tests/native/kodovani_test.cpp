#include "core/kodovani.h"

#include <gtest/gtest.h>

#include <string>

TEST(Kodovani, DekodujVraciPuvodniText) {
  const std::string pripady[] = {
      "",
      "/vypnuti;t/15:32/",
      "/restart;kd;zs;ss;kv;h/Žluťoučký kůň úpěl ďábelské ódy/;t/525600/",  // longer than the key
      std::string("\0\x7F", 2),
      "€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź ˇ˘Ł¤Ą¦§¨©Ş«¬­®Ż°±˛ł´µ¶·¸ąş»Ľ˝ľż",
      "\u0081\u0083\u0088\u0090\u0098",  // the bytes the code page leaves unassigned
  };
  for (const auto& text : pripady) {
    const std::string zakodovano = Zakoduj(text);
    EXPECT_EQ(Dekoduj(zakodovano), text);
    EXPECT_EQ(DoCp1250(zakodovano)->size(), DoCp1250(text)->size()) << "as many characters as before";
  }
}

TEST(Kodovani, KazdyBajtMaSvujZnak) {
  std::string vsechny;
  for (int b = 0; b < 256; ++b) vsechny += static_cast<char>(b);
  const std::string text = ZCp1250(vsechny);
  EXPECT_EQ(DoCp1250(text), vsechny);
  EXPECT_EQ(Dekoduj(Zakoduj(text)), text);
}

TEST(Kodovani, ZnakClenSeKlicemPodlePozice) {
  // The same letter in positions 1, 14 and 27 meets the same key character; in position 2 another.
  const std::string z = *DoCp1250(Zakoduj(std::string(27, 'a')));
  EXPECT_EQ(z[0], z[13]);
  EXPECT_EQ(z[0], z[26]);
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
  const struct {
    std::string text;
    std::optional<std::string> parametr;
  } pripady[] = {
      {UlozenyTvar("/vypnuti;kd;t/22:30/"), "/vypnuti;kd;t/22:30/"},
      {UlozenyTvar(""), ""},
      {UlozenyTvar("/vypnuti;h/" + std::string(1, '\0') + "/;t/1/"), "/vypnuti;h/" + std::string(1, '\0') + "/;t/1/"},
      {"/vypnuti;t/15:32/", std::nullopt},
      {";TD/vypnuti;t/15:32/", std::nullopt},
      {Zakoduj(";T"), std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& p : pripady) EXPECT_EQ(RozbalUlozenyTvar(p.text), p.parametr) << p.text;
}
