#include "falesny_svet.h"

namespace {

struct FalesnyPlanovac : Planovac {
  void UlozNastaveni() override {}
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
    "\r\n/hibernace - hibernace: otevřená práce se uloží na disk a počítač se vypne"
    "\r\n/storno - zrušit naplánovanou akci běžícího programu\r\n/stav - vypsat, co je naplánováno"
    "\r\n/prihlaseni - při přihlášení naplánovat uloženou akci nebo akci správce, bez okna (instalace pro všechny)"
    "\r\n;dny/po-pa/ - opakovat jen ve vybrané dny (po, út, st, čt, pá, so, ne)"
    "\r\n;po/render.exe/ - až skončí program tohoto jména"
    "\r\n;klid/15/ - až je počítač daný počet minut v klidu (procesor pod 10 %, síť pod 50 kB/s)"
    "\r\n;necinnost/30/ - až se daný počet minut nikdo nedotkne klávesnice ani myši"
    "\r\nS časem (;t/23:00/) znamená podmínka „ne dříve než“ a hlídá se do 6:00 dalšího rána, s ;kd nebo ;dny "
    "každý den od daného času. Nenastane-li do té doby, denní akce počká na svůj další den a jednorázová se zruší. "
    "Bez času se podmínka hlídá, dokud nenastane. S počtem minut (;t/125/) ani s ;od podmínka nejde."
    "\r\nV PowerShellu zadejte parametr v uvozovkách, jinak ho středník rozdělí: vypnuti.exe \"/vypnuti;t/22:30/\"";

// The action and the flags that are set, in one line, so a table can say which it expects.
std::string Shrnuti() {
  const auto p = [](int priznak, const char* nazev) { return std::string(priznak ? nazev : ""); };
  return std::to_string(stav.Akce) + p(stav.Akce, " ") + stav.AkceNazev + p(stav.KazdyDen, " kd") +
         p(stav.ZakazStorna, " zs") + p(stav.SkrytStorno, " ss") + p(stav.KontrolovaneVypnuti, " kv") +
         p(stav.OdDo, " od") + p(stav.RezimMinuty, " min") + p(stav.HesloZapnuto, " h") +
         (stav.Heslo.empty() ? "" : "/" + stav.Heslo + "/");
}

// Each case starts anew: on 4 May 2026 at 10:00:30 unless it says otherwise.
struct Parametr : ::testing::Test {
  void Znovu(Cas spusteni = SlozCas(2026, 5, 4, 10, 0, 30)) {
    stav = StavPlanu{};
    stav.CasSpusteni = porty.hodiny.ted = spusteni;
    porty.dialogy.zpravy.clear();
  }

  FalesnePorty porty;
  FalesnyPlanovac planovac;
  Pripojeni<Planovac> planovac_pripojeni{planovac};
};

// Whether the string was taken, and whether nothing is armed; then each box: its title, style and text.
TEST_F(Parametr, ChybnyZapisUkazeChybuNeboNapovedu) {
  // A row: the string, and whether it asks for the help.
  // clang-format off
  const std::pair<const char*, bool> pripady[] = {
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
  // clang-format on
  for (const auto& [text, napoveda] : pripady) {
    Znovu();
    std::string radek = std::to_string(RozeberParametr(text, false, false));
    radek += std::to_string(stav.Neaktivni);
    for (const auto& z : porty.dialogy.zpravy) radek += " | " + z.titulek + " " + std::to_string(z.styl) + " " + z.text;
    // The box: the help alone, or the string with the error above the help.
    const std::string box =
        napoveda ? "Vypnutí počítače parametrem z příkazového řádku. 64 "s
                 : "Vypnutí počítače 48 "s + text + "\r\n\r\nNeznámé nebo chybné zadání spouštěcího parametru!\r\n\r\n";
    EXPECT_EQ(radek, "01 | " + box + Napoveda) << text;
  }
}

// A from-to window started before its hours waits for them; the one and only action is a shut-down that
// cannot be cancelled and never closes programs. A row: the start's hour, then whether the string was
// taken, the action and flags, the moment, the day, hour and minute kept, and the window's end.
TEST_F(Parametr, OknoOdDo) {
  Tabulka({{"5", "1 | 1 Vypnutí zs od | 4.5.2026 22:00:00 | 42200 | 06:00"}, {"23", "0 | 0"}},
          [&](const std::string& hodina) {
            Znovu(SlozCas(2026, 5, 4, std::stoi(hodina), 0));
            stav.KontrolovaneVypnuti = 1;  // left over from an earlier ";kv" schedule: a window never closes programs
            if (!RozeberParametr(";od/22:00-06:00/", false, false)) return "0 | " + Shrnuti();
            // The start's day, also when moved.
            return "1 | " + Shrnuti() + " | " + Cil() + " | " +
                   std::to_string(stav.Den * 10000 + stav.Hodina * 100 + stav.Minuta) + " | " +
                   FormatHodinyMinuty(stav.DoCas);
          });
}

}  // namespace
