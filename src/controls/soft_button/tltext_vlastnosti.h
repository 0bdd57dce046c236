#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "controls/barva.h"
#include "controls/pismo.h"
#include "controls/soft_button/tltext_balik.h"

// What the container lends its soft buttons: its colours and font, and the name it knows the
// instance by (e.g. "tlHNStop").
struct Okoli {
  Barva BackColor = BarvaPlochyTlacitka;
  Barva ForeColor = BarvaTextuTlacitka;
  Pismo Font;
  std::string jmeno;
};

// Arguments of the mouse events: Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt;
// X and Y in twips from the control's top-left corner.
struct UdalostMysi {
  std::int16_t Button = 0;
  std::int16_t Shift = 0;
  float X = 0;
  float Y = 0;
};

// The soft button's properties, how setting each takes effect, saving and loading, and the shell
// launch. The window itself (tltext_win.h) derives from this and supplies the window side.
class TlTextVlastnosti {
 public:
  TlTextVlastnosti() = default;
  virtual ~TlTextVlastnosti() = default;
  TlTextVlastnosti(const TlTextVlastnosti&) = delete;
  TlTextVlastnosti& operator=(const TlTextVlastnosti&) = delete;

  void NovePolozeni(const Okoli& okoli);
  void Nacti(const BalikVlastnosti& balik, const Okoli& okoli);
  BalikVlastnosti Uloz() const;

  std::int32_t FocusDraw() const { return FocusDraw_; }
  void FocusDraw(std::int32_t vFocusDraw);
  Barva FocusColor() const { return FocusColor_; }
  void FocusColor(Barva vFocusColor);
  const std::string& SEParameters() const { return SEParameters_; }
  void SEParameters(std::string_view vSEParameters);
  const std::string& SEFile() const { return SEFile_; }
  void SEFile(std::string_view vSEFile);
  std::int32_t SEMode() const { return SEMode_; }
  void SEMode(std::int32_t vSEMode);
  std::int32_t DEBorder() const { return DEBorder_; }
  void DEBorder(std::int32_t vDEBorder);
  bool DEMove() const { return DEMove_; }
  void DEMove(bool vDEMove);
  bool Enabled() const { return Enabled_; }
  void Enabled(bool vEnabled);
  Barva BackColor() const { return BackColor_; }
  void BackColor(Barva vBackColor);
  Barva ForeColor() const { return ForeColor_; }
  void ForeColor(Barva vForeColor);
  Barva MoveColor() const { return MoveColor_; }
  void MoveColor(Barva vMoveColor);
  Barva DownColor() const { return DownColor_; }
  void DownColor(Barva vDownColor);
  const Pismo& Font() const { return Font_; }
  void Font(const Pismo& vFont);
  const std::string& Caption() const { return Caption_; }
  void Caption(std::string_view vCaption);
  std::int32_t MousePointer() const { return MousePointer_; }
  bool MousePointer(std::int32_t vMousePointer);
  Obrazek MouseIcon() const { return MouseIcon_; }
  void MouseIcon(Obrazek vMouseIcon);
  bool TrueFalse() const { return TrueFalse_; }
  void TrueFalse(bool vTrueFalse);
  bool StyleForList() const { return StyleForList_; }
  void StyleForList(bool vStyleForList);
  std::uint8_t HelpTools() const { return HelpTools_; }
  void HelpTools(std::uint8_t vHelpTools);

  char32_t AccessKey() const { return AccessKey_; }

  void SEExecute(bool setup);

  // Events to the container, and the notice that a saved value changed (by its key).
  std::function<void()> Click;
  std::function<void(std::int16_t KeyAscii)> KeyPress;
  std::function<void(const UdalostMysi&)> MouseMove;
  std::function<void(bool mme)> MouseMoveEnabled;
  std::function<void(const UdalostMysi&)> MouseUp;
  std::function<void(const UdalostMysi&)> MouseDown;
  std::function<void(std::string_view klic)> ZmenaVlastnosti;

 protected:
  enum class Oblast { klient, vnitrek };

  // The window side of the properties; without a window they do nothing.
  virtual void Prekresli(Oblast) {}
  virtual void PouzijEnabled() {}
  virtual void PouzijPismo() {}
  virtual void PouzijTitulek() {}
  virtual void PouzijTrueFalse() {}
  virtual void PouzijKurzor() {}
  virtual void ZmenVelikost(int /*sirkaTwipy*/, int /*vyskaTwipy*/) {}

  bool zobrazeno_ = false;    // shown at least once; most setters repaint only after that
  bool prvniVelikost_ = false;  // a fresh placement: the next resize gives the default size

 private:
  void Zmeneno(std::string_view klic);
  void PrekresliZobrazene(Oblast oblast);

  std::int32_t FocusDraw_ = 0;
  Barva FocusColor_ = 0;
  std::string SEParameters_;
  std::string SEFile_;
  std::int32_t SEMode_ = 0;
  bool DEMove_ = false;
  std::int32_t DEBorder_ = 0;
  bool Enabled_ = true;
  Barva BackColor_ = 0;
  Barva ForeColor_ = 0;
  Barva MoveColor_ = 0;
  Barva DownColor_ = 0;
  Pismo Font_;
  std::string Caption_;
  std::int32_t MousePointer_ = 0;
  Obrazek MouseIcon_;
  bool TrueFalse_ = false;
  bool StyleForList_ = false;
  std::uint8_t HelpTools_ = 0;
  char32_t AccessKey_ = 0;
  std::string jmeno_;
};
