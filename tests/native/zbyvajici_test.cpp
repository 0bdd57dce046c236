#include "scheduler/zbyvajici.h"

#include <gtest/gtest.h>

#include "core/stav.h"

TEST(TextZbyvajici, CeskeTvaryPoctu) {
  const struct {
    const char* akce;
    int minuty;
    const char* text;
  } pripady[] = {
      {"Vypnutí", 0, "Vypnutí za."},
      {"Vypnutí", 1, "Vypnutí za 1 minutu."},
      {"Vypnutí", 3, "Vypnutí za 3 minuty."},
      {"Vypnutí", 45, "Vypnutí za 45 minut."},
      {"Vypnutí", 60, "Vypnutí za 1 hodinu."},
      {"Vypnutí", 61, "Vypnutí za 1 hodinu a 1 minutu."},
      {"Vypnutí", 125, "Vypnutí za 2 hodiny a 5 minut."},
      {"Vypnutí", 300, "Vypnutí za 5 hodin."},
      {"Vypnutí", 1440, "Vypnutí za 1 den."},
      {"Vypnutí", 1500, "Vypnutí za 1 den, 1 hodinu."},
      {"Vypnutí", 1565, "Vypnutí za 1 den, 2 hodiny a 5 minut."},
      {"Vypnutí", 2880, "Vypnutí za 2 dny."},
      {"Vypnutí", 6004, "Vypnutí za 4 dny, 4 hodiny a 4 minuty."},
      {"Vypnutí", 7201, "Vypnutí za 5 dní a 1 minutu."},
      {"Vypnutí", 525600, "Vypnutí za 365 dní."},
      {"Vypnutí", -3, "Vypnutí za -3 minuty."},
      {"Vypnutí", -1500, "Vypnutí za -1500 minuty."},  // a passed target is not split
      {"Restartování", 90, "Restartování za 1 hodinu a 30 minut."},
  };
  const std::string puvodni = stav.AkceNazev;
  for (const auto& p : pripady) {
    stav.AkceNazev = p.akce;
    EXPECT_EQ(TextZbyvajici(p.minuty), p.text) << p.minuty;
  }
  stav.AkceNazev = puvodni;
}
