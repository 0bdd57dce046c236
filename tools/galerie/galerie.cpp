// The gallery: every look of the soft button and the status bar with each icon, in one window, for
// tools/screenshot-galerie.sh. Arguments: a file to write the window's screen rectangle into once it
// is painted, and the number of seconds after which the gallery closes itself.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/kresleni_win.h"
#include "controls/soft_button/tltext_win.h"
#include "controls/status_bar/clskzsb_win.h"
#include "platform/win32/text_win.h"
#include "platform/zdroje.h"
#include "ui/navrh_oken.h"

namespace {

// One look: a button with its properties and a state, drawn by the button's own paint.
struct Vzhled {
  const char* popis;
  int x, y, sirka, vyska;
  std::unique_ptr<TlTextVlastnosti> tlacitko;
  StavTlText stav;
};

struct Galerie {
  std::vector<Vzhled> vzhledy;
  std::vector<std::unique_ptr<PismoGdi>> pisma;
  std::vector<std::unique_ptr<clskzsb>> listy;
  std::unique_ptr<tlText> zive;
  std::wstring hotovo;
  bool zapsano = false;
};

Galerie galerie;

constexpr int Sloupec = 118;
constexpr int Radek = 58;

void Pridej(const char* popis, int sloupec, int radek, StavTlText stav, void (*nastav)(TlTextVlastnosti&),
            int sirka = 100, int vyska = 25) {
  auto t = std::make_unique<TlTextVlastnosti>();
  Okoli okoli;
  okoli.jmeno = "tlText";
  t->NovePolozeni(okoli);
  t->Caption("&Aktivace");
  nastav(*t);
  galerie.vzhledy.push_back({popis, 16 + sloupec * Sloupec, 40 + radek * Radek, sirka, vyska, std::move(t), stav});
}

void Nic(TlTextVlastnosti&) {}

void NaplnVzhledy() {
  const StavTlText normalni{}, mys{.hover = true}, stisk{.pressed = true, .hover = true}, fokus{.focused = true};
  Pridej("normální", 0, 0, normalni, Nic);
  Pridej("pod myší", 1, 0, mys, Nic);
  Pridej("stisknuté", 2, 0, stisk, Nic);
  Pridej("fokus: čára (0)", 3, 0, fokus, Nic);
  Pridej("fokus: obdélník (1)", 4, 0, fokus, [](TlTextVlastnosti& t) { t.FocusDraw(1); });
  Pridej("fokus: žádný (2)", 5, 0, fokus, [](TlTextVlastnosti& t) { t.FocusDraw(2); });
  Pridej("zakázané", 0, 1, normalni, [](TlTextVlastnosti& t) { t.Enabled(false); });
  Pridej("hrana 0", 1, 1, normalni, Nic);
  Pridej("hrana 1", 2, 1, normalni, [](TlTextVlastnosti& t) { t.DEBorder(1); });
  Pridej("hrana 2", 3, 1, normalni, [](TlTextVlastnosti& t) { t.DEBorder(2); });
  Pridej("hrana 3 (bez)", 4, 1, normalni, [](TlTextVlastnosti& t) { t.DEBorder(3); });
  Pridej("hrana 1 stisknutá", 5, 1, stisk, [](TlTextVlastnosti& t) { t.DEBorder(1); });
  Pridej("plochý", 0, 2, normalni, [](TlTextVlastnosti& t) { t.DEMove(true); t.Caption("Vypnutí"); });
  Pridej("plochý pod myší", 1, 2, mys, [](TlTextVlastnosti& t) { t.DEMove(true); t.Caption("Vypnutí"); });
  Pridej("plochý stisknutý", 2, 2, stisk, [](TlTextVlastnosti& t) { t.DEMove(true); t.Caption("Vypnutí"); });
  Pridej("seznam \"...\"", 3, 2, normalni, [](TlTextVlastnosti& t) { t.StyleForList(true); }, 15, 15);
  Pridej("seznam pod myší", 4, 2, mys, [](TlTextVlastnosti& t) { t.StyleForList(true); }, 15, 15);
  Pridej("E-mail (hrana 3)", 5, 2, mys, [](TlTextVlastnosti& t) {
    t.DEBorder(3);
    t.SEMode(2);
    t.ForeColor(0);
    t.MoveColor(Rgb(0, 0, 255));
  });
}

void NakresliVzhledy(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TextOutW(dc, 16, 12, L"tlText: stavy, fokus, hrany, plochý a seznamový styl", 52);
  TextOutW(dc, 16, 40 + 3 * Radek + 8, L"cmKZS (živé okno podle tabulky návrhu)", 38);
  TextOutW(dc, 16, 300, L"clskzsb: ikony 0, 1, 32512, 32515, 32516, 32517", 47);
  for (const Vzhled& v : galerie.vzhledy) {
    POINT puvodni{};
    SetViewportOrgEx(dc, v.x, v.y, &puvodni);
    KresliTlText(dc, {v.sirka, v.vyska}, *v.tlacitko, galerie.pisma[0]->Handle(), v.stav);
    SetViewportOrgEx(dc, puvodni.x, puvodni.y, nullptr);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const std::wstring popis = Utf16(v.popis);
    TextOutW(dc, v.x, v.y + 28, popis.c_str(), static_cast<int>(popis.size()));
  }
}

// Each status bar needs a parent of its own, since the bar lies along its parent's bottom edge.
void PridejListy(HWND okno) {
  const struct {
    int ikona;
    const char* text;
  } listy[] = {
      {0, "www.example.cz"},
      {1, "Přidáte nebo odeberete zástupce na ploše."},
      {32512, "Můžete ovládat vzdálená PC na síti, pokud máte příslušná oprávnění (správce)."},
      {32515, "P O Z O R - Počítač bude vypnut bez uložení rozpracovaných dat."},
      {32516, "Vypnutí bylo stornováno."},
      {32517, "Windows"},
  };
  int y = 320;
  for (const auto& l : listy) {
    HWND panel = CreateWindowExW(WS_EX_STATICEDGE, L"Static", L"", WS_CHILD | WS_VISIBLE, 16, y, 690, 28, okno,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(panel, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_QUESTION)));
    auto sb = std::make_unique<clskzsb>();
    sb->sbCreate(panel);
    sb->sbResize();
    sb->sbSetIconText(l.text, 0, l.ikona);
    galerie.listy.push_back(std::move(sb));
    y += 32;
  }
}

