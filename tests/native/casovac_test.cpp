#include "falesny_svet.h"

using Tik = Svet;

TEST_F(Tik, NaplanovaneVypnutiAzDoKonce) {
  svet.Arm("/vypnuti;t/15:33/", V(15, 0, 10));
  EXPECT_EQ(svet.Behem(V(15, 2, 30)), "tip Vypnutí za 32 minut., tip Vypnutí za 31 minut.");
  EXPECT_EQ(svet.Behem(V(15, 32, 0), {"tip"}), "ukaz storno");
  svet.Behem(V(15, 32, 58));
  const auto& o = svet.log;
  ASSERT_EQ(o.size(), 58u);
  EXPECT_EQ(Spoj({o[0], o[54], o[55], o[57]}),
            "lblUC Vypnutí za 59 vteřin., lblUC Vypnutí za 5 vteřin., "
            "lblUC Vypnutí za 4 vteřiny., lblUC Vypnutí za 2 vteřiny.");
  // The last second says goodbye; the action comes when the minute is whole.
  EXPECT_EQ(svet.Behem(V(15, 32, 59)), "lblUC Nashledanou");
  EXPECT_EQ(
      svet.Behem(V(15, 33, 0)),
      "tip Nashledanou, lblUC Nashledanou, privilegium, KillTimer, ExitWindowsEx 0x0000000D 0x80040001, SetTimer");

  // What the warning shows by the options. The window sounds once as it appears, and a screen reader hears
  // the countdown every ten seconds and once more at five, while it is shown.
  Tabulka({{"/vypnuti;t/15:33/", "ukaz storno, tip Vypnutí za 1 minutu. | 50 40 30 20 10 5 | 1"},
           {"/vypnuti;zs;t/15:33/", "ukaz bez storna, ikona pryc, tip Vypnutí za 1 minutu. | 50 40 30 20 10 5 | 1"},
           {"/vypnuti;ss;t/15:33/", "tip Vypnutí za 1 minutu. | | 0"},
           {"/vypnuti;ss;zs;t/15:33/", "ikona pryc, tip Vypnutí za 1 minutu. | | 0"}},
          [&](const std::string& parametr) {
            svet.ohlasy.clear();
            svet.zazneni = 0;
            svet.Arm(parametr, V(15, 0, 10));
            svet.TikejV(V(15, 32, 0));
            std::string radek = Spoj(svet.Log()) + " |";
            svet.Tikej(V(15, 33, 0));
            for (int s : svet.ohlasy) radek += " " + std::to_string(s);
            return radek + " | " + std::to_string(svet.zazneni);
          });
}

// Minute by minute over a day: the minutes each window (start and end hour and minute) lets in and out.
TEST(OknoOdDo, HodinaAMinutaUvnitr) {
  // clang-format off
  Tabulka({{"22 0 6 0", "0:00 dovnitř, 6:01 ven, 22:00 dovnitř"}, {"22 10 22 50", "22:10 dovnitř, 22:51 ven"},
           {"22 10 22 20", "22:10 dovnitř, 22:21 ven"}, {"8 30 17 15", "8:30 dovnitř, 17:16 ven"},
           {"22 50 22 10", ""}},  // the same hour with the end before the start: never inside
          // clang-format on
          [](const std::string& okno) {
            int od_h, od_m, do_h, do_m;
            std::istringstream(okno) >> od_h >> od_m >> do_h >> do_m;
            std::vector<std::string> zmeny;
            bool uvnitr = false;
            for (int m = 0; m < 1440; ++m) {
              if (VOknu(od_h, od_m, do_h, do_m, m / 60, m % 60) == uvnitr) continue;
              uvnitr = !uvnitr;
              zmeny.push_back(std::to_string(m / 60) + ":" + (m % 60 < 10 ? "0" : "") + std::to_string(m % 60) +
                              (uvnitr ? " dovnitř" : " ven"));
            }
            return Spoj(zmeny);
          });
}

// A cancel ends a one-off schedule, for the next log-on too; a daily one loses that day only. A one-off
// sleep carried out is forgotten as well.
TEST_F(Tik, StornoHlasiAOteviraHlavniOkno) {
  const auto stornovano = [](std::string tip) { return "schovej, tip " + tip + ", hlavni okno, sb 32516 " + tip; };
  Tabulka({{"/spanek;t/15:33/ storno", stornovano("Spánek bylo stornováno.") + " | 0 | -"},
           {"/spanek;kd;t/15:33/ storno",
            stornovano("Spánek bylo stornováno. Příště proběhne zítra v 15:33.") + " | 0 | /spanek;kd;t/15:33/"},
           {"/spanek;t/15:33/", " | 1 | - | Spuštěné uspání dokončeno."}},
          [&](const std::string& radek) {
            svet.Arm(radek.substr(0, radek.find(' ')), V(15, 0, 10));
            svet.Tikej(V(15, 32, 30));
            svet.log.clear();
            const bool storno = radek.ends_with("storno");
            if (storno) cmKZS_Click();
            std::string vysledek = Spoj(svet.Log({"hodiny"})) + " | ";
            vysledek += std::to_string(svet.Tikej(V(15, 34, 0))) + " | ";
            vysledek += stav.Neaktivni ? "-" : RozbalUlozenyTvar(svet.ulozeny_parametr).value_or("?");
            return vysledek + (storno ? "" : " | " + svet.tip);
          });
}
