#include "ui/warning/frmkzupozorneni_win.h"

#include <algorithm>
#include <optional>

#include "controls/kontrast.h"
#include "controls/twipy.h"
#include "core/kody.h"
#include "core/stav.h"
#include "platform/port.h"
#include "platform/win32/text_win.h"
#include "scheduler/casovac.h"
#include "scheduler/odlozeni.h"
#include "scheduler/procedura_okna_win.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zpravy_okna.h"
#include "ui/navrh_oken.h"
#include "ui/warning/umisteni.h"

namespace {

constexpr wchar_t TridaOkna[] = L"frmkzupozorneni";
constexpr COLORREF Modra = RGB(0, 0, 255);
constexpr COLORREF Zluta = RGB(255, 255, 0);
constexpr UINT_PTR IdZmenyZasad = 1226;  // the policy changed: read it once no box of ours is up

// The layout in twips; a line to say more (other users signed in) adds its height under the button.
constexpr SIZE KlientOkna = {7170, 1320};
constexpr RECT PoleUC = {60, 60, 60 + 7035, 60 + 555};
constexpr RECT PolePoznamky = {60, 1275, 60 + 7035, 1275 + 420};
constexpr int VyskaPoznamky = 480;
const Pismo PismoUC = {.jmeno = "MS Sans Serif", .velikost = 24, .vaha = 700, .znakovaSada = 238};
const Pismo PismoPoznamky = {.jmeno = "MS Sans Serif", .velikost = 10, .vaha = 700, .znakovaSada = 238};

// The work area of a monitor, if there is one.
std::optional<Obdelnik> PlochaMonitoru(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return std::nullopt;
  return Obdelnik{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

int Px(int twipy, int dpi) { return TwipyNaPixely(twipy, dpi); }

}  // namespace

// Only what the window owns goes here: the ports it would reach may be gone already, so the end of
// the schedule belongs to the program's end path (Uvolni), which runs first.
frmkzupozorneni::~frmkzupozorneni() {
  if (hwnd_ != nullptr) {
    if (hWndUpozorneni() == hwnd_) ZrusHook();
    DestroyWindow(hwnd_);
  }
  if (modra_ != nullptr) DeleteObject(modra_);
  if (zluta_ != nullptr) DeleteObject(zluta_);
}

void frmkzupozorneni::Nacti() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW trida = {};
  trida.cbSize = sizeof trida;
  trida.lpfnWndProc = &frmkzupozorneni::Procedura;
  trida.hInstance = instance;
  trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  trida.lpszClassName = TridaOkna;
  RegisterClassExW(&trida);

  modra_ = CreateSolidBrush(Modra);
  zluta_ = CreateSolidBrush(Zluta);
  // A tool window: the warning needs no button on the taskbar.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, TridaOkna, Utf16(NazevAplikace).c_str(), WS_POPUP, 0, 0, 0, 0,
                          nullptr, nullptr, instance, this);
  if (hwnd_ == nullptr) return;
  ikony_.Nastav(hwnd_, 32, 16);

  dpi_ = DpiOkna(hwnd_);
  Rozvrhni(dpi_);
  ikona_.Pridej(hwnd_);
  NastavHook(hwnd_);
  ShowWindow(hwnd_, SW_HIDE);
}

// The label, its fonts and the button cost memory a schedule waiting in the tray does not need:
// they are made with the warning minute's first text.
void frmkzupozorneni::PostavObsah() {
  if (lblUC_ != nullptr || hwnd_ == nullptr) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // One centred line: a countdown broken over two lines loses its end to the label's height.
  lblUC_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX,
                           0, 0, 0, 0, hwnd_, nullptr, instance, nullptr);
  // Neither is a cancel button: Escape must not stop a shut-down by chance.
  cmKZS_ = VytvorTlacitko(Ovladac::cmKZS);
  if (cmKZS_) cmKZS_->Click = [] { cmKZS_Click(); };
  cmKZO_ = VytvorTlacitko(Ovladac::cmKZO);
  if (cmKZO_) cmKZO_->Click = [] { Odloz(); };
  lblPozn_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_CENTER | SS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr,
                             instance, nullptr);
  Rozvrhni(dpi_);
}

