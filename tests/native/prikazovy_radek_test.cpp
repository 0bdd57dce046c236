#include "core/prikazovy_radek.h"

#include <gtest/gtest.h>

TEST(PrikazovyRadek, TextZaJmenemProgramu) {
  const struct {
    const char* radek;
    const char* argument;
  } pripady[] = {
      {R"("C:\Program Files\ZD\vypnuti.exe" /vypnuti;t/15:32/)", "/vypnuti;t/15:32/"},
      {R"("C:\a b\vypnuti.exe"/?)", "/?"},
      {"vypnuti.exe   \t /restart  ", "/restart  "},  // blanks at the end belong to the argument
      {R"(vypnuti.exe "/vypnuti;t/1/")", R"("/vypnuti;t/1/")"},
      {R"("neuzavrene jmeno /vypnuti)", ""},
  };
  for (const auto& p : pripady) EXPECT_EQ(TextArgumentu(p.radek), p.argument) << p.radek;
}
