#include "controls/status_bar/clskzsb.h"

#include <gtest/gtest.h>

#include "controls/twipy.h"

TEST(Twipy, PrevodPodleDpi) {
  const struct {
    int twipy, dpi, pixely;
  } pripady[] = {{1035, 96, 69}, {345, 96, 23}, {225, 96, 15}, {15, 96, 1}, {1035, 144, 104}, {1035, 120, 86}, {300, 192, 40}};
  for (const auto& p : pripady) EXPECT_EQ(TwipyNaPixely(p.twipy, p.dpi), p.pixely) << p.twipy << " @" << p.dpi;
  EXPECT_FLOAT_EQ(PixelyNaTwipy(69, 96), 1035);
  EXPECT_FLOAT_EQ(PixelyNaTwipy(2, 192), 15);
}

TEST(StavovyRadek, ObdelnikPodelSpodnihoOkraje) {
  const struct {
    Obdelnik klient;
    int dpi;
    Obdelnik lista;
  } pripady[] = {
      {{0, 0, 300, 200}, 96, {2, 178, 298, 198}},  // at (2, 178), 296 x 20
      {{0, 0, 431, 286}, 96, {2, 264, 429, 284}},
      {{0, 0, 300, 200}, 144, {3, 167, 297, 197}},  // margins and height grow with the dpi
      {{0, 0, 3, 10}, 96, {2, -12, 1, 8}},          // a tiny parent: the bar hangs outside
  };
  for (const auto& p : pripady) EXPECT_EQ(ObdelnikListy(p.klient, p.dpi), p.lista) << p.klient.right << " @" << p.dpi;
  EXPECT_EQ(VelikostIkonyListy(96), 16);
}

TEST(StavovyRadek, ZdrojIkonyPodleKodu) {
  const struct {
    int kod;
    ZdrojIkony zdroj;
  } pripady[] = {{0, ZdrojIkony::zadna},          {1, ZdrojIkony::okno},           {2, ZdrojIkony::zadna},
                 {32511, ZdrojIkony::zadna},      {32512, ZdrojIkony::systemova}, {32515, ZdrojIkony::systemova},
                 {32516, ZdrojIkony::systemova}, {32517, ZdrojIkony::systemova}, {32518, ZdrojIkony::zadna},
                 {-1, ZdrojIkony::zadna}};
  for (const auto& p : pripady) EXPECT_EQ(ZdrojIkonyListy(p.kod), p.zdroj) << p.kod;
}
