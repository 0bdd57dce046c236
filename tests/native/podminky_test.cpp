// Schedules that wait for a condition: a program that ends, a quiet computer, nobody at the keyboard.
// The parser's forms, the end of a day's watch, daily re-arming and the sentences that say what the
// schedule waits for.

#include "falesny_svet.h"

using Podminka = Svet;

// A day's watch ends at 06:00 the next morning (a daily one's at its next moment, if sooner): a one-off
// one is then forgotten with a balloon; a lone condition watches until it holds. A condition's moment is
// not a moment to be missed.
TEST_F(Podminka, HlidaniDneKonci) {
  // A row: the schedule; armed at, render.exe runs and the computer is busy until, ticked until; the result.
  const std::tuple<const char*, Cas, Cas, Cas, const char*> pripady[] = {
      {"/vypnuti;t/20:00/;po/render.exe/", V(19, 0), V(10, 0, 0, 5), V(11, 0, 0, 5),
       "zapomenuto: Vypnutí po skončení programu render.exe, nejdříve 4.12.2026 ve 20:00, neproběhlo: podmínka do "
       "rána nenastala."},
      {"/vypnuti;po/render.exe/", V(10, 0), V(16, 0, 0, 5), V(17, 0, 0, 5), "varování 5.12.2026 16:01:00"},
      {"/vypnuti;t/10:30/;po/render.exe/", V(9, 0), V(10, 45), V(11, 0), "varování 4.12.2026 10:46:00"},
      {"/vypnuti;kd;t/5:00/;po/render.exe/", V(10, 0), V(4, 58, 0, 5), V(6, 0, 0, 5), "varování 5.12.2026 5:00:30"},
  };
  for (const auto& [parametr, od, bezi_do, konec, cekano] : pripady) {
    svet.Arm(parametr, od);
    svet.Tikej(
        konec, 30s,
        [&, bezi_do = bezi_do] {
          const bool bezi = svet.hodiny.ted < bezi_do;
          svet.procesy = bezi ? std::vector<std::string>{"render.exe"} : std::vector<std::string>{};
          svet.procesor.celkem += 30'000;
          svet.procesor.necinny += bezi ? 0 : 30'000;
        },
        true);
    std::string vysledek =
        stav.UpozorneniBezi ? "varování " + FormatDatum(svet.hodiny.ted) + " " + FormatCasSekundy(svet.hodiny.ted) : "";
    for (const auto& radek : svet.log)
      if (radek.starts_with("bublina ")) vysledek = "zapomenuto: " + radek.substr(8);
    EXPECT_EQ(vysledek, cekano) << parametr;
  }
  // The last one cancelled: the next day's, not the same morning's.
  cmKZS_Click();
  EXPECT_EQ(Cil(), "6.12.2026 5:00:00");
}

// Only the adapters that carry the computer's own traffic count: a virtual switch that calls itself
// Ethernet, a tunnel, a filter driver and the loopback would count the same bytes again. A row: the
// type, filter, hardware.
TEST(Klid, SitJenFyzickeAdaptery) {
  std::string pocita;
  for (const auto& [typ, filtr, hardware] : std::initializer_list<std::tuple<std::uint32_t, int, int>>{
           {6, 0, 1}, {71, 0, 1}, {243, 0, 1}, {244, 0, 1}, {6, 0, 0}, {6, 1, 1}, {131, 0, 1}, {24, 0, 0}})
    pocita += PocitatAdapter(typ, filtr, hardware) ? "1" : "0";
  EXPECT_EQ(pocita, "11110000");
}

// A watched condition asks the system once in 5 s; nothing is asked while no condition is armed, and
// nothing starts when the system cannot answer.
TEST_F(Podminka, VarovaniAkceACenaHlidani) {
  svet.Arm("/vypnuti;po/render.exe/", V(10, 0));
  svet.procesy = {"render.exe"};
  svet.Tikej(V(10, 1));
  EXPECT_EQ(svet.dotazu_cinnosti, 12) << "once in 5 s";

  svet.dotazu_cinnosti = 0;
  svet.Arm("/vypnuti;t/11:30/", V(11, 0));
  svet.Tikej(V(11, 10));
  EXPECT_EQ(svet.dotazu_cinnosti, 0);

  svet.cinnost_selze = true;
  for (const char* parametr : {"/vypnuti;po/render.exe/", "/vypnuti;klid/1/", "/vypnuti;necinnost/1/"}) {
    svet.Arm(parametr, V(12, 0));
    svet.Tikej(V(12, 10));
    EXPECT_EQ(stav.UpozorneniBezi, 0) << parametr;
  }
}

// A daily schedule watches anew every day from its time: after the sleep, the quiet counts again from
// the next evening's 22:00.
TEST_F(Podminka, DenneZnovu) {
  svet.Arm("/spanek;kd;t/22:00/;klid/1/", V(21, 0));
  svet.Tikej(V(22, 0, 59));
  EXPECT_EQ(stav.UpozorneniBezi, 0);
  svet.Tikej(V(22, 2));
  EXPECT_EQ(Cil(), "5.12.2026 22:00:00");
  svet.Tikej(V(22, 0, 59, 5));
  EXPECT_EQ(stav.UpozorneniBezi, 0);
}

