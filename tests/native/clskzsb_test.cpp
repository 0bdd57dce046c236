#include "controls/status_bar/clskzsb.h"

#include <gtest/gtest.h>

#include "controls/twipy.h"

TEST(Twipy, PrevodPodleDpi) {
  EXPECT_EQ(TwipyNaPixely(1035, 96), 69);
  EXPECT_EQ(TwipyNaPixely(1035, 144), 104);  // 103.5 rounds up, not down
  EXPECT_FLOAT_EQ(PixelyNaTwipy(2, 192), 15);
}

TEST(StavovyRadek, ObdelnikAZdrojIkony) {
  EXPECT_EQ(ObdelnikListy({0, 0, 300, 200}, 96), (Obdelnik{2, 178, 298, 198}));  // at (2, 178), 296 x 20
  // The margins and the height grow with the dpi.
  EXPECT_EQ(ObdelnikListy({0, 0, 300, 200}, 144), (Obdelnik{3, 167, 297, 197}));
  const struct {
    int kod;
    ZdrojIkony zdroj;
  } pripady[] = {{0, ZdrojIkony::zadna},          {1, ZdrojIkony::okno},           {2, ZdrojIkony::zadna},
                 {32511, ZdrojIkony::zadna},      {32512, ZdrojIkony::systemova}, {32517, ZdrojIkony::systemova},
                 {32518, ZdrojIkony::zadna}};
  for (const auto& p : pripady) EXPECT_EQ(ZdrojIkonyListy(p.kod), p.zdroj) << p.kod;
}
