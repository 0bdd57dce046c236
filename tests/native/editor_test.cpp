#include "ui/main_window/editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "falesny_svet.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "ui/main_window/filtr_klaves.h"
#include "ui/main_window/hlavni_okno.h"
#include "ui/main_window/parametr_z_formulare.h"
#include "ui/main_window/podminka_formulare.h"

using O = Ovladac;

namespace {

// The program started at 10:00 on 4 December 2026 with this schedule, its main window loaded.
class Editor : public ::testing::Test {
 protected:
  void Spust(const char* parametr) {
    stav = StavPlanu{};
    stav.CasSpusteni = svet.hodiny.ted;
    if (*parametr) {
      ASSERT_TRUE(RozeberParametr(parametr, false, false)) << parametr;
    }
    f = Formular{};
    NactiHlavniOkno(f, "");
    svet.log.clear();
    svet.dialogy.zpravy.clear();
  }

  FalesnySvet svet;
  Formular f;
};

// Which controls the user can reach ('+'), sees greyed ('-') or does not see ('.'), in a fixed order:
// frHA, Nové, Změnit, Posunutí, S, Od-Do, Čas, Datum, Heslo, the five actions, the five boxes.
std::string Dosah(const Formular& f) {
  std::string s;
  for (const O o : {O::tlKZ0, O::tlHNastaveni, O::tlHNastaveniZ, O::tlHNastaveniP, O::tlHNStop, O::tlHNOdDo,
                    O::txtHNCas, O::txtHNDatum, O::txtHNHeslo, O::opHN1, O::opHN2, O::opHN3, O::opHN4, O::opHN5,
                    O::chHN0, O::chHN1, O::chHN2, O::chHN3, O::chHN4}) {
    s += !f[o].viditelny ? '.' : f.Aktivni(o) ? '+' : '-';
  }
  return s;
}

}  // namespace

TEST_F(Editor, StavyEditoru) {
  const struct {
    const char* stav;
    void (*vstup)(Formular&);
    const char* dosah;
    bool maska;
  } pripady[] = {
      {"View", nullptr, "++++.--------------", true},
      {"New", tlHNastaveni_Click, "--...++++++++++++++", false},
      {"Change", tlHNastaveniZ_Click, "----+++++++++++++++", false},
      {"Postponement", tlHNastaveniP_Click, "----+.+------------", true},
  };
  for (const auto& p : pripady) {
    Spust("/restart;t/22:30/");
    if (p.vstup) p.vstup(f);
    const std::string dosah = Dosah(f);
    EXPECT_EQ(dosah, p.dosah) << p.stav;
    EXPECT_EQ(f[O::txtHNHeslo].maska, p.maska) << p.stav;
    EXPECT_EQ(f.fokus == O::txtHNCas, p.vstup != nullptr) << p.stav;
    tlHNStorno_Click(f);
    EXPECT_EQ(Dosah(f), std::string(pripady[0].dosah)) << "back from " << p.stav;
  }
}

// A schedule changed from outside (a second start, "/storno") leaves the entries of an open editor alone;
// a closed one shows the new schedule.
TEST_F(Editor, PlanZvenkuNechaRozepsaneZaznamy) {
  Spust("/restart;t/22:30/");
  tlHNastaveni_Click(f);
  VyberVolbu(f, 1);
  f[O::txtHNCas].text = "7:00";
  PlanZvenku(f, "Restartování bylo stornováno.");
  EXPECT_EQ(f[O::txtHNCas].text + "|" + std::to_string(VybranaVolba(f)) + "|" + f.sbText,
            "7:00|1|Restartování bylo stornováno.");
  tlHNStorno_Click(f);
  f[O::txtHNCas].text = "7:00";
  PlanZvenku(f, "");
  EXPECT_EQ(f[O::txtHNCas].text, "22:30");
}

// What the user set in the editor, written as the test's shorthand: the action's index (0 none),
// "od" for the from-to mode, the boxes checked (their indexes), and the three texts.
struct Zadani {
  int akce = 0;
  bool od_do = false;
  std::vector<int> boxy{};
  const char* cas = "";
  const char* datum = "";
  const char* heslo = "";
  int podminka = volba_podminky::Zadna;
  const char* udaj = "";  // the program's name or the minutes
};

void Zadej(Formular& f, const Zadani& z) {
  f[O::frHN].povoleny = true;
  if (z.od_do) tlHNOdDo_Click(f);
  VyberVolbu(f, z.akce);
  for (const int i : z.boxy) NastavZaskrtnuti(f, i, 1);
  f[O::txtHNCas].text = z.cas;
  f[O::txtHNDatum].text = z.datum;
  f[O::txtHNHeslo].text = z.heslo;
  cbHNPodminka_Click(f, z.podminka);
  f[O::txtHNPodminka].text = z.udaj;
}

