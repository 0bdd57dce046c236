#include "controls/soft_button/tltext_vlastnosti.h"

#include <limits>

#include "controls/soft_button/tltext.h"
#include "platform/port.h"
#include "platform/shell.h"

namespace {
constexpr Barva VychoziFocusColor = 0xC0FFC0;  // light green
constexpr Barva VychoziMoveColor = 0xFF0000;   // blue
constexpr Barva VychoziDownColor = 0x00FF00;   // green
}  // namespace

void TlTextVlastnosti::Zmeneno(std::string_view klic) {
  if (ZmenaVlastnosti) ZmenaVlastnosti(klic);
}

void TlTextVlastnosti::PrekresliZobrazene(Oblast oblast) {
  if (zobrazeno_) Prekresli(oblast);
}

void TlTextVlastnosti::FocusDraw(std::int32_t vFocusDraw) {
  FocusDraw_ = vFocusDraw;
  Zmeneno(klic::FocusDraw);
}

void TlTextVlastnosti::FocusColor(Barva vFocusColor) {
  FocusColor_ = vFocusColor;
  Zmeneno(klic::FocusColor);
}

void TlTextVlastnosti::SEParameters(std::string_view vSEParameters) {
  SEParameters_ = vSEParameters;
  Zmeneno(klic::SEParameters);
}

void TlTextVlastnosti::SEFile(std::string_view vSEFile) {
  SEFile_ = vSEFile;
  Zmeneno(klic::SEFile);
}

// The mode's set-up gives the button the caption and parameters that suit it.
void TlTextVlastnosti::SEMode(std::int32_t vSEMode) {
  SEMode_ = vSEMode;
  SEExecute(true);
  Zmeneno(klic::SEMode);
}

// A flat button has no border style of its own.
void TlTextVlastnosti::DEBorder(std::int32_t vDEBorder) {
  DEBorder_ = DEMove_ ? 0 : vDEBorder;
  Zmeneno(klic::DEBorder);
  Prekresli(Oblast::klient);
}

// Turning the flat look on also turns the focus look off; turning it off restores neither.
void TlTextVlastnosti::DEMove(bool vDEMove) {
  DEMove_ = vDEMove;
  Zmeneno(klic::DEMove);
  if (vDEMove) {
    FocusDraw(2);
    DEBorder(0);
  } else {
    PrekresliZobrazene(Oblast::klient);
  }
}

void TlTextVlastnosti::Enabled(bool vEnabled) {
  Enabled_ = vEnabled;
  PouzijEnabled();
  Zmeneno(klic::Enabled);
  PrekresliZobrazene(Oblast::klient);
}

void TlTextVlastnosti::BackColor(Barva vBackColor) {
  BackColor_ = vBackColor;
  Zmeneno(klic::BackColor);
  PrekresliZobrazene(Oblast::klient);
}

void TlTextVlastnosti::ForeColor(Barva vForeColor) {
  ForeColor_ = vForeColor;
  Zmeneno(klic::ForeColor);
  PrekresliZobrazene(Oblast::vnitrek);
}

void TlTextVlastnosti::MoveColor(Barva vMoveColor) {
  MoveColor_ = vMoveColor;
  Zmeneno(klic::MoveColor);
}

void TlTextVlastnosti::DownColor(Barva vDownColor) {
  DownColor_ = vDownColor;
  Zmeneno(klic::DownColor);
}

void TlTextVlastnosti::Font(const Pismo& vFont) {
  Font_ = vFont;
  PouzijPismo();
  Prekresli(Oblast::vnitrek);
  Zmeneno(klic::Font);
}

// A change of letter case alone is no change: no new access key, no notice, no repaint.
void TlTextVlastnosti::Caption(std::string_view vCaption) {
  if (StejneBezVelikosti(vCaption, Caption_)) return;
  AccessKey_ = PristupovaKlavesa(vCaption);
  Caption_ = vCaption;
  PouzijTitulek();
  Zmeneno(klic::Caption);
  PrekresliZobrazene(Oblast::vnitrek);
}

// The window keeps the cursor shape in 16 bits: a value that does not fit changes nothing.
bool TlTextVlastnosti::MousePointer(std::int32_t vMousePointer) {
  if (vMousePointer < std::numeric_limits<std::int16_t>::min() ||
      vMousePointer > std::numeric_limits<std::int16_t>::max())
    return false;
  MousePointer_ = vMousePointer;
  PouzijKurzor();
  Zmeneno(klic::MousePointer);
  return true;
}

void TlTextVlastnosti::MouseIcon(Obrazek vMouseIcon) {
  MouseIcon_ = vMouseIcon;
  PouzijKurzor();
  Zmeneno(klic::MouseIcon);
}

void TlTextVlastnosti::TrueFalse(bool vTrueFalse) {
  TrueFalse_ = vTrueFalse;
  PouzijTrueFalse();
  Zmeneno(klic::TrueFalse);
}

// The small square "..." button that sits beside a list or a text box: flat, 15 x 15 pixels.
void TlTextVlastnosti::StyleForList(bool vStyleForList) {
  StyleForList_ = vStyleForList;
  Zmeneno(klic::StyleForList);
  if (vStyleForList) {
    DEMove(true);
    ZmenVelikost(225, 225);
    Caption("...");
  }
}

void TlTextVlastnosti::HelpTools(std::uint8_t vHelpTools) {
  HelpTools_ = vHelpTools;
  Zmeneno(klic::HelpTools);
}