std::unique_ptr<tlText> frmkzupozorneni::VytvorTlacitko(Ovladac id) {
  const NavrhOvladace& navrh = Navrh(id);
  const BalikVlastnosti ulozene = UlozeneHodnoty(navrh);
  tlText::Volby volby;
  volby.rodic = hwnd_;
  volby.left = navrh.left;
  volby.top = navrh.top;
  volby.width = navrh.width;
  volby.height = navrh.height;
  volby.okoli.jmeno = std::string(navrh.jmeno);
  volby.ulozene = &ulozene;
  return tlText::Vytvor(volby);
}

// The lines under the button in pixels: an administrator's line of up to 200 characters wraps.
int frmkzupozorneni::VyskaTextuPoznamky() {
  if (poznamka_.empty() || pismoPozn_.Handle() == nullptr) return 0;
  RECT pole = {0, 0, Px(PolePoznamky.right - PolePoznamky.left, dpi_), 0};
  HDC dc = GetDC(hwnd_);
  HGDIOBJ puvodni = SelectObject(dc, pismoPozn_.Handle());
  DrawTextW(dc, poznamka_.c_str(), static_cast<int>(poznamka_.size()), &pole,
            DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
  SelectObject(dc, puvodni);
  ReleaseDC(hwnd_, dc);
  return pole.bottom;
}

// Sizes follow the window's dpi; the buttons place themselves from their own twips.
void frmkzupozorneni::Rozvrhni(int dpi) {
  dpi_ = dpi;
  if (lblPozn_ != nullptr) {
    PismoGdi nove;
    nove.Vytvor(PismoPoznamky, dpi);
    SendMessageW(lblPozn_, WM_SETFONT, reinterpret_cast<WPARAM>(nove.Handle()), FALSE);
    pismoPozn_.Vymen(nove);
  }
  const int text_poznamky = VyskaTextuPoznamky();
  const int pole_poznamky = std::max(Px(PolePoznamky.bottom - PolePoznamky.top, dpi), text_poznamky);
  const int navic =
      poznamka_.empty() ? 0 : pole_poznamky + Px(VyskaPoznamky - (PolePoznamky.bottom - PolePoznamky.top), dpi);
  RECT okno = {0, 0, Px(KlientOkna.cx, dpi), Px(KlientOkna.cy, dpi) + navic};
  AdjustWindowRectEx(&okno, WS_POPUP, FALSE, WS_EX_TOOLWINDOW);
  SetWindowPos(hwnd_, nullptr, 0, 0, okno.right - okno.left, okno.bottom - okno.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (lblUC_ == nullptr) return;
  MoveWindow(lblUC_, Px(PoleUC.left, dpi), Px(PoleUC.top, dpi), Px(PoleUC.right - PoleUC.left, dpi),
             Px(PoleUC.bottom - PoleUC.top, dpi), TRUE);
  bodyUC_ = 0;
  VejdiSe(TextOkna(lblUC_));
  for (tlText* tlacitko : {cmKZS_.get(), cmKZO_.get()})
    if (tlacitko) tlacitko->ZmenaDpi(dpi);
  if (lblPozn_ == nullptr) return;
  MoveWindow(lblPozn_, Px(PolePoznamky.left, dpi), Px(PolePoznamky.top, dpi),
             Px(PolePoznamky.right - PolePoznamky.left, dpi), pole_poznamky, TRUE);
}

// The label's font is the designed 24 points unless the text is wider than the label in it (a wider
// substitute font, a long action name): then a point smaller at a time, down to a readable limit.
void frmkzupozorneni::VejdiSe(std::wstring_view text) {
  constexpr double NejmensiBody = 8;
  RECT pole{};
  GetClientRect(lblUC_, &pole);
  HDC dc = GetDC(lblUC_);
  double body = PismoUC.velikost;
  for (;; body -= 1) {
    Pismo pismo = PismoUC;
    pismo.velikost = body;
    PismoGdi zkouska;
    zkouska.Vytvor(pismo, dpi_);
    SIZE rozmer{};
    HGDIOBJ puvodni = SelectObject(dc, zkouska.Handle());
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &rozmer);
    SelectObject(dc, puvodni);
    if (rozmer.cx <= pole.right || body - 1 < NejmensiBody) break;
  }
  ReleaseDC(lblUC_, dc);
  if (body == bodyUC_) return;
  Pismo pismo = PismoUC;
  pismo.velikost = body;
  // The old font goes only once the label holds the new one.
  PismoGdi nove;
  nove.Vytvor(pismo, dpi_);
  SendMessageW(lblUC_, WM_SETFONT, reinterpret_cast<WPARAM>(nove.Handle()), TRUE);
  pismoUC_.Vymen(nove);
  bodyUC_ = body;
}

// On top without taking the focus from what the user is doing, in the middle of the work area of the
// monitor they are looking at.
void frmkzupozorneni::Ukaz(bool storno_povoleno, std::string_view poznamka) {
  PostavObsah();
  poznamka_ = Utf16(poznamka);
  Rozvrhni(dpi_);
  if (lblPozn_ != nullptr) {
    SetWindowTextW(lblPozn_, poznamka_.c_str());
    ShowWindow(lblPozn_, poznamka_.empty() ? SW_HIDE : SW_SHOWNOACTIVATE);
  }
  RECT primarni = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &primarni, 0);
  POINT ukazatel{};
  const HWND popredi = GetForegroundWindow();
  RECT okno = {};
  GetWindowRect(hwnd_, &okno);
  const Bod kde = UmisteniUpozorneni(
      popredi != nullptr ? PlochaMonitoru(MonitorFromWindow(popredi, MONITOR_DEFAULTTONULL)) : std::nullopt,
      GetCursorPos(&ukazatel) ? PlochaMonitoru(MonitorFromPoint(ukazatel, MONITOR_DEFAULTTONULL)) : std::nullopt,
      {primarni.left, primarni.top, primarni.right, primarni.bottom}, okno.right - okno.left, okno.bottom - okno.top);
  SetWindowPos(hwnd_, HWND_TOPMOST, kde.x, kde.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  NastavText(NazevAplikace);
  if (cmKZS_) cmKZS_->Enabled(storno_povoleno);
  if (cmKZO_) {  // where nothing may be cancelled, nothing may be put off either: no button at all
    cmKZO_->Enabled(storno_povoleno);
    ShowWindow(cmKZO_->hwnd(), storno_povoleno ? SW_SHOWNOACTIVATE : SW_HIDE);
  }
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  NotifyWinEvent(EVENT_OBJECT_SHOW, lblUC_, OBJID_WINDOW, CHILDID_SELF);
}

void frmkzupozorneni::ZakazStorno() {
  for (tlText* tlacitko : {cmKZS_.get(), cmKZO_.get()})
    if (tlacitko) tlacitko->Enabled(false);
}

// The countdown's text as a screen reader reads a changed label.
void frmkzupozorneni::Ohlas() {
  if (lblUC_ != nullptr && IsWindowVisible(hwnd_))
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, lblUC_, OBJID_WINDOW, CHILDID_SELF);
}