TEST_F(Editor, SestaveniParametru) {
  const struct {
    Zadani zadani;
    const char* parametr;
  } pripady[] = {
      {{.akce = 1, .boxy = {0}, .cas = "22:30", .datum = "4.5.2027"}, "/vypnuti;kd;t/22:30/"},
      {{.akce = 2, .boxy = {1}, .cas = "15:32", .datum = "4.5.2005"}, "/restart;zs;t/15:32/;d/4.5.2005/"},
      {{.akce = 4, .cas = "125"}, "/spanek;t/125/"},
      {{.akce = 5, .boxy = {3, 4, 2}, .cas = " 1:00 ", .heslo = " tajné"}, "/zamceni;zs;h/tajné/;ss;kv;t/1:00/"},
      {{.akce = 3, .boxy = {2}, .cas = "8:00"}, "/odhlaseni;t/8:00/"},  // no password, no ";h"
      {{.akce = 1}, "/vypnuti"},                                        // at once
      {{.od_do = true, .boxy = {0}, .cas = "22:00", .datum = "06:00"}, ";od/22:00-06:00/;kd;zs"},
      {{.od_do = true, .cas = "22:00"}, ""},
      {{.cas = "15:32"}, ""},  // no action
      {{.akce = 1, .podminka = volba_podminky::Program, .udaj = " C:\\Render\\render.exe"}, "/vypnuti;po/render.exe/"},
      {{.akce = 4, .cas = "23:00", .podminka = volba_podminky::Klid, .udaj = "15 "}, "/spanek;klid/15/;t/23:00/"},
      {{.akce = 1, .boxy = {0}, .cas = "22:00", .podminka = volba_podminky::Necinnost, .udaj = "30"},
       "/vypnuti;kd;necinnost/30/;t/22:00/"},
  };
  for (const auto& p : pripady) {
    Spust("");
    Zadej(f, p.zadani);
    tlHNParametr_Click(f);
    EXPECT_EQ(f.Tag, p.parametr) << p.parametr;
    EXPECT_EQ(svet.schranka, p.parametr) << "the clipboard holds the same, an empty text too";
  }
}

// Checking "password" puts the caret in its box; unchecking it forgets what was typed.
TEST_F(Editor, ZaskrtnutiHesla) {
  Spust("");
  tlHNastaveni_Click(f);
  f.fokus.reset();
  NastavZaskrtnuti(f, 2, 1);
  EXPECT_EQ(f.fokus, O::txtHNHeslo);
  f[O::txtHNHeslo].text = "x";
  NastavZaskrtnuti(f, 2, 0);
  EXPECT_EQ(f[O::txtHNHeslo].text, "");
}

TEST(FiltrKlaves, KazdaTridaZnaku) {
  const struct {
    int znak;
    int cas, datum, datum_od_do;
  } pripady[] = {
      {'0', '0', '0', '0'}, {'9', '9', '9', '9'}, {':', ':', '.', ':'}, {',', ':', '.', ':'}, {'.', ':', '.', ':'},
      {8, 8, 8, 8},          // Backspace
      {13, 0, 0, 0},         // Enter
      {22, 0, 0, 0},         // Ctrl+V
      {'a', 0, 0, 0}, {'Z', 0, 0, 0}, {' ', 0, 0, 0}, {'-', 0, 0, 0}, {'/', 0, 0, 0}, {0x11B, 0, 0, 0},  // ě
  };
  for (const auto& p : pripady) {
    const auto znak = static_cast<std::int16_t>(p.znak);
    EXPECT_EQ(FiltrCasu(znak), p.cas) << p.znak;
    EXPECT_EQ(FiltrData(znak, false), p.datum) << p.znak;
    EXPECT_EQ(FiltrData(znak, true), p.datum_od_do) << p.znak;
  }
  EXPECT_EQ(FiltrujVlozeni("15.32 hod", false, false), "15:32");
  EXPECT_EQ(FiltrujVlozeni("4,5,2005\r\n", true, false), "4.5.2005");
  EXPECT_EQ(FiltrujVlozeni("6.00 ráno", true, true), "6:00");
}

