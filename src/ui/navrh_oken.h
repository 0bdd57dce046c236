#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "controls/barva.h"
#include "controls/pismo.h"
#include "controls/soft_button/tltext_balik.h"

// Every control of the program's two windows. Control arrays keep their index in the name.
// One line for each part of a window reads better than one name a line.
// clang-format off
enum class Ovladac : std::uint8_t {
  Formular,  // the window itself, as the container of what sits directly on it
  cmKZS,     // the warning window's cancel button
  // The main window: what sits on the window, in the frame frHA, in the frame frHN.
  frHA, lblVD, lblVC, lblHN, tlHNastaveni, tlHNastaveniZ, tlHNastaveniP, frHN,
  tlKZ8, tlKZ9, tlKZ6, tlKZ7, lblHOS, Line1, tlHZavrit, lblHA,
  tlKZ0, tlKZ1, tlKZ2, tlKZ3, tlKZ4, tlKZ5,
  chHN0, chHN1, chHN3, chHN4, chHN2, txtHNHeslo, opHN1, opHN2, opHN3, opHN4, opHN5, opHN0,
  tlHNOdDo, lblN0, txtHNCas, Label2, lblN1, txtHNDatum, Label1,
  tlHNParametr, tlHNStop, tlHNAktivace, tlHNStorno,
  tlHNDen0, tlHNDen1, tlHNDen2, tlHNDen3, tlHNDen4, tlHNDen5, tlHNDen6,  // the days of a daily schedule
  lblHNPodminka, cbHNPodminka, lblHNUdaj, txtHNPodminka,                 // the condition the action waits for
  opHN6,                                                                 // hibernation, added last: ids stay
  cmKZO,                                                                 // the warning's "Odložit o 10 minut"
};
// clang-format on
inline constexpr std::size_t PocetOvladacu = static_cast<std::size_t>(Ovladac::cmKZO) + 1;
// The action options opHN(1) to opHN(PocetAkci), one for each action code; opHN(0) is "none".
inline constexpr int PocetAkci = 6;

// The identifier of the control's window, as a dialog template would give it.
constexpr int IdOvladace(Ovladac o) { return 100 + static_cast<int>(o); }

// The members of the control arrays by their index, and back (-1: not a member).
Ovladac tlKZ(int index);
Ovladac chHN(int index);
Ovladac opHN(int index);
Ovladac lblN(int index);
Ovladac tlHNDen(int den);  // 0 = Monday
int IndexPole(Ovladac o);

// A list (Seznam) is a drop-down choice: its caption holds the entries, one a line.
enum class Druh : std::uint8_t { Ram, Popisek, TlText, Zaskrtavaci, Volba, Text, Cara, Seznam };
enum class Zarovnani : std::uint8_t { Vlevo, Na_stred, Vpravo };

// One control as designed: where it sits (twips in its container), what it says and how it looks.
// The soft buttons' own design values follow; other kinds leave them at their defaults.
struct NavrhOvladace {
  Ovladac id = Ovladac::Formular;
  std::string_view jmeno{};
  Druh druh = Druh::Popisek;
  Ovladac kontejner = Ovladac::Formular;
  std::string_view Caption{};
  int left = 0, top = 0, width = 0, height = 0;  // a line: from (left, top), width and height its run
  int tab = -1;                                  // the tab index; -1: none
  Pismo Font{};
  Barva ForeColor = BarvaTextuTlacitka;
  Zarovnani zarovnani = Zarovnani::Vlevo;
  bool viditelny = true;
  bool povoleny = true;
  Barva MoveColor = 0, DownColor = 0;
  std::int32_t FocusDraw = 0, DEBorder = 0;
  bool DEMove = false;
  std::int32_t SEMode = 0;
  std::string_view SEFile{};
};

const NavrhOvladace& Navrh(Ovladac o);
// The main window's controls: the whole layout in one table.
std::span<const NavrhOvladace> NavrhHlavnihoOkna();

// The main window's client area in twips.
inline constexpr int SirkaHlavnihoOkna = 6465, VyskaHlavnihoOkna = 4635;

// The saved values a soft button of the program loads with: its row, and what all the program's
// buttons share.
BalikVlastnosti UlozeneHodnoty(const NavrhOvladace& navrh);
