#include "ui/navrh_oken.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "platform/zdroje.h"

namespace {

using O = Ovladac;
using D = Druh;
using Z = Zarovnani;

constexpr Barva Seda = Rgb(128, 128, 128);
constexpr Barva TmaveModra = Rgb(0, 0, 128);
constexpr Barva Modra = Rgb(0, 0, 255);
constexpr Barva Zelena = Rgb(0, 255, 0);
constexpr Barva Cervena = Rgb(255, 0, 0);
constexpr Barva TmaveSeda = Rgb(64, 64, 64);
const Pismo Tucne = {.vaha = 700};

// The warning window's buttons: the cancel, and beside it the snooze in the same look, its longer caption
// a little smaller so that it fits the same size; the rest of that window is laid out in its own code.
const NavrhOvladace navrhUpozorneni[] = {
    {.id = O::cmKZS,
     .jmeno = "cmKZS",
     .druh = D::TlText,
     .Caption = "S T O R N O",
     .left = 2580,
     .top = 720,
     .width = 2205,
     .height = 495,
     .Font = {.velikost = 13.5, .vaha = 700},
     .ForeColor = Cervena,
     .MoveColor = Rgb(0, 192, 0),
     .DownColor = Zelena,
     .FocusDraw = 2,
     .DEBorder = 2},
    {.id = O::cmKZO,
     .jmeno = "cmKZO",
     .druh = D::TlText,
     .Caption = "&Odložit o 10 minut",
     .left = 4860,
     .top = 720,
     .width = 2205,
     .height = 495,
     .Font = {.velikost = 12, .vaha = 700},
     .ForeColor = Cervena,
     .MoveColor = Rgb(0, 192, 0),
     .DownColor = Zelena,
     .FocusDraw = 2,
     .DEBorder = 2},
};

// The main window. Soft buttons not named otherwise turn blue under the pointer and green when pressed.
// The tab index is the order of making, and so of the Tab key: through the editor as it reads (each
// box after its label, so that a screen reader names the box by it), "P" and "&Aktivace", "S" and
// "&Storno", the row of actions, "Ukončit", the row of tools; the labels last.
// The rows stay as laid out, a control in each.
// clang-format off
const NavrhOvladace navrhHlavnihoOkna[] = {
    // On the window itself.
    {.id = O::frHA, .jmeno = "frHA", .druh = D::Ram, .left = 60, .top = 0, .width = 6345, .height = 465, .tab = 53},
    {.id = O::lblVD, .jmeno = "lblVD", .druh = D::Popisek, .left = 120, .top = 630, .width = 2355, .height = 195,
     .tab = 47, .ForeColor = Seda, .zarovnani = Z::Na_stred},
    {.id = O::lblVC, .jmeno = "lblVC", .druh = D::Popisek, .left = 120, .top = 870, .width = 2355, .height = 345,
     .tab = 48, .Font = {.velikost = 13.5, .vaha = 700}, .ForeColor = Seda, .zarovnani = Z::Na_stred},
    {.id = O::lblHN, .jmeno = "lblHN", .druh = D::Popisek, .left = 2640, .top = 480, .width = 3705, .height = 480,
     .tab = 49, .Font = {.velikost = 9.75, .vaha = 700}, .ForeColor = TmaveModra, .zarovnani = Z::Vpravo},
    {.id = O::tlHNastaveni, .jmeno = "tlHNastaveni", .druh = D::TlText, .Caption = "Nové", .left = 3510, .top = 960,
     .width = 915, .height = 315, .tab = 0, .MoveColor = Modra, .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNastaveniZ, .jmeno = "tlHNastaveniZ", .druh = D::TlText, .Caption = "Změnit", .left = 4470,
     .top = 960, .width = 915, .height = 315, .tab = 1, .viditelny = false, .MoveColor = Modra, .DownColor = Zelena,
     .DEBorder = 2},
    {.id = O::tlHNastaveniP, .jmeno = "tlHNastaveniP", .druh = D::TlText, .Caption = "Posunutí", .left = 5430,
     .top = 960, .width = 915, .height = 315, .tab = 2, .MoveColor = Modra, .DownColor = Zelena},
    {.id = O::frHN, .jmeno = "frHN", .druh = D::Ram, .left = 60, .top = 1290, .width = 6345, .height = 2160,
     .tab = 54, .povoleny = false},
    {.id = O::tlKZ8, .jmeno = "tlKZ", .druh = D::TlText, .Caption = "E-mail", .left = 30, .top = 3525, .width = 645,
     .height = 285, .tab = 43, .ForeColor = Rgb(0, 0, 0), .MoveColor = Modra, .DownColor = Cervena, .FocusDraw = 2,
     .DEBorder = 3, .SEMode = 2, .SEFile = "vypnuti@example.com"},
    {.id = O::tlKZ9, .jmeno = "tlKZ", .druh = D::TlText, .Caption = "Internet", .left = 690, .top = 3525,
     .width = 645, .height = 285, .tab = 44, .ForeColor = Rgb(0, 0, 0), .MoveColor = Modra, .DownColor = Cervena,
     .FocusDraw = 2, .DEBorder = 3, .SEMode = 1, .SEFile = "www.example.com/vypnuti"},
    {.id = O::tlKZ6, .jmeno = "tlKZ", .druh = D::TlText, .Caption = "Zástupce", .left = 4830, .top = 3525,
     .width = 765, .height = 285, .tab = 45, .MoveColor = TmaveModra, .DownColor = Zelena, .FocusDraw = 2,
     .DEMove = true},
    {.id = O::tlKZ7, .jmeno = "tlKZ", .druh = D::TlText, .Caption = "Parametr", .left = 5610, .top = 3525,
     .width = 765, .height = 285, .tab = 46, .MoveColor = TmaveModra, .DownColor = Zelena, .FocusDraw = 2,
     .DEMove = true},
    {.id = O::lblHOS, .jmeno = "lblHOS", .druh = D::Popisek, .left = 1380, .top = 3585, .width = 3405,
     .height = 195, .tab = 50, .ForeColor = Seda, .zarovnani = Z::Na_stred},
    {.id = O::Line1, .jmeno = "Line1", .druh = D::Cara, .left = 30, .top = 3855, .width = 6330, .height = 0},
    {.id = O::tlHZavrit, .jmeno = "tlHZavrit", .druh = D::TlText, .Caption = "Ukončit", .left = 5340, .top = 3915,
     .width = 1035, .height = 345, .tab = 42, .MoveColor = Modra, .DownColor = Zelena},
    {.id = O::lblHA, .jmeno = "lblHA", .druh = D::Popisek, .left = 30, .top = 4035, .width = 5235, .height = 195,
     .tab = 51, .ForeColor = Seda},

    // In frHA: the immediate actions and the remote-PC dialog.
    {.id = O::tlKZ0, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Vypnutí", .left = 30,
     .top = 120, .width = 1035, .height = 315, .tab = 36, .MoveColor = Cervena, .DownColor = Zelena,
     .FocusDraw = 2, .DEMove = true},
    {.id = O::tlKZ1, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Restart", .left = 1080,
     .top = 120, .width = 1035, .height = 315, .tab = 37, .MoveColor = Rgb(0, 128, 0), .DownColor = Zelena,
     .FocusDraw = 2, .DEMove = true},
    {.id = O::tlKZ2, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Odhlášení", .left = 2130,
     .top = 120, .width = 1035, .height = 315, .tab = 38, .MoveColor = Rgb(192, 64, 0), .DownColor = Zelena,
     .FocusDraw = 2, .DEMove = true},
    {.id = O::tlKZ3, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Spánek", .left = 3180,
     .top = 120, .width = 1035, .height = 315, .tab = 39, .MoveColor = Rgb(0, 128, 128), .DownColor = Zelena,
     .FocusDraw = 2, .DEMove = true},
    {.id = O::tlKZ4, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Zamčení", .left = 4230,
     .top = 120, .width = 1035, .height = 315, .tab = 40, .MoveColor = Rgb(0, 128, 128), .DownColor = Zelena,
     .FocusDraw = 2, .DEMove = true},
    {.id = O::tlKZ5, .jmeno = "tlKZ", .druh = D::TlText, .kontejner = O::frHA, .Caption = "Vzdálené PC",
     .left = 5280, .top = 120, .width = 1035, .height = 315, .tab = 41, .MoveColor = TmaveModra,
     .DownColor = Zelena, .FocusDraw = 2, .DEMove = true},

    // In frHN: the settings editor.
    {.id = O::chHN0, .jmeno = "chHN", .druh = D::Zaskrtavaci, .kontejner = O::frHN, .Caption = "Opakovat každý den",
     .left = 60, .top = 150, .width = 1815, .height = 195, .tab = 10},
    // Beside the password box: the days a daily schedule keeps to, shown while it is daily.
    {.id = O::tlHNDen0, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Po",
     .left = 2670, .top = 1230, .width = 375, .height = 285, .tab = 11, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen1, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Út",
     .left = 3075, .top = 1230, .width = 375, .height = 285, .tab = 12, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen2, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "St",
     .left = 3480, .top = 1230, .width = 375, .height = 285, .tab = 13, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen3, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Čt",
     .left = 3885, .top = 1230, .width = 375, .height = 285, .tab = 14, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen4, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Pá",
     .left = 4290, .top = 1230, .width = 375, .height = 285, .tab = 15, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen5, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "So",
     .left = 4695, .top = 1230, .width = 375, .height = 285, .tab = 16, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::tlHNDen6, .jmeno = "tlHNDen", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Ne",
     .left = 5100, .top = 1230, .width = 375, .height = 285, .tab = 17, .viditelny = false, .MoveColor = Modra,
     .DownColor = Zelena, .DEBorder = 2},
    {.id = O::chHN1, .jmeno = "chHN", .druh = D::Zaskrtavaci, .kontejner = O::frHN, .Caption = "Zakázat stornování",
     .left = 60, .top = 360, .width = 1815, .height = 195, .tab = 18},
    {.id = O::chHN3, .jmeno = "chHN", .druh = D::Zaskrtavaci, .kontejner = O::frHN,
     .Caption = "Kontrolované vypnutí programů", .left = 60, .top = 570, .width = 2535, .height = 195, .tab = 19},
    {.id = O::chHN4, .jmeno = "chHN", .druh = D::Zaskrtavaci, .kontejner = O::frHN,
     .Caption = "Skrýt upozornění \"Storno\"", .left = 60, .top = 810, .width = 2535, .height = 195, .tab = 20},
    {.id = O::chHN2, .jmeno = "chHN", .druh = D::Zaskrtavaci, .kontejner = O::frHN,
     .Caption = "Nastavení chránit heslem", .left = 60, .top = 1020, .width = 2115, .height = 195, .tab = 21},
    {.id = O::txtHNHeslo, .jmeno = "txtHNHeslo", .druh = D::Text, .kontejner = O::frHN, .left = 60, .top = 1230,
     .width = 2085, .height = 285, .tab = 22},
    {.id = O::opHN1, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Vypnout", .left = 60,
     .top = 1560, .width = 885, .height = 195, .tab = 23},
    {.id = O::opHN2, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Restartovat", .left = 960,
     .top = 1560, .width = 1125, .height = 195, .tab = 24},
    {.id = O::opHN3, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Odhlásit", .left = 2100,
     .top = 1560, .width = 885, .height = 195, .tab = 25},
    {.id = O::opHN4, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Uspat", .left = 3000,
     .top = 1560, .width = 735, .height = 195, .tab = 26},
    {.id = O::opHN5, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Zamknout", .left = 3750,
     .top = 1560, .width = 1035, .height = 195, .tab = 27},
    {.id = O::opHN6, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Hibernovat", .left = 4800,
     .top = 1560, .width = 1245, .height = 195, .tab = 27},
    {.id = O::opHN0, .jmeno = "opHN", .druh = D::Volba, .kontejner = O::frHN, .Caption = "Option1", .left = 2190,
     .top = 1290, .width = 165, .height = 195, .tab = 52, .viditelny = false},
    // Below the actions: what the action waits for, and the program's name or the minutes it needs.
    {.id = O::lblHNPodminka, .jmeno = "lblHNPodminka", .druh = D::Popisek, .kontejner = O::frHN,
     .Caption = "Podmínka", .left = 60, .top = 1905, .width = 780, .height = 195, .tab = 28},
    {.id = O::cbHNPodminka, .jmeno = "cbHNPodminka", .druh = D::Seznam, .kontejner = O::frHN,
     .Caption = "žádná\npo skončení programu\npo klidu počítače\npo nečinnosti", .left = 900, .top = 1860,
     .width = 2175, .height = 285, .tab = 29},
    {.id = O::lblHNUdaj, .jmeno = "lblHNUdaj", .druh = D::Popisek, .kontejner = O::frHN, .left = 3120, .top = 1905,
     .width = 660, .height = 195, .tab = 30, .zarovnani = Z::Vpravo, .viditelny = false},
    {.id = O::txtHNPodminka, .jmeno = "txtHNPodminka", .druh = D::Text, .kontejner = O::frHN, .left = 3840,
     .top = 1860, .width = 1455, .height = 285, .tab = 31, .viditelny = false},
    {.id = O::tlHNOdDo, .jmeno = "tlHNOdDo", .druh = D::TlText, .kontejner = O::frHN, .Caption = "Od - Do",
     .left = 2670, .top = 150, .width = 795, .height = 315, .tab = 3, .MoveColor = Modra, .DownColor = Zelena},
    {.id = O::lblN0, .jmeno = "lblN", .druh = D::Popisek, .kontejner = O::frHN, .Caption = "Čas", .left = 3570,
     .top = 240, .width = 270, .height = 195, .tab = 4, .zarovnani = Z::Vpravo},
    {.id = O::txtHNCas, .jmeno = "txtHNCas", .druh = D::Text, .kontejner = O::frHN, .left = 3870, .top = 180,
     .width = 945, .height = 285, .tab = 5},
    {.id = O::Label2, .jmeno = "Label2", .druh = D::Popisek, .kontejner = O::frHN, .Caption = "hodina:minuta",
     .left = 3840, .top = 480, .width = 990, .height = 195, .tab = 6, .ForeColor = Seda},
    {.id = O::lblN1, .jmeno = "lblN", .druh = D::Popisek, .kontejner = O::frHN, .Caption = "Datum", .left = 3360,
     .top = 780, .width = 465, .height = 195, .tab = 7, .zarovnani = Z::Vpravo},
    {.id = O::txtHNDatum, .jmeno = "txtHNDatum", .druh = D::Text, .kontejner = O::frHN, .left = 3870, .top = 720,
     .width = 945, .height = 285, .tab = 8},
    {.id = O::Label1, .jmeno = "Label1", .druh = D::Popisek, .kontejner = O::frHN, .Caption = "den.měsíc.rok",
     .left = 3840, .top = 1020, .width = 1005, .height = 195, .tab = 9, .ForeColor = Seda},
    {.id = O::tlHNParametr, .jmeno = "tlHNParametr", .druh = D::TlText, .kontejner = O::frHN, .Caption = "P",
     .left = 4980, .top = 150, .width = 315, .height = 315, .tab = 32, .Font = Tucne, .ForeColor = TmaveSeda,
     .MoveColor = Modra, .DownColor = Zelena, .FocusDraw = 2, .DEBorder = 2},
    {.id = O::tlHNStop, .jmeno = "tlHNStop", .druh = D::TlText, .kontejner = O::frHN, .Caption = "S", .left = 4980,
     .top = 480, .width = 315, .height = 315, .tab = 34, .Font = Tucne, .ForeColor = TmaveSeda, .viditelny = false,
     .MoveColor = Cervena, .DownColor = Zelena, .FocusDraw = 2, .DEBorder = 2},
    {.id = O::tlHNAktivace, .jmeno = "tlHNAktivace", .druh = D::TlText, .kontejner = O::frHN,
     .Caption = "&Aktivace", .left = 5310, .top = 150, .width = 975, .height = 315, .tab = 33, .MoveColor = Modra,
     .DownColor = Zelena},
    {.id = O::tlHNStorno, .jmeno = "tlHNStorno", .druh = D::TlText, .kontejner = O::frHN, .Caption = "&Storno",
     .left = 5310, .top = 480, .width = 975, .height = 315, .tab = 35, .MoveColor = Modra, .DownColor = Zelena},
};
// clang-format on

constexpr std::array<Ovladac, 10> PoleKZ = {O::tlKZ0, O::tlKZ1, O::tlKZ2, O::tlKZ3, O::tlKZ4,
                                             O::tlKZ5, O::tlKZ6, O::tlKZ7, O::tlKZ8, O::tlKZ9};
constexpr std::array<Ovladac, 5> PoleHN = {O::chHN0, O::chHN1, O::chHN2, O::chHN3, O::chHN4};
constexpr std::array<Ovladac, PocetAkci + 1> PoleOp = {O::opHN0, O::opHN1, O::opHN2, O::opHN3,
                                                       O::opHN4, O::opHN5, O::opHN6};
constexpr std::array<Ovladac, 2> PoleN = {O::lblN0, O::lblN1};
constexpr std::array<Ovladac, 7> PoleDny = {O::tlHNDen0, O::tlHNDen1, O::tlHNDen2, O::tlHNDen3,
                                            O::tlHNDen4, O::tlHNDen5, O::tlHNDen6};

template <std::size_t N>
int Index(const std::array<Ovladac, N>& pole, Ovladac o) {
  const auto i = std::find(pole.begin(), pole.end(), o);
  return i == pole.end() ? -1 : static_cast<int>(i - pole.begin());
}

}  // namespace

