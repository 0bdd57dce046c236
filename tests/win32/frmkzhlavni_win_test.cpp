// The real main window in this process, for what only its own code can see: the fonts its controls
// hold while it moves to a screen of another dpi.
#include "zaklad_win.h"

#include "platform/port.h"
#include "platform/system.h"
#include "platform/win32/zakladni_porty_win.h"
#include "ui/main_window/frmkzhlavni_win.h"

namespace {

struct TichaIkona final : IkonaListy {
  void NastavTip(std::string_view) override {}
  std::string Tip() const override { return {}; }
  void Bublina(std::string_view) override {}
  int StavUzivatele() override { return 0; }
  void Odeber() override {}
  void Vrat() override {}
};

struct System final : InfoSystemu {
  int WinPlatform() const override { return 2; }
  int WinVersion() const override { return 10; }
  std::string WinVersionS() const override { return {}; }
};

std::map<HWND, WNDPROC> puvodni;
std::vector<bool> drzenePlatne;  // at each new font: whether the one the control held still existed

LRESULT CALLBACK Hlidej(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  const WNDPROC procedura = puvodni.at(okno);
  if (zprava == WM_SETFONT)
    if (auto drzene = reinterpret_cast<HGDIOBJ>(CallWindowProcW(procedura, okno, WM_GETFONT, 0, 0)))
      drzenePlatne.push_back(GetObjectType(drzene) == OBJ_FONT);
  return CallWindowProcW(procedura, okno, zprava, w, l);
}

int VyskaPisma(HWND okno) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(okno, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf.lfHeight;
}

}  // namespace

// A control must never hold a deleted font, not even for the moment of the change: it may paint then.
TEST(HlavniOknoWin, ZmenaDpiMaziStaraPismaAzPoVymene) {
  HodinyWin hodiny;
  MistniWin mistni;
  DialogyWin dialogy;
  TichaIkona ikona;
  System system;
  Pripojeni<Hodiny> p1{hodiny};
  Pripojeni<Mistni> p2{mistni};
  Pripojeni<Dialogy> p3{dialogy};
  Pripojeni<IkonaListy> p4{ikona};
  Pripojeni<InfoSystemu> p5{system};
  frmkzhlavni okno;
  okno.Otevri();
  ASSERT_NE(okno.hwnd(), nullptr);
  HWND popisek = GetDlgItem(okno.hwnd(), IdOvladace(Ovladac::lblHA));
  const int pred = VyskaPisma(popisek);

  puvodni.clear();
  drzenePlatne.clear();
  EnumChildWindows(
      okno.hwnd(),
      [](HWND h, LPARAM) -> BOOL {
        puvodni[h] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Hlidej)));
        return TRUE;
      },
      0);
  const RECT navrh{0, 0, 800, 600};
  SendMessageW(okno.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&navrh));
  EXPECT_GT(drzenePlatne.size(), 20u) << "the boxes and labels got their new fonts";
  EXPECT_EQ(std::count(drzenePlatne.begin(), drzenePlatne.end(), false), 0) << "a control held a deleted font";
  EXPECT_EQ(VyskaPisma(popisek), MulDiv(pred, 144, 96)) << "the new font is for 144 dpi";
  for (const auto& [h, procedura] : puvodni) SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedura));
  okno.Zavri();
}