void ZapisObdelnik(HWND okno) {
  if (galerie.hotovo.empty() || galerie.zapsano) return;
  galerie.zapsano = true;
  RECT r{};
  GetWindowRect(okno, &r);
  if (FILE* f = _wfopen(galerie.hotovo.c_str(), L"w")) {
    std::fprintf(f, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fclose(f);
  }
}

LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  switch (zprava) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(okno, &ps);
      NakresliVzhledy(dc);
      EndPaint(okno, &ps);
      return 0;
    }
    case WM_TIMER:
      if (w == 1) ZapisObdelnik(okno);
      if (w == 2) DestroyWindow(okno);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(okno, zprava, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int pocet = 0;
  LPWSTR* argumenty = CommandLineToArgvW(GetCommandLineW(), &pocet);
  if (argumenty && pocet > 1) galerie.hotovo = argumenty[1];
  const int sekundy = argumenty && pocet > 2 ? _wtoi(argumenty[2]) : 0;

  WNDCLASSEXW trida = {};
  trida.cbSize = sizeof trida;
  trida.lpfnWndProc = Procedura;
  trida.hInstance = instance;
  trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  trida.lpszClassName = L"Galerie";
  RegisterClassExW(&trida);
  RECT r{0, 0, 722, 520};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND okno = CreateWindowExW(0, L"Galerie", L"Galerie: tlText a clskzsb", WS_OVERLAPPEDWINDOW, 20, 20,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);

  galerie.pisma.push_back(std::make_unique<PismoGdi>());
  galerie.pisma[0]->Vytvor(Pismo{}, DpiOkna(okno));
  NaplnVzhledy();
  PridejListy(okno);

  // The warning window's cancel button as the program will create it, from the design table.
  {
    const NavrhOvladace& navrh = Navrh(Ovladac::cmKZS);
    const BalikVlastnosti ulozene = UlozeneHodnoty(navrh);
    tlText::Volby volby;
    volby.rodic = okno;
    volby.left = 240;
    volby.top = 40 * 15 + 3 * Radek * 15 + 420;
    volby.width = navrh.width;
    volby.height = navrh.height;
    volby.okoli.jmeno = std::string(navrh.jmeno);
    volby.ulozene = &ulozene;
    galerie.zive = tlText::Vytvor(volby);
  }

  ShowWindow(okno, SW_SHOWNORMAL);
  UpdateWindow(okno);
  SetTimer(okno, 1, 500, nullptr);
  if (sekundy > 0) SetTimer(okno, 2, static_cast<UINT>(sekundy) * 1000, nullptr);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    if (tlText::PrelozKlavesu(m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  if (argumenty) LocalFree(argumenty);
  return 0;
}