TEST_F(Editor, Aktivace) {
  const std::string naplanovano = UlozenyTvar("/vypnuti;t/23:00/;d/4.12.2026/");
  const struct {
    const char* jak;
    void (*vstup)(Formular&);
    Zadani zadani;
    int odpoved;
    std::string ulozeno;  // the store afterwards
    const char* souhrn;   // lblHN
    const char* tip;
    bool editor_otevreny;
    std::vector<std::string> log;  // the power actions
  } pripady[] = {
      {"new",
       tlHNastaveni_Click,
       {.akce = 2, .cas = "15:32"},
       odpoved::Ano,
       UlozenyTvar("/restart;t/15:32/;d/4.12.2026/"),
       "Restartování 4.12.2026 v 15:32",
       "Restartování za 5 hodin a 32 minut.",
       false,
       {}},
      {"answered No",
       tlHNastaveni_Click,
       {.akce = 2, .cas = "15:32"},
       odpoved::Ne,
       naplanovano,
       "Vypnutí 4.12.2026 v 23:00.",
       "Vypnutí počítače",
       false,
       {}},
      {"time passed",
       tlHNastaveni_Click,
       {.akce = 2, .cas = "8:00"},
       odpoved::Ano,
       naplanovano,
       "Vypnutí 4.12.2026 v 23:00.",
       "Vypnutí za 13 hodin.",
       true,
       {}},
      {"at once",
       tlHNastaveni_Click,
       {.akce = 5},
       odpoved::Ano,
       naplanovano,
       "Vypnutí 4.12.2026 v 23:00.",
       "Vypnutí za 13 hodin.",
       false,
       {"privilegium", "schovej", "zrus hint", "LockWorkStation"}},
      {"postponed",
       tlHNastaveniP_Click,
       {.cas = "23:30"},
       odpoved::Ano,
       naplanovano,
       "Vypnutí 4.12.2026 v 23:30",
       "POSUNUTÍ - Vypnutí za 13 hodin a 30 minut.",
       false,
       {}},
  };
  for (const auto& p : pripady) {
    Spust("/vypnuti;t/23:00/");
    svet.tip = "Vypnutí počítače";
    p.vstup(f);
    f[O::txtHNCas].text = p.zadani.cas;
    if (p.zadani.akce) VyberVolbu(f, p.zadani.akce);
    svet.dialogy.odpovedi = {p.odpoved};
    tlHNAktivace_Click(f);
    EXPECT_EQ(svet.ulozeny_parametr, p.ulozeno) << p.jak;
    EXPECT_EQ(f[O::lblHN].text, p.souhrn) << p.jak;
    EXPECT_EQ(svet.tip, p.tip) << p.jak;
    EXPECT_EQ(f.Aktivni(O::txtHNCas), p.editor_otevreny) << p.jak;
    EXPECT_EQ(svet.Log({"tip", "KillTimer"}), p.log) << p.jak;
  }
}

// Nothing chosen: the editor says what is missing and stays open, and the schedule in force stays.
TEST_F(Editor, AktivaceHlasiCoChybi) {
  using namespace volba_podminky;
  const char* minuty = "Zadejte počet minut od 1 do 1440.";
  const struct {
    Zadani zadani;
    const char* zprava;
  } pripady[] = {
      {{.cas = "15:32"}, "Vyberte akci: Vypnout, Restartovat, Odhlásit, Uspat nebo Zamknout."},
      {{.od_do = true, .cas = "22:00"}, "Zadejte oba časy, od kdy a do kdy má být počítač vypnutý."},
      {{.akce = 1, .boxy = {2}, .cas = "22:00", .heslo = "a/b"}, "Heslo nesmí obsahovat lomítko \"/\"."},
      {{.akce = 1, .podminka = Program, .udaj = " "},
       "Zadejte název programu, na jehož skončení se má čekat, například render.exe."},
      {{.akce = 1, .podminka = Program, .udaj = "a;b.exe"}, "Název programu nesmí obsahovat znaky / ; : * ? \" < > |."},
      {{.akce = 1, .podminka = Klid, .udaj = "0"}, minuty},
      {{.akce = 1, .podminka = Necinnost, .udaj = "1441"}, minuty},
      {{.akce = 1, .cas = "90", .podminka = Klid, .udaj = "15"},
       "Podmínku nelze spojit s počtem minut. Zadejte čas jako hodina:minuta, nebo pole Čas nechte prázdné."},
      {{.akce = 1, .boxy = {0}, .podminka = Necinnost, .udaj = "5"},
       "S opakováním nebo s datem zadejte i čas, od kterého se má podmínka hlídat."},
      {{.akce = 1, .datum = "5.12.2026"}, "Zadejte k datu i čas."},  // it would act at once
  };
  for (const auto& [zadani, zprava] : pripady) {
    Spust("/vypnuti;t/23:00/");
    tlHNastaveni_Click(f);
    Zadej(f, zadani);
    tlHNAktivace_Click(f);
    ASSERT_EQ(svet.dialogy.zpravy.size(), 1u) << zprava;
    EXPECT_EQ(svet.dialogy.zpravy[0].text, zprava);
    EXPECT_EQ(svet.dialogy.zpravy[0].styl, styl::Ok | styl::Vykricnik);
    EXPECT_TRUE(f.Aktivni(O::txtHNCas));
    EXPECT_EQ(stav.Parametr, "/vypnuti;t/23:00/");
  }
}

