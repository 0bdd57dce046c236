#include "core/parametr.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/stav.h"
#include "falesne_porty.h"
#include "platform/planovac.h"

using namespace std::chrono;

namespace {

struct FalesnyPlanovac : Planovac {
  int ulozeni = 0;
  void UlozNastaveni() override { ++ulozeni; }
  void ProvedAkci(const OkamzitaAkce&) override {}
  bool AkceMozna(std::uint8_t) override { return true; }
  bool KlidMeritelny() override { return true; }
};

const std::string Napoveda =
    "\r\n\r\n/vypnuti\r\n/restart\r\n/odhlaseni\r\n/spanek\r\n;t/12:15/ - ve stanovený čas\r\n;d/4.5.2005/ - ve "
    "stanovený den\r\n;t/125/ - za stanovený počet minut\r\n;ss - skrytí tlačítka storno\r\n;kv - kontrolované "
    "vypnutí\r\n;kd - opakovat každý den\r\n;zs - zakázat storno před vypnutím (skryje ikonu z lišty)\r\n;h/heslo/ - "
    "nastavení programu chránit heslem\r\n;od/22:00-06:00/ - vypnuti počitače při spuštění v nastaveném čase\r\nPři "
    "této volbě je automaticky nastaveno vypnutí (/vypnuti) a zákaz stornování (;zs). Volitelné zůstává opakovat "
    "každý den (;kd) a ochrana nastavení heslem (;h/heslo/). Ostaní parametry jsou ignorovány.\r\n/? - nápověda"
    "\r\n/storno - zrušit naplánovanou akci běžícího programu\r\n/stav - vypsat, co je naplánováno"
    "\r\n;dny/po-pa/ - opakovat jen ve vybrané dny (po, út, st, čt, pá, so, ne)"
    "\r\n;po/render.exe/ - až skončí program tohoto jména"
    "\r\n;klid/15/ - až je počítač daný počet minut v klidu (procesor pod 10 %, síť pod 50 kB/s)"
    "\r\n;necinnost/30/ - až se daný počet minut nikdo nedotkne klávesnice ani myši"
    "\r\nS časem (;t/23:00/) znamená podmínka „ne dříve než“ a hlídá se do 6:00 dalšího rána, s ;kd nebo ;dny "
    "každý den od daného času. Nenastane-li do té doby, denní akce počká na svůj další den a jednorázová se zruší. "
    "Bez času se podmínka hlídá, dokud nenastane. S počtem minut (;t/125/) ani s ;od podmínka nejde."
    "\r\nV PowerShellu zadejte parametr v uvozovkách, jinak ho středník rozdělí: vypnuti.exe \"/vypnuti;t/22:30/\"";

std::string Vlozeno(Cas cas) { return FormatDatum(cas) + " " + FormatCasSekundy(cas); }

// The action and the flags that are set, in one line, so a table can say which it expects.
std::string Shrnuti() {
  const auto p = [](int priznak, const char* nazev) { return std::string(priznak ? nazev : ""); };
  return std::to_string(stav.Akce) + p(stav.Akce, " ") + stav.AkceNazev + p(stav.KazdyDen, " kd") +
         p(stav.ZakazStorna, " zs") + p(stav.SkrytStorno, " ss") + p(stav.KontrolovaneVypnuti, " kv") +
         p(stav.OdDo, " od") + p(stav.RezimMinuty, " min") + p(stav.HesloZapnuto, " h") +
         (stav.Heslo.empty() ? "" : "/" + stav.Heslo + "/");
}

class Parametr : public ::testing::Test {
 protected:
  void SetUp() override { Znovu(); }
  // Started 4 May 2026 10:00:30 unless a case says otherwise.
  void Znovu(Cas spusteni = SlozCas(2026, 5, 4, 10, 0, 30)) {
    stav = StavPlanu{};
    stav.CasSpusteni = porty.hodiny.ted = spusteni;
    porty.dialogy.zpravy.clear();
    planovac = {};
  }