Ovladac tlKZ(int index) { return PoleKZ.at(static_cast<std::size_t>(index)); }
Ovladac chHN(int index) { return PoleHN.at(static_cast<std::size_t>(index)); }
Ovladac opHN(int index) { return PoleOp.at(static_cast<std::size_t>(index)); }
Ovladac lblN(int index) { return PoleN.at(static_cast<std::size_t>(index)); }
Ovladac tlHNDen(int den) { return PoleDny.at(static_cast<std::size_t>(den)); }

int IndexPole(Ovladac o) {
  for (const int i : {Index(PoleKZ, o), Index(PoleHN, o), Index(PoleOp, o), Index(PoleN, o), Index(PoleDny, o)})
    if (i >= 0) return i;
  return -1;
}

const NavrhOvladace& Navrh(Ovladac o) {
  for (const auto tabulka : {std::span<const NavrhOvladace>(navrhUpozorneni), NavrhHlavnihoOkna()}) {
    const auto radek = std::find_if(tabulka.begin(), tabulka.end(), [o](const auto& n) { return n.id == o; });
    if (radek != tabulka.end()) return *radek;
  }
  static const NavrhOvladace zadny;
  return zadny;
}

std::span<const NavrhOvladace> NavrhHlavnihoOkna() { return navrhHlavnihoOkna; }