// Without a time the action comes at once: a shut-down, restart or log-off asks as the top row's
// buttons do, No the default; a postponement without a time is refused, never carried out.
TEST_F(Editor, BezCasuHned) {
  const struct {
    int akce;
    bool posunuti;
    const char* zprava;
  } pripady[] = {
      {1, false, "Opravdu chcete hned vypnout počítač? Neuložená práce v otevřených programech se ztratí."},
      {5, false, "Opravdu si přejete aktivovat nastavené parametry?"},
      {0, true, "Zadejte čas, na který se má akce posunout."},
  };
  for (const auto& p : pripady) {
    Spust("/vypnuti;t/23:00/");
    svet.dialogy.odpovedi = {odpoved::Ne};
    if (p.posunuti) {
      tlHNastaveniP_Click(f);
    } else {
      tlHNastaveni_Click(f);
      VyberVolbu(f, p.akce);
    }
    f[O::txtHNCas].text.clear();
    tlHNAktivace_Click(f);
    ASSERT_EQ(svet.dialogy.zpravy.size(), 1u) << p.zprava;
    EXPECT_EQ(svet.dialogy.zpravy[0].text, p.zprava);
    EXPECT_EQ(svet.dialogy.zpravy[0].styl & styl::DruheVychozi, p.akce == 1 ? styl::DruheVychozi : 0u) << p.zprava;
    EXPECT_EQ(svet.Log({"schovej"}), std::vector<std::string>{}) << p.zprava;
    EXPECT_EQ(stav.Parametr, "/vypnuti;t/23:00/");
  }
}

// A postponement leaves the store to the schedule it stands in for, with that one's day: a store written
// meanwhile (a clock change, the program's end) does not arm its clock time again on another day.
TEST_F(Editor, PosunutiUkladaPuvodniDen) {
  Spust("/vypnuti;t/22:00/");
  tlHNastaveniP_Click(f);
  f[O::txtHNCas].text = "23:00";
  tlHNAktivace_Click(f);
  ASSERT_EQ(stav.Posunuti, 1);
  UlozNastaveni();
  EXPECT_EQ(RozbalUlozenyTvar(svet.ulozeny_parametr), "/vypnuti;t/22:00/;d/4.12.2026/");
}

TEST_F(Editor, Stop) {
  // Without a postponement "S" cancels the schedule, and the store forgets it at once.
  Spust("/vypnuti;t/23:00/");
  tlHNastaveniZ_Click(f);
  tlHNStop_Click(f);
  EXPECT_EQ(svet.ulozeny_parametr, "");

  // With one it drops the postponement and arms the stored schedule again.
  Spust("/vypnuti;t/23:00/");
  tlHNastaveniP_Click(f);
  f[O::txtHNCas].text = "23:30";
  tlHNAktivace_Click(f);
  ASSERT_EQ(stav.Posunuti, 1);
  EXPECT_EQ(f[O::tlHNastaveniP].barva, Rgb(255, 0, 0));
  tlHNastaveniZ_Click(f);
  tlHNStop_Click(f);
  EXPECT_EQ(stav.Posunuti, 0);
  EXPECT_EQ(stav.Neaktivni, 0);
  EXPECT_EQ(stav.Minuta, 59) << "23:00 again";
  EXPECT_EQ(svet.tip, "Vypnutí za 13 hodin.");
  EXPECT_EQ(f[O::tlHNastaveniP].barva, BarvaTextuTlacitka);

  // The moment it stood in for comes back as it was ("in 30 minutes" is not counted again); passed
  // meanwhile, a one-off one is cancelled and a daily one moves on: nothing comes late.
  const struct {
    const char* parametr;
    int za;  // minutes after 10:00, when "S" is pressed
    const char* tip;
  } pripady[] = {
      {"/vypnuti;t/10:30/", 45, "Vypnutí bylo stornováno."},
      {"/vypnuti;t/30/", 45, "Vypnutí bylo stornováno."},
      {"/vypnuti;t/30/", 10, "Vypnutí za 20 minut."},
      {"/vypnuti;kd;t/10:30/", 45, "Vypnutí za 23 hodin a 45 minut."},
      // Friday's 24:00 comes back as itself: the next one is the next Friday's.
      {"/spanek;dny/pa/;t/24:00/", 10, "Spánek za 13 hodin a 50 minut."},
  };
  for (const auto& p : pripady) {
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    Spust(p.parametr);
    tlHNastaveniP_Click(f);
    f[O::txtHNCas].text = "11:00";
    tlHNAktivace_Click(f);
    ASSERT_EQ(stav.Posunuti, 1);
    svet.dialogy.zpravy.clear();
    svet.hodiny.ted += std::chrono::minutes{p.za};
    tlHNastaveniZ_Click(f);  // "Změnit", left with "Storno": the postponement stays
    tlHNStorno_Click(f);
    tlHNastaveniZ_Click(f);
    tlHNStop_Click(f);
    EXPECT_EQ(svet.tip, p.tip) << p.parametr << " " << p.za;
    if (std::string_view(p.parametr).ends_with("24:00/")) {  // its warning, cancelled
      svet.hodiny.ted = SlozCas(2026, 12, 4, 23, 59, 5);
      CasovacTik();
      cmKZS_Click();
      EXPECT_EQ(FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas), "12.12.2026 0:00:00");
    }
    EXPECT_EQ(svet.dialogy.Texty(), std::vector<std::string>{});
  }
}