  FalesnePorty porty;
  FalesnyPlanovac planovac;
  Pripojeni<Planovac> planovac_pripojeni{planovac};
};

TEST_F(Parametr, NastaviCilAVarovaniOMinutuDriv) {
  const struct {
    const char* text;
    int akce;
    const char* cil;       // CilovyCas
    const char* varovani;  // the warning minute
  } pripady[] = {
      {"/vypnuti;t/15:32/", 1, "4.5.2026 15:32:00", "4.5.2026 15:31:00"},
      {";t/15:32//vypnuti", 1, "4.5.2026 15:32:00", "4.5.2026 15:31:00"},
      {"/restart/vypnuti;t/12:00/", 1, "4.5.2026 12:00:00", "4.5.2026 11:59:00"},  // table order wins
      {"/zamceni;t/24:00/", 5, "5.5.2026 0:00:00", "4.5.2026 23:59:00"},
      {"/odhlaseni;t/125/", 3, "4.5.2026 12:05:00", "4.5.2026 12:04:00"},  // seconds of the start drop
      {"/vypnuti;t/999999/", 1, "28.3.2028 20:39:00", "28.3.2028 20:38:00"},
      {"/spanek;t/ 2,5 /", 4, "4.5.2026 10:02:00", "4.5.2026 10:01:00"},  // a half goes to even
      {"/restart;t/3,5/", 2, "4.5.2026 10:04:00", "4.5.2026 10:03:00"},
      {"/vypnuti;t/ 17:5 /", 1, "4.5.2026 17:05:00", "4.5.2026 17:04:00"},
      {"/vypnuti;d/4.6.2026/;t/8:00/", 1, "4.6.2026 8:00:00", "4.6.2026 7:59:00"},
      {"/vypnuti;t/8:00/;d/31.2.2031/", 1, "3.3.2031 8:00:00", "3.3.2031 7:59:00"},
      {"/vypnuti;t/8:00/;d/5.0.2031/", 1, "5.12.2030 8:00:00", "5.12.2030 7:59:00"},
      {"/vypnuti;kd;t/22:30/;d/1.1.2030/", 1, "4.5.2026 22:30:00", "4.5.2026 22:29:00"},  // ;d ignored
      {"/vypnuti;kd;t/9:00/", 1, "5.5.2026 9:00:00", "5.5.2026 8:59:00"},  // passed: next day
      {"/vypnuti;kd;t/-30/", 1, "5.5.2026 9:30:00", "5.5.2026 9:29:00"},
  };
  for (const auto& p : pripady) {
    Znovu();
    EXPECT_TRUE(RozeberParametr(p.text, false, false)) << p.text;
    EXPECT_EQ(stav.Akce, p.akce) << p.text;
    EXPECT_EQ(Vlozeno(stav.CilovyCas), p.cil) << p.text;
    EXPECT_EQ(Vlozeno(SlozCas(stav.Rok, stav.Mesic, stav.Den, stav.Hodina, stav.Minuta)), p.varovani) << p.text;
    EXPECT_EQ(stav.Neaktivni, 0) << p.text;
    EXPECT_EQ(planovac.ulozeni, 1) << p.text;
  }
}

// Parsed while the program runs (the main window, the end of a postponement), a time without a date
// counts from now, whatever day the program started on; at start-up it counts from the start.
TEST_F(Parametr, CasBezDataPocitaOdTeto) {
  const struct {
    const char* text;
    int dni_behu;      // how many midnights the program has run past
    const char* cil;  // empty: expired
  } pripady[] = {
      {"/vypnuti;kd;t/9:00/", 1, "6.5.2026 9:00:00"},  // now 5.5. 10:00: tomorrow, never the past
      {"/vypnuti;kd;t/11:00/", 1, "5.5.2026 11:00:00"},
      {"/vypnuti;t/11:00/", 1, "5.5.2026 11:00:00"},  // typed today, not refused as passed
      {"/vypnuti;t/9:00/", 1, ""},
      {"/vypnuti;t/30/", 1, "5.5.2026 10:30:00"},
      {"/vypnuti;kd;t/-3000/", 1, "6.5.2026 8:00:00"},  // over two days back: as many days on as it takes
      {";od/9:00-11:00/;kd", 2, "7.5.2026 9:00:00"},
  };
  for (const auto& p : pripady) {
    for (const int pri_spusteni : {0, 1}) {
      Znovu(SlozCas(2026, 5, 4, 10, 0, 0));
      porty.hodiny.ted += days{p.dni_behu};
      if (pri_spusteni == 1) stav.CasSpusteni = porty.hodiny.ted;  // a start-up counts from its own moment
      stav.PriSpusteni = static_cast<std::uint8_t>(pri_spusteni);
      EXPECT_EQ(RozeberParametr(p.text, true, false), *p.cil != '\0') << p.text << " " << p.dni_behu;
      if (*p.cil != '\0') {
        EXPECT_EQ(Vlozeno(stav.CilovyCas), p.cil) << p.text << " " << p.dni_behu;
      }
    }
  }
}

TEST_F(Parametr, VolbyNastaviPriznakyAHeslo) {
  ASSERT_TRUE(RozeberParametr("/restart;zs;ss;h/tajne heslo/;kv;kd;t/23:00/", false, false));
  EXPECT_EQ(Shrnuti(), "2 Restartování kd zs ss kv h/tajne heslo/");
  ASSERT_TRUE(RozeberParametr("/vypnuti;h//;t/30/", false, false));  // an empty password is one too
  EXPECT_EQ(Shrnuti(), "1 Vypnutí min h");
  // No option is read inside a password, wherever the password stands.
  for (const char* volba :
       {";kd", ";ss", ";od", ";zs", ";kv", ";t", ";d", ";h", ";dny", ";po", ";klid", ";necinnost", "?"}) {
    const std::string heslo = std::string("a") + volba + "b";
    for (const std::string& text : {"/vypnuti;h/" + heslo + "/;t/23:00/", ";t/23:00//vypnuti;h/" + heslo + "/"}) {
      Znovu();
      ASSERT_TRUE(RozeberParametr(text, true, false)) << text;
      EXPECT_EQ(Shrnuti(), "1 Vypnutí h/" + heslo + "/") << text;
    }
  }
}

TEST_F(Parametr, ChybnyZapisUkazeChybuNeboNapovedu) {
  const struct {
    const char* text;
    bool napoveda;
  } pripady[] = {
      {"/?", true}, {"/? ;t/15:32/", true}, {";od/22:75-06:00//?", true},
      {"/VYPNUTI;t/15:32/", false}, {";t/15:32/", false}, {"/vypnuti;t/15:32", false},
      {"/vypnuti;t/25:00/", false}, {"/vypnuti;t/12:60/", false}, {"/vypnuti;t/12:30:00/", false},
      {"/vypnuti;t/1234567/", false}, {"/vypnuti;t/1.5/", false},  // not the Czech decimal separator
      {"/vypnuti;t/1e3/", false}, {"/vypnuti;t/1e1:30/", false}, {"/vypnuti;t/1e18/", false},  // no exponent
      {"/vypnuti;t/10:00/;d/1.1.-40000/", false}, {"/vypnuti;t/10:00/;d/-40000.1.2027/", false},  // past 16 bits
      {"/vypnuti;t/8:00/;d/4.5/", false}, {"/vypnuti;t/8:00/;d/0.5.2027/", false},
      {"/vypnuti;t/8:00/;d/32.5.2027/", false}, {"/vypnuti;t/8:00/;d/1.13.2027/", false},
      {"/vypnuti;t/8:00/;d/1.1.10000/", false}, {"/vypnuti;h;t/8:00/", false},  // the password takes ";t"'s value
      {"/vypnuti;t/8:00/;h/heslo", false}, {"/vypnuti;h/heslo", false}, {";od/22:00-06:00/;h/x", false},
      {";od/22:00-06:00", false}, {";od/22:00/", false}, {";od/22:75-06:00/", false}, {";od/22:00-06:75/", false},
  };
  for (const auto& p : pripady) {
    Znovu();
    EXPECT_FALSE(RozeberParametr(p.text, false, false)) << p.text;
    ASSERT_EQ(porty.dialogy.zpravy.size(), 1u) << p.text;
    const ZaznamZpravy& z = porty.dialogy.zpravy[0];
    const std::string chyba = p.text + std::string("\r\n\r\nNeznámé nebo chybné zadání spouštěcího parametru!\r\n\r\n");
    EXPECT_EQ(z.text, (p.napoveda ? "" : chyba) + Napoveda) << p.text;
    EXPECT_EQ(z.titulek, p.napoveda ? "Vypnutí počítače parametrem z příkazového řádku." : "Vypnutí počítače");
    EXPECT_EQ(z.styl, p.napoveda ? styl::Informace : styl::Vykricnik) << p.text;
    EXPECT_EQ(stav.Neaktivni, 1) << p.text;
  }
}

TEST_F(Parametr, ProslyPlanZmiziBezeSlova) {
  // Started on 2 January: last year is too late even for ";kd", which would move the target on a day.
  for (const char* text : {"/vypnuti;t/9:00/", "/vypnuti;t/-5/", "/vypnuti;t/8:00/;d/1.1.2025/",
                           "/vypnuti;kd;t/-99999/", ";od/9:00-11:00/"}) {
    for (const int pri_spusteni : {0, 1}) {
      Znovu(SlozCas(2026, 1, 2, 10, 0, 30));
      stav.PriSpusteni = static_cast<std::uint8_t>(pri_spusteni);
      EXPECT_FALSE(RozeberParametr(text, false, false)) << text;
      EXPECT_TRUE(porty.dialogy.zpravy.empty()) << text;
      EXPECT_EQ(stav.Neaktivni, 1) << text;
      // At start-up the stored schedule goes too; later it stays as it was.
      EXPECT_EQ(planovac.ulozeni, pri_spusteni) << text;
      EXPECT_EQ(stav.Parametr, pri_spusteni ? "" : text) << text;
    }
  }
}

TEST_F(Parametr, OknoOdDo) {
  const struct {
    const char* text;
    int spusteni_hodina;
    const char* cil;  // empty: expired
    const char* shrnuti;
  } pripady[] = {
      {";od/22:00-06:00/", 5, "4.5.2026 22:00:00", "1 Vypnutí zs od"},
      {";od/22:00-06:00/", 23, "", "0"},
      {";od/22:00-06:00/;kd", 23, "5.5.2026 22:00:00", "1 Vypnutí kd zs od"},
      {"/restart;od/22:00-06:00/;kv;t/1/;d/1.1.2030/;ss", 5, "4.5.2026 22:00:00", "1 Vypnutí zs ss od"},
  };
  for (const auto& p : pripady) {
    Znovu(SlozCas(2026, 5, 4, p.spusteni_hodina, 0));
    stav.KontrolovaneVypnuti = 1;  // left over from an earlier ";kv" schedule: a window never closes programs
    EXPECT_EQ(RozeberParametr(p.text, false, false), *p.cil != '\0') << p.text;
    EXPECT_EQ(Shrnuti(), p.shrnuti) << p.text;
    if (*p.cil == '\0') continue;
    EXPECT_EQ(Vlozeno(stav.CilovyCas), p.cil) << p.text;
    EXPECT_EQ(stav.Den * 10000 + stav.Hodina * 100 + stav.Minuta, 42200);  // the start's day, also when moved
    EXPECT_EQ(FormatHodinyMinuty(stav.DoCas), "06:00");
  }
}

}  // namespace
