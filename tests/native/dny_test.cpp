// Schedules on chosen days of the week: the list, and a from-to window that belongs to the day it opens on.

#include "falesny_svet.h"

// The days read (Monday the lowest bit), and the list as the window's builder writes it back, which
// reads the same again; "-": refused.
TEST(SeznamDnu, CteniAZapis) {
  // clang-format off
  Tabulka({{"po-pa", "1F po-pa"}, {"po,st,pa", "15 po,st,pa"}, {"so-ne", "60 so,ne"},
           {"pa-po", "71 po,pa-ne"},  // round the week's end
           {"út,čt,pá", "1A ut,ct,pa"}, {"ÚT,ČT,PÁ", "1A ut,ct,pa"}, {"ne", "40 ne"}, {"ne-ne", "40 ne"},
           {"po-", "-"}, {"po,,st", "-"}, {"pondeli", "-"}},
          // clang-format on
          [](const std::string& text) {
            const auto dny = CtiDny(text);
            if (!dny) return "-"s;
            char bity[4];
            std::snprintf(bity, sizeof bity, "%02X", *dny);
            return bity + " "s + ZapisDny(*dny) + (CtiDny(ZapisDny(*dny)) == dny ? "" : " reads otherwise");
          });
}

// A from-to window is the day's it opens on: on working days, Friday night past midnight counts and
// Monday's small hours (Sunday's window) do not. Armed on Friday the 11th; the days and hours it is off.
using Dny = Svet;
TEST_F(Dny, OknoOdDoPatriDniOtevreni) {
  std::string vypne;
  for (auto [den, hodina] : std::initializer_list<std::pair<int, int>>{
           {11, 23}, {12, 1}, {12, 23}, {13, 5}, {14, 1}, {14, 23}, {15, 3}, {15, 12}, {14, 22}}) {
    svet.Arm("/vypnuti;od/22:00-06:00/;dny/po-pa/", V(12, 0, 0, 11));
    svet.TikejV(V(hodina, 0, 0, den));
    if (svet.Log({"tip", "SetTimer"}).size() == 3) vypne += " " + std::to_string(den) + "." + std::to_string(hodina);
  }
  EXPECT_EQ(vypne, " 11.23 12.1 14.23 15.3 14.22");
}