void frmkzupozorneni::Zazni() { MessageBeep(MB_ICONWARNING); }

void frmkzupozorneni::Schovej() {
  if (hwnd_ == nullptr) return;
  SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  ShowWindow(hwnd_, SW_HIDE);
}

void frmkzupozorneni::NastavText(std::string_view text) {
  PostavObsah();
  if (lblUC_ == nullptr) return;
  const std::wstring w = Utf16(text);
  VejdiSe(w);
  SetWindowTextW(lblUC_, w.c_str());
}

std::uintptr_t frmkzupozorneni::Zapni() {
  if (hwnd_ == nullptr) return 0;
  return SetTimer(hwnd_, zpravy_okna::IdCasovace, 1000, nullptr);
}

void frmkzupozorneni::Vypni() {
  if (hwnd_ != nullptr) KillTimer(hwnd_, zpravy_okna::IdCasovace);
}

// The window is about to go, with the program or with the session. It never refuses.
void frmkzupozorneni::Form_QueryUnload() {
  if (zavreno_) return;
  zavreno_ = true;
  Casovac(false);
  ZrusHook();
  Skryj();
  ikona_.Odeber();
}

void frmkzupozorneni::Uvolni() {
  if (hwnd_ == nullptr) return;
  Form_QueryUnload();
  DestroyWindow(hwnd_);
}