// The defaults of a control newly placed in a container, each through its setter, in this order.
void TlTextVlastnosti::NovePolozeni(const Okoli& okoli) {
  jmeno_ = okoli.jmeno;
  prvniVelikost_ = true;
  FocusDraw(0);
  FocusColor(VychoziFocusColor);
  SEParameters("");
  SEFile("");
  SEMode(0);
  DEMove(false);
  DEBorder(0);
  Enabled(true);
  BackColor(okoli.BackColor);
  ForeColor(okoli.ForeColor);
  MoveColor(VychoziMoveColor);
  DownColor(VychoziDownColor);
  Font(okoli.Font);
  StyleForList(false);
  HelpTools(0);
  Caption(jmeno_);
  MousePointer(0);
}

// The mode is read after the file and the parameters, so its set-up has the last word on them; the
// caption comes later still and always ends as saved.
void TlTextVlastnosti::Nacti(const BalikVlastnosti& b, const Okoli& okoli) {
  jmeno_ = okoli.jmeno;
  FocusDraw(b.CtiCislo(klic::FocusDraw, 0));
  FocusColor(static_cast<Barva>(b.CtiCislo(klic::FocusColor, VychoziFocusColor)));
  SEParameters(b.CtiText(klic::SEParameters, ""));
  SEFile(b.CtiText(klic::SEFile, ""));
  SEMode(b.CtiCislo(klic::SEMode, 0));
  DEMove(b.CtiLogicky(klic::DEMove, false));
  DEBorder(b.CtiCislo(klic::DEBorder, 0));
  Enabled(b.CtiLogicky(klic::Enabled, true));
  BackColor(static_cast<Barva>(b.CtiCislo(klic::BackColor, static_cast<std::int32_t>(okoli.BackColor))));
  ForeColor(static_cast<Barva>(b.CtiCislo(klic::ForeColor, static_cast<std::int32_t>(okoli.ForeColor))));
  MoveColor(static_cast<Barva>(b.CtiCislo(klic::MoveColor, VychoziMoveColor)));
  DownColor(static_cast<Barva>(b.CtiCislo(klic::DownColor, VychoziDownColor)));
  Font_ = b.CtiPismo(klic::Font, okoli.Font);
  PouzijPismo();
  Caption(b.CtiText(klic::Caption, jmeno_));
  MousePointer(b.CtiCislo(klic::MousePointer, 0));
  MouseIcon(b.CtiObrazek(klic::MouseIcon, {}));
  TrueFalse(b.CtiLogicky(klic::TrueFalse, false));
  StyleForList(b.CtiLogicky(klic::StyleForList, false));
  HelpTools(b.CtiBajt(klic::HelpTools, 0));
}

// Every key is written, so a saved control never depends on a default.
BalikVlastnosti TlTextVlastnosti::Uloz() const {
  auto cislo = [](Barva b) { return static_cast<std::int32_t>(b); };
  BalikVlastnosti b;
  b.Zapis(klic::FocusDraw, FocusDraw_);
  b.Zapis(klic::FocusColor, cislo(FocusColor_));
  b.Zapis(klic::SEParameters, SEParameters_);
  b.Zapis(klic::SEFile, SEFile_);
  b.Zapis(klic::SEMode, SEMode_);
  b.Zapis(klic::DEMove, DEMove_);
  b.Zapis(klic::DEBorder, DEBorder_);
  b.Zapis(klic::Enabled, Enabled_);
  b.Zapis(klic::BackColor, cislo(BackColor_));
  b.Zapis(klic::ForeColor, cislo(ForeColor_));
  b.Zapis(klic::MoveColor, cislo(MoveColor_));
  b.Zapis(klic::DownColor, cislo(DownColor_));
  b.Zapis(klic::Font, Font_);
  b.Zapis(klic::Caption, Caption_);
  b.Zapis(klic::MousePointer, MousePointer_);
  b.Zapis(klic::MouseIcon, MouseIcon_);
  b.Zapis(klic::TrueFalse, TrueFalse_);
  b.Zapis(klic::StyleForList, StyleForList_);
  b.Zapis(klic::HelpTools, HelpTools_);
  return b;
}

// With setup true: the caption and parameters that suit the mode. Otherwise the button's action:
// mode 0 reports the click to the container, the others go to the shell, which adds nothing but
// the scheme; an unknown mode hands the shell an empty target.
void TlTextVlastnosti::SEExecute(bool setup) {
  if (setup) {
    switch (SEMode_) {
      case 0:
        Caption(jmeno_);
        SEParameters("");
        SEFile("");
        break;
      case 1:
        Caption("Internet");
        SEParameters("");
        break;
      case 2:
        Caption("E-mail");
        SEParameters("");
        break;
      case 3:
        Caption("Run-file");
        break;
      default:
        break;
    }
    return;
  }
  if (SEMode_ == 0) {
    if (auto f = Click) f();  // a copy: the handler may destroy the button
    return;
  }
  std::string cil;
  if (SEMode_ == 1) cil = "http://" + SEFile_;
  if (SEMode_ == 2) cil = "mailto:" + SEFile_;
  if (SEMode_ == 3) cil = SEFile_;
  // The program installs the shell at start; a window shown before that launches nothing.
  if (port_pripojen<Spoustec>()) port<Spoustec>().Otevri(cil, SEParameters_);
}