TEST_F(Editor, KontrolaPriOdchoduZPole) {
  Spust("");
  tlHNastaveni_Click(f);
  f.fokus.reset();
  f[O::txtHNCas].text = "12:x";
  KontrolaPriOdchodu(f, O::txtHNCas);
  EXPECT_EQ(f[O::txtHNCas].text, "12:");
  EXPECT_EQ(f.kurzor, 3);

  tlHNOdDo_Click(f);
  f.fokus.reset();
  f[O::txtHNDatum].text = "6:00";  // the end time in the from-to mode: a time, not a date
  KontrolaPriOdchodu(f, O::txtHNDatum);
  EXPECT_FALSE(f.fokus.has_value());
  EXPECT_EQ(svet.dialogy.Texty(), (std::vector<std::string>{"Doplňte prosím minuty."}));
}

// The hidden cancel button forbids cancelling however the editor was left and entered again.
TEST_F(Editor, SkryteStornoPoOpusteniEditoru) {
  for (void (*vstup)(Formular&) : {tlHNastaveniZ_Click, tlHNastaveniP_Click}) {
    Spust("/zamceni;ss;t/23:00/");
    vstup(f);
    tlHNStorno_Click(f);
    tlHNastaveniZ_Click(f);
    EXPECT_EQ(f[chHN(1)].hodnota, 1);
    EXPECT_FALSE(f.Aktivni(chHN(1)));
    tlHNOdDo_Click(f);
    tlHNOdDo_Click(f);
    EXPECT_FALSE(f.Aktivni(chHN(1))) << "back from the from-to mode";
  }
}

// A password guards every way into the editor; one with an option's letters in it is kept whole through
// the editor and read back by "Změnit" (the guard answered with it): the schedule does not change under
// the user.
TEST_F(Editor, HesloHlidaEditorACeleZustane) {
  for (const char* heslo : {"a;kdb", "a;ssb", "a;odb", "a;zsb", "a;kvb", "a;tb", "a;db", ";h"}) {
    Spust("");
    tlHNastaveni_Click(f);
    Zadej(f, {.akce = 1, .boxy = {2}, .cas = "23:00", .heslo = heslo});
    tlHNAktivace_Click(f);
    EXPECT_EQ(stav.Heslo, heslo);
    EXPECT_EQ(stav.KazdyDen + stav.SkrytStorno + stav.ZakazStorna + stav.KontrolovaneVypnuti + stav.OdDo, 0) << heslo;
    EXPECT_EQ(FormatCasSekundy(stav.CilovyCas), "23:00:00") << heslo;
    for (void (*vstup)(Formular&) : {tlHNastaveni_Click, tlHNastaveniZ_Click, tlHNastaveniP_Click}) {
      svet.dialogy.vstupy = {"spatne"};
      vstup(f);
      EXPECT_FALSE(f.Aktivni(O::txtHNCas)) << heslo;
    }
    svet.dialogy.vstupy = {std::string(heslo)};
    tlHNastaveniZ_Click(f);
    EXPECT_TRUE(f.Aktivni(O::txtHNCas)) << heslo;
    EXPECT_EQ(f[O::txtHNHeslo].text, heslo);
  }
}

// "Od-Do" and "Zpět" inside an edit give back the editor's own entries, never the schedule in force;
// the from-to mode clears what means nothing in a window.
TEST_F(Editor, ZpetVraciVlastniZaznamy) {
  Spust(";od/22:00-06:00/;h/stare/");
  svet.dialogy.vstupy = {std::string("stare")};
  tlHNastaveni_Click(f);  // the view shows the from-to schedule: the edit begins in that mode
  tlHNOdDo_Click(f);
  EXPECT_EQ(f[O::txtHNCas].text + "|" + f[O::txtHNDatum].text + "|" + f[O::txtHNHeslo].text, "||");
  EXPECT_EQ(VybranaVolba(f), 0);
  EXPECT_TRUE(f[O::txtHNDatum].viditelny);

  Zadej(f, {.akce = 3, .boxy = {2, 3}, .cas = "7:00", .datum = "5.12.2026", .heslo = "nove"});
  tlHNOdDo_Click(f);
  EXPECT_EQ(f[chHN(3)].hodnota, 0) << "closing programs means nothing in a window";
  EXPECT_EQ(VybranaVolba(f), 1);
  EXPECT_FALSE(f.Aktivni(O::opHN1));
  EXPECT_EQ(f[chHN(1)].hodnota, 1);
  f[O::txtHNCas].text = "21:00";
  tlHNOdDo_Click(f);
  EXPECT_EQ(f[O::txtHNCas].text + "|" + f[O::txtHNDatum].text + "|" + f[O::txtHNHeslo].text,
            "7:00|5.12.2026|nove");
  EXPECT_EQ(VybranaVolba(f), 3);
  EXPECT_TRUE(f.Aktivni(O::opHN1));
  EXPECT_EQ(f[chHN(1)].hodnota, 0) << "forced by the from-to mode only";
  EXPECT_EQ(f[chHN(3)].hodnota, 1);
  svet.dialogy.odpovedi = {odpoved::Ano};
  tlHNAktivace_Click(f);
  EXPECT_EQ(stav.Parametr, "/odhlaseni;h/nove/;kv;t/7:00/;d/5.12.2026/");
  Spust(";od/22:00-06:00/");
  tlHNastaveniZ_Click(f);
  tlHNOdDo_Click(f);
  EXPECT_EQ(f[chHN(1)].hodnota, 0) << "not cancelling was forced by the from-to mode only";
}

