#include "zaklad.h"

#include "controls/status_bar/clskzsb.h"

TEST(StavovyRadek, ObdelnikAZdrojIkony) {
  EXPECT_EQ(ObdelnikListy({0, 0, 300, 200}, 96), (Obdelnik{2, 178, 298, 198}));  // at (2, 178), 296 x 20
  // The margins and the height grow with the dpi.
  EXPECT_EQ(ObdelnikListy({0, 0, 300, 200}, 144), (Obdelnik{3, 167, 297, 197}));
  std::vector<ZdrojIkony> zdroje;
  for (const int kod : {0, 1, 2, 32511, 32512, 32517, 32518}) zdroje.push_back(ZdrojIkonyListy(kod));
  using enum ZdrojIkony;
  EXPECT_EQ(zdroje, (std::vector{zadna, okno, zadna, zadna, systemova, systemova, zadna}));
}
