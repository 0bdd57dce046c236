#include "core/kodovani.h"

#include "zaklad.h"

TEST(Kodovani, ZnakClenSeKlicemPodlePozice) {
  // The same letter in positions 1 and 14 meets the same key character; in position 2 another.
  const std::string z = *DoCp1250(Zakoduj(std::string(14, 'a')));
  EXPECT_EQ(z[0], z[13]);
  EXPECT_NE(z[0], z[1]);
  // Scrambled apart, the marker and the string differ from the two scrambled as one.
  EXPECT_NE(UlozenyTvar("/vypnuti;t/1/"), Zakoduj(";TD/vypnuti;t/1/"));
}