// A countdown ends with "S" or a new schedule in the editor (the old warning must carry out neither the
// new schedule nor an empty one), with "Storno", with the program's end, or with its action; with ";zs"
// neither "S" nor a new schedule ends it. Its end gives back the icon a ";zs" one took, and lets go of the
// hold that keeps the computer awake from the warning on, the action's only after ";kv" closed the
// programs. A refused new string leaves the countdown its own end.
TEST_F(Editor, KonecOdpoctu) {
  enum Konec { Akce, Storno, Stop, Nova, Odmitnuta, KonecProgramu, Ukoncit };
  const struct {
    Konec konec;
    bool zs, bezi;  // the countdown goes on
  } pripady[] = {{Akce, true, true},   {Storno, false, false},   {Stop, false, false},
                 {Nova, false, false}, {Odmitnuta, false, true}, {KonecProgramu, true, false},
                 {Stop, true, true},   {Nova, true, true},       {Ukoncit, true, true}};
  for (const auto& [konec, zs, bezi] : pripady) {
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    svet.bdelost.clear();
    svet.ikona_pryc = false;
    Spust(zs ? "/vypnuti;zs;kv;t/10:01/" : "/vypnuti;kv;t/10:01/");
    CasovacTik();
    svet.hodiny.ted += std::chrono::seconds{20};
    CasovacTik();
    ASSERT_EQ(svet.ikona_pryc, zs);
    ASSERT_EQ(svet.bdelost.size(), 1u) << konec;
    if (konec == Storno) cmKZS_Click();
    if (konec == KonecProgramu) Skryj();
    if (konec == Ukoncit) tlHZavrit_Click();
    if (konec == Stop || konec == Nova || konec == Odmitnuta) tlHNastaveniZ_Click(f);
    if (konec == Stop) tlHNStop_Click(f);
    if (konec == Nova || konec == Odmitnuta) {
      VyberVolbu(f, 2);
      f[O::txtHNCas].text = konec == Nova ? "23:00" : "9:00";  // "9:00" has passed: refused
      tlHNAktivace_Click(f);
    }
    EXPECT_EQ(svet.ikona_pryc, bezi && zs) << konec;
    EXPECT_EQ(stav.Bdely != 0, bezi) << konec;
    if (zs && (konec == Stop || konec == Nova || konec == Ukoncit)) {
      EXPECT_THAT(svet.log, testing::Contains("sb 32515 Akci už nelze stornovat.")) << konec;
    }
    if (konec == KonecProgramu) continue;  // no tick comes after it
    svet.log.clear();
    int sekund = 0;
    while (sekund < 120 && svet.Log({"tip", "hodiny", "sb", "lblUC", "ikona"}).empty()) {
      ++sekund;
      svet.hodiny.ted += std::chrono::seconds{1};
      CasovacTik();
    }
    EXPECT_EQ(sekund == 120 ? 0 : sekund, bezi ? 40 : 0) << konec << ": seconds from 10:00:20 to an action";
    EXPECT_EQ(stav.UpozorneniBezi, 0) << konec;
    EXPECT_EQ(stav.Bdely, 0u) << konec;
    const auto zavreni = std::find(svet.log.begin(), svet.log.end(), "ZavriProgramy");
    if (bezi) {
      ASSERT_NE(zavreni, svet.log.end()) << konec;
      EXPECT_GT(svet.bdelost.back().second, static_cast<std::size_t>(zavreni - svet.log.begin())) << konec;
    }
  }
}

// A shut-down or restart the power plan will not wake the computer for is said before it is armed and
// in the status bar; a plan that allows it, or cannot be read, and the other actions say nothing.
TEST_F(Editor, PlanNapajeniNedovoliProbuzeni) {
  const std::string veta = "Plán napájení nedovoluje probuzení: ze spánku počítač v naplánovanou dobu nevstane.";
  const struct {
    std::optional<unsigned> buzeni;
    int volba;  // 0: from-to
    bool rekne;
  } pripady[] = {{0, 1, true},  {2, 2, true},  {1, 1, false}, {std::nullopt, 1, false},
                 {0, 4, false}, {0, 5, false}, {0, 0, false}};
  for (const auto& p : pripady) {
    stav = StavPlanu{};
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    Spust("");
    svet.buzeni = p.buzeni;
    svet.hint = false;
    tlHNastaveni_Click(f);
    if (p.volba == 0) {
      tlHNOdDo_Click(f);
      f[O::txtHNDatum].text = "06:00";
    } else {
      VyberVolbu(f, p.volba);
    }
    f[O::txtHNCas].text = p.volba == 0 ? "22:00" : "23:00";
    tlHNAktivace_Click(f);
    ASSERT_FALSE(svet.dialogy.Texty().empty()) << p.volba;
    EXPECT_EQ(svet.dialogy.Texty()[0].ends_with("\r\n\r\n" + veta), p.rekne) << svet.dialogy.Texty()[0];
    svet.hodiny.ted += std::chrono::minutes{1};
    CasovacTik();
    const auto radky = svet.Log();
    const bool vRadku = std::any_of(radky.begin(), radky.end(), [&](const std::string& r) {
      return r.starts_with("sb ") && r.ends_with(" " + veta);
    });
    EXPECT_EQ(vRadku, p.rekne) << p.volba;
  }
}

