#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/kresleni_win.h"
#include "controls/soft_button/tltext.h"
#include "controls/soft_button/tltext_vlastnosti.h"

inline constexpr wchar_t TridaTlText[] = L"tlText";

// The container hands a soft button its access key, or Enter or Escape, with this message;
// wParam is the character code (13 Enter, 27 Escape).
inline constexpr UINT ZpravaPristupovaKlavesa = WM_USER + 1;
// A press asked for from outside (a screen reader's default action): the button runs its action.
inline constexpr UINT ZpravaStisk = WM_USER + 2;

// The owner-drawn button of the program, a child window of its own class. The object owns its
// window; the container owns the object.
class tlText final : public TlTextVlastnosti {
 public:
  struct Volby {
    HWND rodic = nullptr;
    int id = 0;
    int left = 0;  // twips in the container
    int top = 0;
    int width = 0;
    int height = 0;
    Okoli okoli;
    const BalikVlastnosti* ulozene = nullptr;  // none: newly placed, with the defaults
    bool viditelne = true;
    bool Default = false;  // Enter anywhere in the window presses it
    bool Cancel = false;   // Escape anywhere in the window presses it
  };

  static std::unique_ptr<tlText> Vytvor(const Volby& volby);
  ~tlText() override;

  HWND hwnd() const { return hwnd_; }
  // The window moved to a screen of another dpi: the same twips, in the new pixels and font.
  void ZmenaDpi(int dpi);
  bool Default() const { return Default_; }
  void Default(bool vDefault) { Default_ = vDefault; }
  bool Cancel() const { return Cancel_; }
  void Cancel(bool vCancel) { Cancel_ = vCancel; }
  void TLMM();
  bool Stisknuto() const { return stav_.pressed; }

  // What a screen reader is told besides the caption: the hint that describes the button, and whether
  // the container uses TrueFalse as a toggle (then the button is a check button, pressed while true).
  std::function<std::string()> PopisProCtecku;
  bool Prepinac = false;

  static bool PrelozKlavesu(const MSG& zprava);
  // The button behind a window of the class, or nothing.
  static const tlText* Z(HWND okno);

 protected:
  void Prekresli(Oblast oblast) override;
  void PouzijEnabled() override;
  void PouzijPismo() override;
  void PouzijTitulek() override;
  void PouzijTrueFalse() override;
  void ZmenVelikost(int sirkaTwipy, int vyskaTwipy) override;

 private:
  tlText() = default;
  static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l);
  LRESULT Zprava(UINT zprava, WPARAM w, LPARAM l);
  template <class Udalost>
  bool Prezije(Udalost&& udalost);

  void OnSize();
  void OnShow();
  void OnFocus(bool ziskal);
  void OnPaint();
  void OnMouseMove(const UdalostMysi& e);
  void OnButtonDown(const UdalostMysi& e);
  void OnButtonUp(const UdalostMysi& e);
  void OnDoubleClick();
  void OnKeyDown(WPARAM klavesa);
  void OnKeyUp(WPARAM klavesa);
  void OnAccessKey(wchar_t znak);
  bool OnSetCursor(LPARAM l);
  UdalostMysi Mys(WPARAM w, LPARAM l, std::int16_t tlacitko) const;
  bool Odpovida(wchar_t znak) const;
  void Umisti();
  void Vstoupil();
  void Opustil();
  void OhlasStav();
  bool NarazkyKlavesnice() const;

  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  RECT twipy_{};  // the place in the container, in twips (right and bottom hold width and height)
  bool mysUvnitr_ = false;  // MouseMoveEnabled(true) was the last of the two raised
  StavTlText stav_;
  RECT klient_{};
  RECT vnitrek_{};
  PismoGdi pismo_;
  bool Default_ = false;
  bool Cancel_ = false;
  bool klikMysi_ = false;  // the focus is being taken by a click
  int ohlasenyStav_ = 0;   // pressed (1) and checked (2), as a screen reader was last told
  std::shared_ptr<bool> zije_ = std::make_shared<bool>(true);
};

bool KresliTlText(HDC dc, SIZE velikost, const TlTextVlastnosti& v, HFONT pismo, const StavTlText& stav);
