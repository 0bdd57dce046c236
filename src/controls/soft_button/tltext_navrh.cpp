#include "controls/soft_button/tltext_navrh.h"

#include "app/zdroje.h"

namespace {

// The program's soft buttons, one row each. Values every button shares are in UlozeneHodnoty.
const NavrhTlText navrhy[] = {
    // The warning window's cancel button.
    {.jmeno = "cmKZS",
     .left = 2580,
     .top = 720,
     .width = 2205,
     .height = 495,
     .Caption = "S T O R N O",
     .Font = {.velikost = 13.5, .vaha = 700},
     .ForeColor = Rgb(255, 0, 0),
     .MoveColor = Rgb(0, 192, 0),
     .DownColor = Rgb(0, 255, 0),
     .FocusDraw = 2,
     .DEBorder = 2,
     .DEMove = false,
     .SEMode = 0,
     .SEFile = {}},
};

}  // namespace

const NavrhTlText* NajdiNavrh(std::string_view jmeno) {
  for (const auto& n : navrhy)
    if (n.jmeno == jmeno) return &n;
  return nullptr;
}

// The saved values the button loads with: its own row, and what all the program's buttons share
// (button-face background, light green focus line, the pointing hand).
BalikVlastnosti UlozeneHodnoty(const NavrhTlText& n) {
  auto cislo = [](Barva b) { return static_cast<std::int32_t>(b); };
  BalikVlastnosti b;
  b.Zapis(klic::FocusDraw, n.FocusDraw);
  b.Zapis(klic::FocusColor, cislo(Rgb(192, 255, 192)));
  b.Zapis(klic::SEParameters, std::string());
  b.Zapis(klic::SEFile, std::string(n.SEFile));
  b.Zapis(klic::SEMode, n.SEMode);
  b.Zapis(klic::DEMove, n.DEMove);
  b.Zapis(klic::DEBorder, n.DEBorder);
  b.Zapis(klic::Enabled, true);
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
