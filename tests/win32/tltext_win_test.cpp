#include "controls/soft_button/tltext_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "app/zdroje.h"
#include "controls/twipy.h"
#include "platform/port.h"
#include "platform/shell.h"
#include "testovaci_okno.h"

namespace {

// One soft button, newly placed in a test window, with every event written down.
struct Tlacitko {
  TestovaciOkno okno;
  std::unique_ptr<tlText> t;
  std::vector<std::string> udalosti;

  explicit Tlacitko(bool Default = false, bool Cancel = false) {
    tlText::Volby v;
    v.Default = Default;
    v.Cancel = Cancel;
    v.rodic = okno.hwnd();
    v.left = v.top = 1500;
    v.okoli.jmeno = "tlHNAktivace";
    t = tlText::Vytvor(v);
    t->Caption("&Aktivace");
    t->Click = [this] { udalosti.push_back("Click"); };
    t->MouseDown = [this](const UdalostMysi& e) { udalosti.push_back("Down" + std::to_string(e.Button)); };
    t->MouseUp = [this](const UdalostMysi&) { udalosti.push_back("Up"); };
    t->MouseMoveEnabled = [this](bool mme) { udalosti.push_back(mme ? "Enter" : "Leave"); };
    TestovaciOkno::Pumpuj();
  }
  POINT Bod(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(t->hwnd(), &p);
    return p;
  }
  POINT Uvnitr() const { return Bod(10, 10); }
  POINT Venku() const { return Bod(-30, 40); }
};

using Udalosti = std::vector<std::string>;

}  // namespace

TEST(TlTextOkno, PolozeniTextOknaAKurzor) {
  Tlacitko b;
  HWND h = b.t->hwnd();
  RECT r{};
  GetWindowRect(h, &r);
  const int dpi = DpiOkna(h);
  EXPECT_EQ(r.right - r.left, TwipyNaPixely(1035, dpi));  // a new button's first size: 69 x 23 at 96 dpi
  EXPECT_EQ(r.bottom - r.top, TwipyNaPixely(345, dpi));
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP);

  wchar_t text[64] = {};
  GetWindowTextW(h, text, 64);
  EXPECT_STREQ(text, L"&Aktivace");

  // A change of letter case alone: no notice, no repaint, the window text stays.
  b.t->Caption("STORNO");
  int prekresleni = 0, zmeny = 0;
  b.t->ZmenaVlastnosti = [&](std::string_view) { ++zmeny; };
  SetWindowSubclass(h, [](HWND o, UINT z, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR pocet) -> LRESULT {
    if (z == WM_PAINT) ++*reinterpret_cast<int*>(pocet);
    return DefSubclassProc(o, z, w, l);
  }, 1, reinterpret_cast<DWORD_PTR>(&prekresleni));
  b.t->Caption("Storno");
  GetWindowTextW(h, text, 64);
  EXPECT_STREQ(text, L"STORNO");
  EXPECT_EQ(zmeny, 0);
  EXPECT_EQ(prekresleni, 0);
  b.t->Caption("Zrušit");
  EXPECT_EQ(zmeny, 1);
  EXPECT_EQ(prekresleni, 1);

  // The program's own pointing hand, hot spot on the fingertip.
  b.t->MousePointer(99);
  b.t->MouseIcon({IDC_RUKA});
  SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  HCURSOR ruka = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_RUKA));
  ASSERT_NE(ruka, nullptr);
  EXPECT_EQ(GetCursor(), ruka);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(ruka, &info));
  EXPECT_EQ(info.xHotspot, 4U);
  EXPECT_EQ(info.yHotspot, 0U);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  RemoveWindowSubclass(h, nullptr, 1);
}

