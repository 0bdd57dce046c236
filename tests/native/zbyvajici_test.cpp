#include "scheduler/zbyvajici.h"

#include "zaklad.h"

#include "core/stav.h"

TEST(TextZbyvajici, CeskeTvaryPoctu) {
  // clang-format off
  const std::pair<std::int64_t, const char*> pripady[] = {
      {0, "Vypnutí za."},                          {1, "Vypnutí za 1 minutu."},
      {60, "Vypnutí za 1 hodinu."},                {125, "Vypnutí za 2 hodiny a 5 minut."},
      {300, "Vypnutí za 5 hodin."},                {1500, "Vypnutí za 1 den, 1 hodinu."},
      {1565, "Vypnutí za 1 den, 2 hodiny a 5 minut."}, {6004, "Vypnutí za 4 dny, 4 hodiny a 4 minuty."},
      {7201, "Vypnutí za 5 dní a 1 minutu."},      {525600, "Vypnutí za 365 dní."},
      {-3, "Vypnutí za -3 minuty."},               {-1500, "Vypnutí za -1500 minuty."},  // a passed target is not split
      {999 * 1440, "Vypnutí za 999 dní."},         {1124 * 1440 + 61, "Vypnutí za 1\u00A0124 dní, 1 hodinu a 1 minutu."},
      {4193432039, "Vypnutí za 2\u00A0912\u00A0105 dní, 13 hodin a 59 minut."}};  // past 32 bits
  // clang-format on
  stav.AkceNazev = "Vypnutí";
  for (const auto& [minuty, text] : pripady) EXPECT_EQ(TextZbyvajici(minuty), text) << minuty;
  stav = StavPlanu{};
}
