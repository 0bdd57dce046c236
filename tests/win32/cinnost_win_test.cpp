// What the system says of its own work, as the conditions of a schedule read it.
#include "zaklad_win.h"

#include "platform/win32/cinnost_win.h"

TEST(CinnostWin, CteSystem) {
  CinnostWin cinnost;
  EXPECT_EQ(cinnost.BeziProgram("TESTY_win32.EXE"), true) << "this very test, in any case";
  EXPECT_EQ(cinnost.BeziProgram("nikdy-nebezi.exe"), false);
  const auto procesor = cinnost.Procesor();
  ASSERT_TRUE(procesor.has_value());
  EXPECT_LE(procesor->necinny, procesor->celkem);
  EXPECT_TRUE(cinnost.BajtySite().has_value());
  EXPECT_TRUE(cinnost.BezVstupu().has_value());
}