// The tooltip at a moment and the summary: a condition with a time, and a weekend one passed today.
TEST_F(Podminka, VetyRikajiNaCoCeka) {
  const std::tuple<const char*, Cas, const char*, const char*> pripady[] = {
      {"/spanek;t/23:00/;klid/15/", V(10, 1), "Spánek po 15 minutách klidu, nejdříve dnes ve 23:00.",
       "Spánek po 15 minutách klidu, nejdříve 4.12.2026 v 23:00."},
      {"/vypnuti;dny/so-ne/;t/8:00/;po/a.exe/", V(10, 1), "Vypnutí po skončení programu a.exe, nejdříve zítra v 08:00.",
       "Vypnutí po skončení programu a.exe, nejdříve o víkendu v 08:00."},
  };
  for (const auto& [parametr, kdy, tip, shrnuti] : pripady) {
    svet.Arm(parametr, V(10, 0));
    svet.procesy = {"a.exe", "render.exe"};
    svet.Tikej(kdy);
    EXPECT_EQ(TextTipu(svet.hodiny.ted) + " | " + TextShrnuti(), tip + " | "s + shrnuti) << parametr;
  }
  // A second condition is no silent choice: the string is refused with its error box, and none is kept.
  svet.ZacniV(V(10, 0, 30));
  EXPECT_FALSE(RozeberParametr("/vypnuti;po/a.exe/;po/b.exe/", false, false));
  EXPECT_EQ(svet.dialogy.zpravy.size(), 1u);
  EXPECT_TRUE(stav.Podminka.Zadne());
}

// From the not-before moment to the action, or until the schedule is cancelled, replaced or forgotten, the
// computer is kept from idle sleep (the screen too from the warning on); a time alone holds nothing before
// its warning, and a daily watch holds again on its next day; a snooze of its action holds on. A row: the
// string and what is handed over at 10:20 ("-": nothing; "odloz": "Odložit" in the warning); render.exe
// runs, the computer works and the user types until 10:30 or, with "!", for good.
TEST_F(Podminka, PocitacBdiPriHlidani) {
  Tabulka(
      {{"/vypnuti;t/10:10/;po/render.exe/ -", "10:10:00 S, 10:30:10 SD, 10:31:10 -"},
       {"/zamceni;po/render.exe/ odloz", "10:00:05 S, 10:30:10 SD, 10:30:10 -, 10:30:10 S, 10:40:00 SD, 10:41:00 -"},
       {"/spanek;klid/5/ -", "10:00:05 S, 10:35:00 SD, 10:36:00 -"},
       {"/zamceni;necinnost/5/ /storno", "10:00:05 S, 10:20:00 -"},
       {"/vypnuti;po/render.exe/ /vypnuti;t/23:00/", "10:00:05 S, 10:20:00 -, 22:59:00 SD, 23:00:00 -"},
       {"/vypnuti;t/10:40/ -", "10:39:00 SD, 10:40:00 -"},
       {"/vypnuti;t/20:00/;po/render.exe/! -", "20:00:00 S, 6:00:00 -"},
       {"/vypnuti;kd;t/10:10/;po/render.exe/! -", "10:10:00 S, 6:00:00 -, 10:10:00 S"}},
      [&](const std::string& radek) {
        std::istringstream slova(radek);
        std::string parametr, pokyn, zmeny;
        slova >> parametr >> pokyn;
        const bool navzdy = parametr.ends_with('!');
        if (navzdy) parametr.pop_back();
        svet.Arm(parametr, V(10, 0));
        svet.bdelost.clear();
        const auto zapis = [&] {
          for (const auto& [priznaky, _] : std::exchange(svet.bdelost, {}))
            zmeny += FormatCasSekundy(svet.hodiny.ted) + (priznaky == (bdelost::Trvale | bdelost::System) ? " S, "
                                                          : priznaky == bdelost::Trvale                   ? " -, "
                                                                                                          : " SD, ");
        };
        svet.Tikej(V(10, 15) + days{1}, 5s, [&] {
          zapis();
          const bool prace = navzdy || svet.hodiny.ted < V(10, 30);
          svet.procesy = prace ? std::vector<std::string>{"render.exe"} : std::vector<std::string>{};
          svet.procesor.celkem += 5000;
          svet.procesor.necinny += prace ? 0 : 5000;
          if (prace) svet.posledni_vstup = svet.hodiny.Tik();
          if (svet.hodiny.ted == V(10, 20) && pokyn.starts_with('/')) PrijmiPokyn(pokyn), zapis();
          if (stav.UpozorneniBezi == 1 && pokyn == "odloz") Odloz(), zapis(), pokyn.clear();
        });
        return zmeny.substr(0, zmeny.size() - 2);
      });
}