// The suggested rectangle keeps the window's place on the new screen; the layout follows in its
// new pixels.
void frmkzupozorneni::OnDpiChanged(int dpi, const RECT& navrh) {
  Rozvrhni(dpi);
  SetWindowPos(hwnd_, nullptr, navrh.left, navrh.top, navrh.right - navrh.left, navrh.bottom - navrh.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK frmkzupozorneni::Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  auto* self = ObjektOkna(okno, zprava, l, &frmkzupozorneni::hwnd_);
  if (self == nullptr) return DefWindowProcW(okno, zprava, w, l);
  try {
    return self->Zprava(zprava, w, l);
  } catch (...) {
    return DefWindowProcW(okno, zprava, w, l);
  }
}

LRESULT frmkzupozorneni::Zprava(UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == ZpravaVytvoreniListy()) {
    ikona_.ObnovPoRestartuListy();
    return 0;
  }
  switch (zprava) {
    case WM_ERASEBKGND: {
      RECT klient;
      GetClientRect(hwnd_, &klient);
      FillRect(reinterpret_cast<HDC>(w), &klient, VysokyKontrast() ? GetSysColorBrush(COLOR_WINDOW) : modra_);
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      // Red on yellow on blue, unless the user reads only in high contrast; the line under the button
      // white on the window's blue.
      const bool kontrast = VysokyKontrast();
      if (reinterpret_cast<HWND>(l) == lblPozn_) {
        SetTextColor(reinterpret_cast<HDC>(w), kontrast ? GetSysColor(COLOR_WINDOWTEXT) : RGB(255, 255, 255));
        SetBkColor(reinterpret_cast<HDC>(w), kontrast ? GetSysColor(COLOR_WINDOW) : Modra);
        return reinterpret_cast<LRESULT>(kontrast ? GetSysColorBrush(COLOR_WINDOW) : modra_);
      }
      SetTextColor(reinterpret_cast<HDC>(w), BarvaGdi(BarvaVKontrastu(Rgb(255, 0, 0), UcelBarvy::TextPozadi, kontrast)));
      SetBkColor(reinterpret_cast<HDC>(w), BarvaGdi(BarvaVKontrastu(Rgb(255, 255, 0), UcelBarvy::Pozadi, kontrast)));
      return reinterpret_cast<LRESULT>(kontrast ? GetSysColorBrush(COLOR_WINDOW) : zluta_);
    }
    case WM_SETTINGCHANGE:
      // Taken up after the broadcast, which waits for every window: the policy read, the schedule armed.
      if (l != 0 && std::wstring_view(reinterpret_cast<const wchar_t*>(l)) == L"Policy")
        SetTimer(hwnd_, IdZmenyZasad, 200, nullptr);
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return 0;
    case WM_ACTIVATE:
      // Brought forward by the keyboard's user: the button takes the keys, Space cancels. Not when the icon's
      // menu brought it forward: a Space meant for the program the user returns to must not cancel.
      if (LOWORD(w) != WA_INACTIVE && !v_nabidce_ && cmKZS_ && IsWindowEnabled(cmKZS_->hwnd()))
        SetFocus(cmKZS_->hwnd());
      return 0;
    case zpravy_okna::ZpravaIkony:
      if (l == WM_CONTEXTMENU && Nabidka) {
        v_nabidce_ = true;
        Nabidka(hwnd_);
        v_nabidce_ = false;
      }
      return 0;
    case WM_TIMER:
      if (w != IdZmenyZasad) break;
      KillTimer(hwnd_, IdZmenyZasad);
      if (ZmenaZasad && !ZmenaZasad()) SetTimer(hwnd_, IdZmenyZasad, 1000, nullptr);
      return 0;
    case WM_COPYDATA:
      if (!Predani || l == 0) return kod::Odmitnuto;  // nobody here to take it
      return Predani(reinterpret_cast<HWND>(w), *reinterpret_cast<const COPYDATASTRUCT*>(l));
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_SYSCOMMAND:
      // Alt+F4 and the system menu would end the program past a forbidden cancel and the password:
      // only "Ukončit" ends it, and a close request from outside (an installer).
      if ((w & 0xFFF0) == SC_CLOSE) return 0;
      break;
    case WM_CLOSE:
      port<Aplikace>().Ukonci();
      return 0;
    case WM_ENDSESSION:
      // The session ends, or an installer asks the program to close (ENDSESSION_CLOSEAPP): either way
      // the program ends, the schedule stored.
      if (w) port<Aplikace>().Ukonci();
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      lblUC_ = lblPozn_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, zprava, w, l);
}