TEST(TlTextMys, VstupAOdchodHlasiJednou) {
  Tlacitko b;
  Mys(WM_MOUSEMOVE, b.Uvnitr());
  Mys(WM_MOUSEMOVE, b.Bod(20, 12));
  Mys(WM_MOUSEMOVE, b.Bod(30, 5));
  EXPECT_EQ(GetCapture(), b.t->hwnd());
  Mys(WM_MOUSEMOVE, b.Venku());
  Mys(WM_MOUSEMOVE, b.Bod(-40, 40));
  EXPECT_EQ(b.udalosti, (Udalosti{"Enter", "Leave"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(TlTextMys, StiskyTlacitek) {
  enum Kde { uvnitr, venku };
  const struct {
    const char* jak;
    std::vector<std::pair<UINT, Kde>> kroky;
    bool Enabled;
    Udalosti udalosti;
  } pripady[] = {
      {"press and release inside",
       {{WM_MOUSEMOVE, uvnitr}, {WM_LBUTTONDOWN, uvnitr}, {WM_LBUTTONUP, uvnitr}},
       true,
       {"Enter", "Down1", "Click", "Up"}},
      {"release outside runs nothing",
       {{WM_MOUSEMOVE, uvnitr}, {WM_LBUTTONDOWN, uvnitr}, {WM_MOUSEMOVE, venku}, {WM_LBUTTONUP, venku}},
       true,
       {"Enter", "Down1", "Leave"}},
      {"right button does nothing",
       {{WM_MOUSEMOVE, uvnitr}, {WM_RBUTTONDOWN, uvnitr}, {WM_RBUTTONUP, uvnitr}},
       true,
       {"Enter"}},
      {"double click is two clicks",
       {{WM_MOUSEMOVE, uvnitr}, {WM_LBUTTONDOWN, uvnitr}, {WM_LBUTTONUP, uvnitr}, {WM_LBUTTONDBLCLK, uvnitr},
        {WM_LBUTTONUP, uvnitr}},
       true,
       {"Enter", "Down1", "Click", "Up", "Down1", "Click", "Up"}},
      {"disabled hears nothing",
       {{WM_MOUSEMOVE, uvnitr}, {WM_LBUTTONDOWN, uvnitr}, {WM_LBUTTONUP, uvnitr}, {WM_LBUTTONDBLCLK, uvnitr}},
       false,
       {}},
  };
  for (const auto& p : pripady) {
    Tlacitko b;
    b.t->Enabled(p.Enabled);
    for (auto [zprava, kde] : p.kroky) {
      const WPARAM tlacitka = zprava == WM_LBUTTONDOWN || zprava == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
      if (p.Enabled) {
        Mys(zprava, kde == uvnitr ? b.Uvnitr() : b.Venku(), tlacitka);
      } else {  // straight to the button, past the system's own refusal
        PresunKurzor(b.Uvnitr());
        SendMessageW(b.t->hwnd(), zprava, tlacitka, MAKELPARAM(10, 10));
      }
    }
    EXPECT_EQ(b.udalosti, p.udalosti) << p.jak;
  }
}

TEST(TlTextKlavesy, MezernikPristupovaKlavesaEnterAEscape) {
  const struct {
    const char* jak;
    bool Default, Cancel, Enabled, fokus;
    std::vector<std::pair<UINT, WPARAM>> zpravy;
    int kliknuti;
  } pripady[] = {
      {"space", false, false, true, true, {{WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 1},
      {"Alt+a", false, false, true, false, {{WM_SYSCHAR, 'a'}}, 1},
      {"Alt+A", false, false, true, false, {{WM_SYSCHAR, 'A'}}, 1},
      {"Alt+x", false, false, true, false, {{WM_SYSCHAR, 'x'}}, 0},
      {"Escape, not the cancel button", false, false, true, false, {{WM_KEYDOWN, VK_ESCAPE}}, 0},
      {"Escape, the cancel button", false, true, true, false, {{WM_KEYDOWN, VK_ESCAPE}}, 1},
      {"Enter, the default button", true, false, true, false, {{WM_KEYDOWN, VK_RETURN}}, 1},
      {"Enter, not the default", false, false, true, false, {{WM_KEYDOWN, VK_RETURN}}, 0},
      {"disabled", true, true, false, false, {{WM_SYSCHAR, 'a'}, {WM_KEYDOWN, VK_ESCAPE}, {WM_KEYDOWN, VK_RETURN}}, 0},
  };
  for (const auto& p : pripady) {
    Tlacitko b(p.Default, p.Cancel);
    b.t->Enabled(p.Enabled);
    SetFocus(p.fokus ? b.t->hwnd() : b.okno.hwnd());
    for (auto [zprava, klavesa] : p.zpravy) PostMessageW(GetFocus(), zprava, klavesa, 0);
    TestovaciOkno::Pumpuj();
    EXPECT_EQ(std::count(b.udalosti.begin(), b.udalosti.end(), "Click"), p.kliknuti) << p.jak;
  }
}

namespace {
class SpoustecZaznam final : public Spoustec {
 public:
  void Otevri(std::string_view cil, std::string_view parametry) override {
    volani.push_back(std::string(cil) + "|" + std::string(parametry));
  }
  std::vector<std::string> volani;
};

bool MaBarvu(HWND okno, COLORREF barva) {
  RECT r{};
  GetClientRect(okno, &r);
  HDC dc = GetDC(okno);
  bool nalezeno = false;
  for (int y = 0; y < r.bottom && !nalezeno; ++y)
    for (int x = 0; x < r.right && !nalezeno; ++x) nalezeno = GetPixel(dc, x, y) == barva;
  ReleaseDC(okno, dc);
  return nalezeno;
}
}  // namespace

TEST(TlTextOkno, OdkazJdeDoShelluBezClick) {
  SpoustecZaznam spoustec;
  Pripojeni<Spoustec> pripojeni(spoustec);
  Tlacitko b;
  b.t->SEMode(1);
  b.t->SEFile("www.example.cz");
  Mys(WM_MOUSEMOVE, b.Uvnitr());
  Mys(WM_LBUTTONDOWN, b.Uvnitr(), MK_LBUTTON);
  Mys(WM_LBUTTONUP, b.Uvnitr());
  EXPECT_EQ(spoustec.volani, (std::vector<std::string>{"http://www.example.cz|"}));
  EXPECT_EQ(std::count(b.udalosti.begin(), b.udalosti.end(), "Click"), 0);
}

TEST(TlTextOkno, BarvyTextuAFokusNaObrazovce) {
  Tlacitko b;
  b.t->ForeColor(RGB(128, 0, 0));
  b.t->MoveColor(RGB(0, 0, 255));
  b.t->DownColor(RGB(0, 255, 0));
  b.t->FocusColor(RGB(255, 0, 255));
  HWND h = b.t->hwnd();
  EXPECT_TRUE(MaBarvu(h, RGB(128, 0, 0)));
  EXPECT_FALSE(MaBarvu(h, RGB(0, 0, 255)));
  Mys(WM_MOUSEMOVE, b.Uvnitr());
  EXPECT_TRUE(MaBarvu(h, RGB(0, 0, 255)));
  EXPECT_FALSE(MaBarvu(h, RGB(128, 0, 0)));
  SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(MaBarvu(h, RGB(0, 255, 0)));
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  SetFocus(h);
  TestovaciOkno::Pumpuj();
  // Focus style 0: the focus line down the rightmost column.
  RECT r{};
  GetClientRect(h, &r);
  HDC dc = GetDC(h);
  EXPECT_EQ(GetPixel(dc, r.right - 1, r.bottom / 2), RGB(255, 0, 255));
  ReleaseDC(h, dc);
}