// A program the schedule is to wait for that does not run even now is named in the question: the
// action would come at once (a typo, another extension). With a time the watch begins later.
TEST_F(Editor, OtazkaRikaZeProgramNebezi) {
  const struct {
    const char* nazev;
    const char* cas;
    bool rekne;
  } pripady[] = {
      {"render.exe", "", true}, {"render.exe", "9:00", true}, {"render.exe", "23:00", false}, {"notepad", "", false}};
  for (const auto& p : pripady) {
    Spust("");
    svet.procesy = {"notepad.exe"};
    tlHNastaveni_Click(f);
    Zadej(f, {.akce = 1, .cas = p.cas, .podminka = volba_podminky::Program, .udaj = p.nazev});
    svet.dialogy.odpovedi = {odpoved::Ne};
    tlHNAktivace_Click(f);
    ASSERT_FALSE(svet.dialogy.Texty().empty()) << p.nazev;
    EXPECT_EQ(svet.dialogy.Texty()[0].ends_with("\r\n\r\nProgram render.exe teď neběží: akce proběhne hned."), p.rekne)
        << p.nazev << " " << p.cas;
  }
}

// A protected schedule that is stored but not armed now (it comes back at the next log-on) still
// guards the editor; with nothing stored, nothing is asked.
TEST_F(Editor, HesloUlozenehoPlanu) {
  for (const bool ulozeny : {true, false}) {
    Spust("/vypnuti;kd;h/tajne/;t/23:00/");
    stav.Neaktivni = 1;
    if (!ulozeny) svet.ulozeny_parametr.clear();
    svet.dialogy.vstupy = {"spatne"};
    tlHNastaveni_Click(f);
    EXPECT_EQ(f.Aktivni(O::txtHNCas), !ulozeny);
  }
}

// A schedule on chosen days keeps them through "Změnit", "Posunutí" and the activation; the day
// buttons show them, change them only in an edit, and are there only while the schedule is daily.
TEST_F(Editor, DnyVTydnuPrezijiUpravu) {
  const auto videt = [this] { return f[O::tlHNDen0].viditelny && f[O::tlHNDen6].viditelny; };
  for (const auto klik : {&tlHNastaveniZ_Click, &tlHNastaveniP_Click}) {
    Spust("/vypnuti;dny/po,st,pa/;t/16:00/");
    EXPECT_TRUE(videt());
    EXPECT_EQ(VybraneDny(f), 0b10101);
    klik(f);
    EXPECT_EQ(f.Aktivni(O::tlHNDen1), klik == &tlHNastaveniZ_Click);
    f[O::txtHNCas].text = "17:00";
    tlHNParametr_Click(f);
    EXPECT_EQ(f.Tag, "/vypnuti;kd;dny/po,st,pa/;t/17:00/");
  }
  tlHNStorno_Click(f);
  EXPECT_TRUE(f[O::tlHNDen1].povoleny) << "Storno after Posunutí gives the days back";
  tlHNastaveniZ_Click(f);
  KlikNaTlacitko(f, O::tlHNDen0);
  KlikNaTlacitko(f, O::tlHNDen5);
  tlHNAktivace_Click(f);
  EXPECT_EQ(stav.Parametr, "/vypnuti;kd;dny/st,pa,so/;t/16:00/");
  EXPECT_EQ(f[O::lblHN].text, "Vypnutí v st, pá, so v 16:00.");

  tlHNastaveni_Click(f);
  EXPECT_FALSE(videt());
  VyberVolbu(f, 2);
  NastavZaskrtnuti(f, 0, 1);
  EXPECT_TRUE(videt());
  f[O::txtHNCas].text = "8:00";
  tlHNParametr_Click(f);
  EXPECT_EQ(f.Tag, "/restart;kd;t/8:00/");
  KlikNaTlacitko(f, O::tlHNDen5);
  KlikNaTlacitko(f, O::tlHNDen6);
  tlHNParametr_Click(f);
  EXPECT_EQ(f.Tag, "/restart;kd;dny/po-pa/;t/8:00/");
  for (int den = 0; den < 5; ++den) KlikNaTlacitko(f, tlHNDen(den));
  svet.dialogy.zpravy.clear();
  tlHNAktivace_Click(f);
  ASSERT_EQ(svet.dialogy.zpravy.size(), 1u);
  EXPECT_EQ(svet.dialogy.zpravy[0].text, "Vyberte alespoň jeden den v týdnu.");
  EXPECT_EQ(stav.Parametr, "/vypnuti;kd;dny/st,pa,so/;t/16:00/") << "nothing replaced";
}

