#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/kresleni_win.h"
#include "controls/soft_button/tltext_win.h"
#include "controls/status_bar/clskzsb_win.h"
#include "platform/okna_programu.h"
#include "ui/ikony_okna_win.h"
#include "ui/main_window/formular.h"

// The main window: the one interactive window, loaded on demand and released when it closes. It is
// made from the layout table at its dpi and only mirrors its form model into the real controls; what
// the controls mean is the portable logic's (hlavni_okno.h, editor.h, zobraz_nastaveni.h).
class frmkzhlavni final : public HlavniOkno {
 public:
  frmkzhlavni() = default;
  ~frmkzhlavni() override;
  frmkzhlavni(const frmkzhlavni&) = delete;
  frmkzhlavni& operator=(const frmkzhlavni&) = delete;

  // Loads and shows the window, or brings the open one to the front.
  void Otevri() override;
  // Unloads the window (the program's end).
  void Zavri();
  void UkazCas(std::string_view cas, std::string_view datum) override;
  void StavovyRadek(std::string_view text, int ikona) override;
  bool mmeActive() override { return f_.mmeActive; }
  void ZrusHint() override { f_.mmeActive = false; }
  void PlanZvenku(std::string_view text) override;

  HWND hwnd() const { return hwnd_; }
  // The keyboard of a dialog (Tab, arrows among the options) for the open window; true when the
  // message was handled and must go no further.
  bool PrelozZpravu(MSG& zprava);

 private:
  static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l);
  LRESULT Zprava(UINT zprava, WPARAM w, LPARAM l);
  bool Vytvor();
  void VytvorOvladac(const NavrhOvladace& n);
  void VytvorTlacitko(const NavrhOvladace& n);
  void Rozvrhni(int dpi);
  RECT Obdelnik(const NavrhOvladace& n) const;
  void Zrcadli();
  void ZrcadliOvladac(const NavrhOvladace& n, bool vse);
  template <class Obsluha>
  void Udalost(Obsluha&& obsluha);
  void OnCommand(WPARAM w, LPARAM l);
  LRESULT OnCtlColorStatic(HDC dc, HWND ovladac);
  void OnPaint();
  void OnDestroy();
  void OnKontrola(Ovladac pole);
  bool PosunVRade(HWND fokus, UINT klavesa);
  void PosunTabulatorem(bool zpet);
  void NastavNarazky(bool ukazat);
  void UkazNarazky();
  void NastavTabulatory();
  static LRESULT CALLBACK PoleCasu(HWND okno, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data);
  HFONT PismoPro(const Pismo& pismo);

  HWND& Okno(Ovladac o) { return okna_[static_cast<std::size_t>(o)]; }
  std::unique_ptr<tlText>& Tlacitko(Ovladac o) { return tlacitka_[static_cast<std::size_t>(o)]; }

  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  Formular f_;
  Formular zobrazeno_;  // what the real controls show now
  bool zrcadleno_ = false;
  std::array<HWND, PocetOvladacu> okna_{};
  std::array<std::unique_ptr<tlText>, PocetOvladacu> tlacitka_;
  std::unique_ptr<clskzsb> sbMain_;
  std::vector<std::pair<Pismo, std::unique_ptr<PismoGdi>>> pisma_;  // one font per look, for dpi_
  IkonyOkna ikony_;
  HWND posledniFokus_ = nullptr;
  bool kontrola_ = false;    // a box's check is running (its message may be up)
  bool vraciFokus_ = false;  // the check puts the focus back
  bool narazky_ = false;     // the keyboard cues show: a key moved the focus, or the user wants them always
  // The row of immediate actions is none: no key may start a power action, only a click after its hint.
  static inline const std::array<std::vector<Ovladac>, 2> Rady = {
      std::vector<Ovladac>{Ovladac::tlKZ8, Ovladac::tlKZ9, Ovladac::tlKZ6, Ovladac::tlKZ7},
      std::vector<Ovladac>{Ovladac::tlHNDen0, Ovladac::tlHNDen1, Ovladac::tlHNDen2, Ovladac::tlHNDen3,
                           Ovladac::tlHNDen4, Ovladac::tlHNDen5, Ovladac::tlHNDen6}};
  std::array<int, 2> zastavkaRady_{};  // the button of each row that the Tab key stops at
};
