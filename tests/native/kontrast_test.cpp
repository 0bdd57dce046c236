#include "zaklad.h"

#include "controls/kontrast.h"

// In high-contrast mode every purpose takes the user's system colour.
TEST(VysokyKontrast, SystemoveBarvyMistoNavrhu) {
  const Barva navrh = Rgb(255, 0, 0);
  std::vector<Barva> kontrast;
  for (const UcelBarvy ucel : {UcelBarvy::PlochaTlacitka, UcelBarvy::TextTlacitka, UcelBarvy::PlochaPohybu,
                               UcelBarvy::Pohyb, UcelBarvy::PlochaStisku, UcelBarvy::Stisk, UcelBarvy::PlochaZapnuti,
                               UcelBarvy::Zakazany, UcelBarvy::Pozadi, UcelBarvy::TextPozadi})
    kontrast.push_back(BarvaVKontrastu(navrh, ucel, true));
  EXPECT_EQ(kontrast, (std::vector<Barva>{SystemovaBarva(15), SystemovaBarva(18), SystemovaBarva(5), SystemovaBarva(26),
                                          SystemovaBarva(13), SystemovaBarva(14), SystemovaBarva(13),
                                          SystemovaBarva(17), SystemovaBarva(5), SystemovaBarva(8)}));
}
