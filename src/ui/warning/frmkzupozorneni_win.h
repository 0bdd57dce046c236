#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "controls/kresleni_win.h"
#include "controls/soft_button/tltext_win.h"
#include "platform/okna_programu.h"
#include "scheduler/ikona_listy_win.h"
#include "ui/ikony_okna_win.h"
#include "ui/navrh_oken.h"

// The warning window: a borderless blue window with the countdown, the cancel and the snooze button, shown for
// the last minute before an action. Hidden the rest of the time, it is also the program's message
// window: it owns the notification icon and the one-second timer, and the hook takes its messages.
class frmkzupozorneni final : public OknoUpozorneni, public CasovacOkna {
 public:
  frmkzupozorneni() = default;
  ~frmkzupozorneni() override;
  frmkzupozorneni(const frmkzupozorneni&) = delete;
  frmkzupozorneni& operator=(const frmkzupozorneni&) = delete;

  IkonaListyWin& Ikona() { return ikona_; }
  // A command line handed over by a second start of the program (WM_COPYDATA): its exit code.
  std::function<LRESULT(HWND odesilatel, const COPYDATASTRUCT& data)> Predani;
  // The icon's menu (a right click, or the context-menu key on the focused icon).
  std::function<void(HWND vlastnik)> Nabidka;
  // The system says the Group Policy changed (WM_SETTINGCHANGE "Policy", as gpupdate broadcasts it);
  // false: not now, ask again in a moment.
  std::function<bool()> ZmenaZasad;
  HWND hwnd() const { return hwnd_; }

  void Nacti() override;  // Form_Load
  // Form_QueryUnload and the window's end: the timer stops (which stores or forgets the schedule),
  // the hook and the icon go. The program's end path calls it.
  void Uvolni();
  void Ukaz(bool storno_povoleno, std::string_view poznamka) override;
  void ZakazStorno() override;
  void Schovej() override;
  void NastavText(std::string_view text) override;
  void Ohlas() override;
  void Zazni() override;
  std::uintptr_t Zapni() override;
  void Vypni() override;

 private:
  static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l);
  LRESULT Zprava(UINT zprava, WPARAM w, LPARAM l);
  void PostavObsah();
  void Rozvrhni(int dpi);
  void OnDpiChanged(int dpi, const RECT& navrh);
  void VejdiSe(std::wstring_view text);
  int VyskaTextuPoznamky();
  void Form_QueryUnload();
  std::unique_ptr<tlText> VytvorTlacitko(Ovladac id);

  HWND hwnd_ = nullptr;
  HWND lblUC_ = nullptr;
  HWND lblPozn_ = nullptr;  // the line under the button, shown while it has something to say
  std::wstring poznamka_;
  PismoGdi pismoPozn_;
  std::unique_ptr<tlText> cmKZS_;
  std::unique_ptr<tlText> cmKZO_;  // "Odložit o 10 minut"
  IkonaListyWin ikona_;
  PismoGdi pismoUC_;
  double bodyUC_ = 0;  // the point size pismoUC_ was made in
  int dpi_ = 96;
  HBRUSH modra_ = nullptr;
  HBRUSH zluta_ = nullptr;
  IkonyOkna ikony_;
  bool zavreno_ = false;
  bool v_nabidce_ = false;  // the icon's menu is open
};