// Every button of the program has the button-face background, the light green focus line and the
// pointing hand.
BalikVlastnosti UlozeneHodnoty(const NavrhOvladace& n) {
  auto cislo = [](Barva b) { return static_cast<std::int32_t>(b); };
  BalikVlastnosti b;
  b.Zapis(klic::FocusDraw, n.FocusDraw);
  b.Zapis(klic::FocusColor, cislo(Rgb(192, 255, 192)));
  b.Zapis(klic::SEParameters, std::string());
  b.Zapis(klic::SEFile, std::string(n.SEFile));
  b.Zapis(klic::SEMode, n.SEMode);
  b.Zapis(klic::DEMove, n.DEMove);
  b.Zapis(klic::DEBorder, n.DEBorder);
  b.Zapis(klic::Enabled, n.povoleny);
  b.Zapis(klic::BackColor, cislo(BarvaPlochyTlacitka));
  b.Zapis(klic::ForeColor, cislo(n.ForeColor));
  b.Zapis(klic::MoveColor, cislo(n.MoveColor));
  b.Zapis(klic::DownColor, cislo(n.DownColor));
  b.Zapis(klic::Font, n.Font);
  b.Zapis(klic::Caption, std::string(n.Caption));
  b.Zapis(klic::MousePointer, std::int32_t{99});
  b.Zapis(klic::MouseIcon, Obrazek{IDC_RUKA});
  b.Zapis(klic::TrueFalse, false);
  b.Zapis(klic::StyleForList, false);
  b.Zapis(klic::HelpTools, std::uint8_t{0});
  return b;
}