// Conditions live through "Změnit" and "Posunutí", which changes only the time and leaves the stored
// string. The row shows one condition to edit and keeps several as they are; a condition alone shows no
// time and comes back as it was given.
TEST_F(Editor, PodminkyPrezijiUpravu) {
  using namespace volba_podminky;
  const struct {
    const char* parametr;
    int volba;
    const char* udaj;  // the row as read back
    const char* cas;   // entered in the editor
    const char* tag;
    const char* shrnuti;
  } pripady[] = {
      {"/spanek;t/23:00/;klid/15/", Klid, "15", "23:30", "/spanek;klid/15/;t/23:30/;d/4.12.2026/",
       "Spánek po 15 minutách klidu, nejdříve 4.12.2026 v 23:30."},
      {"/vypnuti;po/render.exe/;necinnost/5/", Vice, "", "", "/vypnuti;po/render.exe/;necinnost/5/",
       "Vypnutí po skončení programu render.exe a po 5 minutách nečinnosti."},
      {"/restart;po/render.exe/", Program, "render.exe", "", "/restart;po/render.exe/",
       "Restartování po skončení programu render.exe."},
  };
  for (const auto& p : pripady) {
    for (const auto klik : {&tlHNastaveniZ_Click, &tlHNastaveniP_Click}) {
      Spust(p.parametr);
      EXPECT_EQ(f[O::cbHNPodminka].hodnota, p.volba) << p.parametr;
      EXPECT_EQ(f[O::txtHNPodminka].text, p.udaj) << p.parametr;
      EXPECT_EQ(f[O::txtHNPodminka].viditelny, p.volba != Vice) << p.parametr;
      EXPECT_EQ(f[O::cbHNPodminka].text.ends_with("více podmínek (beze změny)"), p.volba == Vice) << p.parametr;
      klik(f);
      EXPECT_EQ(f.Aktivni(O::cbHNPodminka), klik == &tlHNastaveniZ_Click) << "a postponement changes the time only";
      EXPECT_EQ(f[O::txtHNCas].text.empty(), *p.cas == 0) << p.parametr;
      f[O::txtHNCas].text = p.cas;
      tlHNAktivace_Click(f);
      EXPECT_EQ(f.Tag, p.tag) << p.parametr;
      EXPECT_EQ(f[O::lblHN].text, p.shrnuti) << p.parametr;
      EXPECT_EQ(stav.Neaktivni, 0) << p.parametr;
    }
    EXPECT_EQ(stav.Parametr, p.parametr) << "a postponement leaves the stored string";
  }

  // "Změnit" puts another condition in, or none; a name does not become minutes.
  tlHNastaveniZ_Click(f);
  cbHNPodminka_Click(f, Necinnost);
  EXPECT_EQ(f[O::txtHNPodminka].text + "|" + f[O::lblHNUdaj].text, "|Minut");
  f[O::txtHNPodminka].text = "20";
  cbHNPodminka_Click(f, Klid);
  EXPECT_EQ(f[O::txtHNPodminka].text, "20") << "minutes stay minutes";
  tlHNAktivace_Click(f);
  EXPECT_EQ(stav.Parametr, "/restart;klid/20/");
  tlHNastaveniZ_Click(f);
  cbHNPodminka_Click(f, Zadna);
  cbHNPodminka_Click(f, Klid);
  EXPECT_EQ(f[O::txtHNPodminka].text, "20") << "\"žádná\" only hid it";
  cbHNPodminka_Click(f, Zadna);
  f[O::txtHNCas].text = "8:00";
  tlHNParametr_Click(f);
  EXPECT_EQ(f.Tag, "/restart;t/8:00/");

  // "Nové" starts without one; the from-to mode waits for nothing and "Zpět" gives the row back.
  tlHNastaveni_Click(f);
  EXPECT_EQ(f[O::cbHNPodminka].hodnota, Zadna);
  cbHNPodminka_Click(f, Program);
  f[O::txtHNPodminka].text = "render";
  cbHNPodminka_Click(f, Zadna);
  cbHNPodminka_Click(f, Program);
  tlHNOdDo_Click(f);
  EXPECT_FALSE(f[O::cbHNPodminka].viditelny || f[O::lblHNPodminka].viditelny || f[O::txtHNPodminka].viditelny);
  Zadej(f, {.cas = "22:00", .datum = "6:00", .podminka = Program, .udaj = "render"});
  tlHNParametr_Click(f);
  EXPECT_EQ(f.Tag, ";od/22:00-6:00/;zs");
  tlHNOdDo_Click(f);
  EXPECT_TRUE(f[O::cbHNPodminka].viditelny && f[O::txtHNPodminka].viditelny);
  EXPECT_EQ(f[O::txtHNPodminka].text + "|" + f[O::lblHNUdaj].text, "render|Název");
}
