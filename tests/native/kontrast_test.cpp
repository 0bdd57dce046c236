#include "controls/kontrast.h"

#include <gtest/gtest.h>

// In high-contrast mode every purpose takes the user's system colour; otherwise the design stands.
TEST(VysokyKontrast, SystemoveBarvyMistoNavrhu) {
  const struct {
    UcelBarvy ucel;
    Barva kontrast;
  } pripady[] = {
      {UcelBarvy::PlochaTlacitka, SystemovaBarva(15)}, {UcelBarvy::TextTlacitka, SystemovaBarva(18)},
      {UcelBarvy::PlochaPohybu, SystemovaBarva(5)},    {UcelBarvy::Pohyb, SystemovaBarva(26)},
      {UcelBarvy::PlochaStisku, SystemovaBarva(13)},   {UcelBarvy::Stisk, SystemovaBarva(14)},
      {UcelBarvy::PlochaZapnuti, SystemovaBarva(13)},  {UcelBarvy::Zakazany, SystemovaBarva(17)},
      {UcelBarvy::Pozadi, SystemovaBarva(5)},          {UcelBarvy::TextPozadi, SystemovaBarva(8)},
  };
  const Barva navrh = Rgb(255, 0, 0);
  for (const auto& p : pripady) {
    EXPECT_EQ(BarvaVKontrastu(navrh, p.ucel, true), p.kontrast) << static_cast<int>(p.ucel);
    EXPECT_EQ(BarvaVKontrastu(navrh, p.ucel, false), navrh) << static_cast<int>(p.ucel);
  }
}
