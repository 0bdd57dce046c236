// Schedules on chosen days of the week: the list, the next moment on an allowed day, a from-to window
// that belongs to the day it opens on, the sentences that name the days, and a missed moment.
#include "core/dny.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "beh_programu.h"
#include "core/parametr.h"
#include "scheduler/casovac.h"
#include "scheduler/zpravy_okna.h"
#include "ui/main_window/zobraz_nastaveni.h"

using ::testing::Contains;
using ::testing::HasSubstr;
using namespace std::chrono;

namespace {

// 7 December 2026 is a Monday: den 0 is Monday the 7th … 6 is Sunday the 13th.
Cas Den(int den, int hodina, int minuta = 0) { return SlozCas(2026, 12, 7 + den, hodina, minuta); }

class Dny : public BehProgramu {};

}  // namespace

TEST(SeznamDnu, CteniAZapis) {
  const struct {
    const char* text;
    std::optional<std::uint8_t> dny;
    const char* zapis;  // as the window's builder writes it back
  } pripady[] = {
      {"po-pa", dny::Pracovni, "po-pa"},
      {"po,st,pa", 0x15, "po,st,pa"},
      {"so-ne", dny::Vikend, "so,ne"},
      {"pa-po", 0x71, "po,pa-ne"},  // round the week's end
      {"út,čt,pá", 0x1A, "ut,ct,pa"},
      {"ÚT,ČT,PÁ", 0x1A, "ut,ct,pa"},
      {"ne", 0x40, "ne"},
      {"ne-ne", 0x40, "ne"},
      {"po-", std::nullopt, ""},
      {"po,,st", std::nullopt, ""},
      {"pondeli", std::nullopt, ""},
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(CtiDny(p.text), p.dny) << p.text;
    if (p.dny) {
      EXPECT_EQ(ZapisDny(*p.dny), p.zapis) << p.text;
      EXPECT_EQ(CtiDny(ZapisDny(*p.dny)), p.dny) << p.text;
    }
  }
}

// The target is the next moment on an allowed day, from every day of the week.
TEST_F(Dny, PristiOkamzikVPovolenyDen) {
  const struct {
    const char* parametr;
    Cas ted;
    std::optional<Cas> cil;  // nothing: refused
  } pripady[] = {
      {"/vypnuti;dny/po-pa/;t/16:00/", Den(0, 10), Den(0, 16)},
      {"/vypnuti;dny/po-pa/;t/16:00/", Den(0, 17), Den(1, 16)},
      {"/vypnuti;dny/po-pa/;t/16:00/", Den(4, 17), Den(7, 16)},  // Friday evening: Monday
      {"/vypnuti;dny/po-pa/;t/16:00/", Den(5, 10), Den(7, 16)},  // Saturday
      {"/vypnuti;dny/po-pa/;t/16:00/", Den(6, 23), Den(7, 16)},  // Sunday
      {"/vypnuti;dny/po,st,pa/;t/16:00/", Den(1, 10), Den(2, 16)},
      {"/zamceni;dny/so-ne/;t/21:00/", Den(2, 10), Den(5, 21)},
      {"/zamceni;dny/pa-po/;t/21:00/", Den(1, 10), Den(4, 21)},
      {"/zamceni;dny/ne/;t/21:00/", Den(6, 21, 1), Den(13, 21)},  // passed on the only day: a week on
      {"/restart;kd;dny/st/;t/8:00/", Den(0, 10), Den(2, 8)},     // ";kd" beside it changes nothing
      {"/vypnuti;kd;t/16:00/", Den(5, 17), Den(6, 16)},           // without days: every day, as before
      {"/vypnuti;dny/xx/;t/16:00/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/po;t/16:00/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/po/;t/16:00/;d/8.12.2026/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/po/;t/30/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/po-ne/;t/16:00/", Den(0, 17), Den(1, 16)},  // all seven days: every day
      {"/vypnuti;dny/po-ne/;t/30/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/po-pa/", Den(0, 10), std::nullopt},  // days without a time: nothing to do now
      {"/vypnuti;dny/po-ne/;t/16:00/;d/8.12.2026/", Den(0, 10), std::nullopt},
      {"/vypnuti;dny/pa/;t/24:00/", Den(3, 10), Den(5, 0)},  // Friday's midnight, not Thursday's
  };
  for (const auto& p : pripady) {
    svet.hodiny.ted = stav.CasSpusteni = p.ted;
    svet.dialogy.zpravy.clear();
    const bool aktivni = RozeberParametr(p.parametr, false, false);
    EXPECT_EQ(aktivni, p.cil.has_value()) << p.parametr;
    if (aktivni) {
      EXPECT_EQ(stav.CilovyCas, *p.cil) << p.parametr << " from " << FormatDatum(p.ted);
      EXPECT_EQ(stav.KazdyDen, 1) << p.parametr;
    } else {
      EXPECT_EQ(svet.dialogy.zpravy.size(), 1u) << p.parametr << ": the error box with the help";
    }
  }
}

// A from-to window is the day's it opens on: on working days, Friday night past midnight counts and
// Monday's small hours (Sunday's window) do not.
TEST_F(Dny, OknoOdDoPatriDniOtevreni) {
  const struct {
    Cas kdy;
    bool vypne;
  } pripady[] = {
      {Den(4, 23), true}, {Den(5, 1), true}, {Den(5, 23), false}, {Den(6, 5), false}, {Den(7, 1), false},
      {Den(7, 23), true}, {Den(8, 3), true}, {Den(8, 12), false}, {Den(7, 22), true},  // the opening minute is the
                                                                                       // day's own
  };
  for (const auto& p : pripady) {
    Spust(Den(4, 12), "/vypnuti;od/22:00-06:00/;dny/po-pa/");
    TikejV(p.kdy);
    EXPECT_EQ(svet.Log({"tip", "SetTimer"}).size() == 3, p.vypne)
        << FormatDatum(p.kdy) << " " << FormatCasSekundy(p.kdy);
  }
}

TEST_F(Dny, VetyJmenujiDny) {
  const struct {
    const char* parametr;
    const char* shrnuti;
    const char* tip;
  } pripady[] = {
      {"/vypnuti;dny/po-pa/;t/16:00/", "Vypnutí v pracovní dny v 16:00.", "Vypnutí za 6 hodin."},
      {"/vypnuti;dny/po,st,pa/;t/16:00/", "Vypnutí v po, st, pá v 16:00.", "Vypnutí za 6 hodin."},
      {"/restart;dny/so-ne/;t/9:30/", "Restartování o víkendu v 09:30.", "Restartování za 4 dny, 23 hodin a 30 minut."},
      {"/zamceni;dny/po-ne/;t/16:00/", "Uzamčení 7.12.2026 v 16:00.", "Uzamčení za 6 hodin."},
      {"/vypnuti;od/22:00-06:00/;dny/út/", "Vypnutí od 22:00 do 06:00 v út.", "Vypnutí od 22:00 do 06:00 v út."},
  };
  for (const auto& p : pripady) {
    Spust(Den(0, 10), p.parametr);
    EXPECT_EQ(TextShrnuti(), p.shrnuti) << p.parametr;
    EXPECT_EQ(TextTipu(svet.hodiny.ted), p.tip) << p.parametr;
  }
}
