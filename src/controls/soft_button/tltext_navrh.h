#pragma once

#include <cstdint>
#include <string_view>

#include "controls/barva.h"
#include "controls/pismo.h"
#include "controls/soft_button/tltext_balik.h"

// How one of the program's soft buttons is laid out and what it is saved with. Lengths in twips.
struct NavrhTlText {
  std::string_view jmeno;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string_view Caption;
  Pismo Font;
  Barva ForeColor = BarvaTextuTlacitka;
  Barva MoveColor = 0;
  Barva DownColor = 0;
  std::int32_t FocusDraw = 0;
  std::int32_t DEBorder = 0;
  bool DEMove = false;
  std::int32_t SEMode = 0;
  std::string_view SEFile;
};

const NavrhTlText* NajdiNavrh(std::string_view jmeno);
BalikVlastnosti UlozeneHodnoty(const NavrhTlText& navrh);
