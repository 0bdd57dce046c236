#include "controls/soft_button/tltext_win.h"

#include <windowsx.h>

#include "controls/kontrast.h"
#include "controls/soft_button/tltext_pristupnost_win.h"
#include "controls/twipy.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

constexpr int OdsazeniVnitrku = 3;  // the focus rectangle's distance from the edge, in pixels
constexpr int SirkaPrvni = 1035;    // the size a newly placed button takes, in twips
constexpr int VyskaPrvni = 345;
constexpr std::int16_t LeveTlacitko = 1;

// The cursor shapes a MousePointer value selects; 0 leaves the class's arrow.
LPCWSTR SystemovyKurzor(std::int32_t MousePointer) {
  switch (MousePointer) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5: case 15: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return nullptr;
  }
}

bool JeVstup(UINT zprava) {
  return (zprava >= WM_MOUSEFIRST && zprava <= WM_MOUSELAST) ||
         (zprava >= WM_KEYFIRST && zprava <= WM_KEYLAST) || zprava == ZpravaPristupovaKlavesa;
}

}  // namespace

// The object is made first so that the window procedure finds it from the very first message; the
// properties come next (saved values or the defaults), then the container's placement.
std::unique_ptr<tlText> tlText::Vytvor(const Volby& v) {
  std::unique_ptr<tlText> t(new tlText());
  t->Default_ = v.Default;
  t->Cancel_ = v.Cancel;
  static const bool registrovano = [] {
    WNDCLASSEXW trida = {};
    trida.cbSize = sizeof trida;
    trida.style = CS_DBLCLKS;
    trida.lpfnWndProc = Procedura;
    trida.hInstance = GetModuleHandleW(nullptr);
    trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    trida.lpszClassName = TridaTlText;
    return RegisterClassExW(&trida) != 0;
  }();
  if (!registrovano) return t;
  CreateWindowExW(0, TridaTlText, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, v.rodic,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(v.id)), GetModuleHandleW(nullptr), t.get());
  if (!t->hwnd_) return t;
  t->dpi_ = DpiOkna(t->hwnd_);
  if (v.ulozene)
    t->Nacti(*v.ulozene, v.okoli);
  else
    t->NovePolozeni(v.okoli);
  t->twipy_ = {v.left, v.top, v.width, v.height};
  t->Umisti();
  if (t->prvniVelikost_) t->OnSize();  // a placement of the same size sends no resize
  if (v.viditelne) ShowWindow(t->hwnd_, SW_SHOWNA);
  return t;
}

void tlText::Umisti() {
  const int d = dpi_;
  SetWindowPos(hwnd_, nullptr, TwipyNaPixely(twipy_.left, d), TwipyNaPixely(twipy_.top, d),
               TwipyNaPixely(twipy_.right, d), TwipyNaPixely(twipy_.bottom, d), SWP_NOZORDER | SWP_NOACTIVATE);
}

void tlText::ZmenaDpi(int dpi) {
  if (!hwnd_ || dpi <= 0) return;
  dpi_ = dpi;
  PouzijPismo();
  Umisti();
  Prekresli(Oblast::klient);
}

tlText::~tlText() {
  *zije_ = false;
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK tlText::Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  auto* t = ObjektOkna(okno, zprava, l, &tlText::hwnd_);
  if (!t) return DefWindowProcW(okno, zprava, w, l);
  if (zprava == WM_NCDESTROY) {
    SetWindowLongPtrW(okno, GWLP_USERDATA, 0);
    t->hwnd_ = nullptr;
    return DefWindowProcW(okno, zprava, w, l);
  }
  return t->Zprava(zprava, w, l);
}

// A handler may destroy the button (a click that closes its window): after an event, go on only
// while the button still lives. The handler is copied so that it outlives its own call.
template <class Udalost>
bool tlText::Prezije(Udalost&& udalost) {
  const auto zije = zije_;
  udalost();
  return *zije;
}

LRESULT tlText::Zprava(UINT zprava, WPARAM w, LPARAM l) {
  // A disabled window gets no input from the system; messages sent to it anyway are ignored too.
  if (JeVstup(zprava) && !IsWindowEnabled(hwnd_)) return DefWindowProcW(hwnd_, zprava, w, l);
  switch (zprava) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_SHOWWINDOW:
      if (w) OnShow();
      break;
    case WM_SETFOCUS:
      OnFocus(true);
      return 0;
    case WM_KILLFOCUS:
      OnFocus(false);
      return 0;
    case WM_UPDATEUISTATE: {
      const LRESULT vysledek = DefWindowProcW(hwnd_, zprava, w, l);
      if (stav_.focused && stav_.zKlavesnice != NarazkyKlavesnice()) {
        stav_.zKlavesnice = !stav_.zKlavesnice;
        Prekresli(Oblast::klient);
      }
      return vysledek;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint fills the background itself, without flicker
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(Mys(w, l, 0));
      return 0;
    case WM_MOUSELEAVE:
      if (mysUvnitr_) Opustil();
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(Mys(w, l, LeveTlacitko));
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(Mys(w, l, LeveTlacitko));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick();
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(w);
      return 0;
    case WM_KEYUP:
      OnKeyUp(w);
      return 0;
    case WM_CHAR:
      if (auto f = KeyPress) f(static_cast<std::int16_t>(w));
      return 0;
    case ZpravaPristupovaKlavesa:
      OnAccessKey(static_cast<wchar_t>(w));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(l)) return TRUE;
      break;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(pismo_.Handle());
    case WM_GETOBJECT:
      if (static_cast<LONG>(l) == OBJID_CLIENT) {
        // Without our object (no memory, no oleacc, or it could not be handed over) the system's plain
        // one answers.
        ZacniApartman();
        const auto predej = OleaccDll().LresultFromObject;
        IAccessible* pristupnost = predej ? VytvorPristupnost(hwnd_) : nullptr;
        if (pristupnost == nullptr) break;
        const LRESULT vysledek = predej(__uuidof(IAccessible), w, pristupnost);
        pristupnost->Release();
        if (vysledek < 0) break;
        return vysledek;
      }
      break;
    case ZpravaStisk:
      if (Dostupne(hwnd_)) SEExecute(false);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, zprava, w, l);
}

// A newly placed button takes the default size first; that resize comes back here.
void tlText::OnSize() {
  if (prvniVelikost_) {
    prvniVelikost_ = false;
    ZmenVelikost(SirkaPrvni, VyskaPrvni);
    return;
  }
  GetClientRect(hwnd_, &klient_);
  CopyRect(&vnitrek_, &klient_);
  InflateRect(&vnitrek_, -OdsazeniVnitrku, -OdsazeniVnitrku);
}

// Tab reaches the button only when it shows where the focus is.
void tlText::OnShow() {
  if (zobrazeno_) return;
  zobrazeno_ = true;
  LONG_PTR styl = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  styl = FocusDraw() == 2 ? styl & ~WS_TABSTOP : styl | WS_TABSTOP;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, styl);
}

// The focus look is for the keyboard's user: shown once a key has moved the focus in this window (the
// system's keyboard cues), never for a focus a click or the window's activation put there.
bool tlText::NarazkyKlavesnice() const {
  return (SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void tlText::OnFocus(bool ziskal) {
  if (ziskal) {
    stav_.focused = true;
    stav_.zKlavesnice = !klikMysi_ && NarazkyKlavesnice();
  } else {
    if (!stav_.focused) return;
    stav_ = {};
  }
  Prekresli(Oblast::klient);
}

// Drawn off screen and copied in one go, so that a repaint never shows a half-drawn button.
void tlText::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const SIZE velikost{klient_.right, klient_.bottom};
  if (dc && velikost.cx > 0 && velikost.cy > 0) {
    HDC pamet = CreateCompatibleDC(dc);
    HBITMAP obraz = CreateCompatibleBitmap(dc, velikost.cx, velikost.cy);
    if (pamet && obraz) {
      HGDIOBJ puvodni = SelectObject(pamet, obraz);
      StavTlText kresba = stav_;
      kresba.zapnuto = Prepinac && TrueFalse();
      if (KresliTlText(pamet, velikost, *this, pismo_.Handle(), kresba)) stav_.hover = false;
      BitBlt(dc, 0, 0, velikost.cx, velikost.cy, pamet, 0, 0, SRCCOPY);
      SelectObject(pamet, puvodni);
    }
    if (obraz) DeleteObject(obraz);
    if (pamet) DeleteDC(pamet);
  }
  EndPaint(hwnd_, &ps);
}

// The button keeps the mouse captured while the cursor is over it, so it hears the move that
// leaves it and lets the capture go then; a press held while leaving pops up and is not completed.
// A window shown without activation (the warning) gets no capture, so the system's leave notice
// tells the button as well.
void tlText::OnMouseMove(const UdalostMysi& e) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  const auto zije = zije_;
  if (!PtInRect(&klient_, p)) {
    Opustil();
  } else {
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    if (!stav_.hover) Vstoupil();
  }
  if (!*zije) return;
  if (auto f = MouseMove) f(e);
}

void tlText::Vstoupil() {
  TRACKMOUSEEVENT sledovani{sizeof sledovani, TME_LEAVE, hwnd_, 0};
  TrackMouseEvent(&sledovani);
  stav_.hover = true;
  mysUvnitr_ = true;
  if (!Prezije([&] { if (auto f = MouseMoveEnabled) f(true); })) return;
  stav_.pressed = false;
  Prekresli(Oblast::klient);
}

void tlText::Opustil() {
  if (GetCapture() == hwnd_) ReleaseCapture();
  stav_.hover = false;
  mysUvnitr_ = false;
  if (!Prezije([&] { if (auto f = MouseMoveEnabled) f(false); })) return;
  stav_.pressed = false;
  Prekresli(Oblast::klient);
}

void tlText::TLMM() { OnMouseMove({}); }

void tlText::OnButtonDown(const UdalostMysi& e) {
  klikMysi_ = true;
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  klikMysi_ = false;
  stav_.zKlavesnice = false;
  stav_.pressed = true;
  Prekresli(Oblast::klient);
  if (auto f = MouseDown) f(e);
}

// The normal look is on screen before the action starts (it may open a box or another program).
void tlText::OnButtonUp(const UdalostMysi& e) {
  stav_.pressed = false;
  stav_.releasing = true;
  Prekresli(Oblast::klient);
  if (!Prezije([&] { SEExecute(false); })) return;
  stav_.releasing = false;
  if (auto f = MouseUp) f(e);
}

// The second click of a double click is a press of its own, completed by the release that follows.
void tlText::OnDoubleClick() {
  if (!Prezije([&] { OnButtonDown({LeveTlacitko, 0, 0, 0}); })) return;
  SetCapture(hwnd_);
}

void tlText::OnKeyDown(WPARAM klavesa) {
  if (klavesa != VK_SPACE || stav_.pressed) return;
  stav_.pressed = true;
  stav_.hover = true;
  Prekresli(Oblast::klient);
}

void tlText::OnKeyUp(WPARAM klavesa) {
  if (klavesa != VK_SPACE) return;
  stav_.pressed = false;
  stav_.releasing = true;
  stav_.hover = false;
  Prekresli(Oblast::klient);
  if (!Prezije([&] { SEExecute(false); })) return;
  stav_.releasing = false;
}

bool tlText::Odpovida(wchar_t znak) const {
  if (znak == 13) return Default_;
  if (znak == 27) return Cancel_;
  return AccessKey() != 0 && MalePismeno(znak) == MalePismeno(AccessKey());
}

// Enter is run whenever the container delivers it; Escape only for the cancel button.
void tlText::OnAccessKey(wchar_t znak) {
  if (znak == 13 || Odpovida(znak)) SEExecute(false);
}

bool tlText::OnSetCursor(LPARAM l) {
  if (LOWORD(l) != HTCLIENT) return false;
  HCURSOR kurzor = nullptr;
  if (MousePointer() == 99 && MouseIcon().zdroj != 0)
    kurzor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(MouseIcon().zdroj));
  else if (LPCWSTR tvar = SystemovyKurzor(MousePointer()))
    kurzor = LoadCursorW(nullptr, tvar);
  if (!kurzor) return false;
  SetCursor(kurzor);
  return true;
}

UdalostMysi tlText::Mys(WPARAM w, LPARAM l, std::int16_t tlacitko) const {
  UdalostMysi e;
  e.Button = tlacitko;
  if (tlacitko == 0)
    e.Button =
        static_cast<std::int16_t>((w & MK_LBUTTON ? 1 : 0) | (w & MK_RBUTTON ? 2 : 0) | (w & MK_MBUTTON ? 4 : 0));
  e.Shift = static_cast<std::int16_t>((w & MK_SHIFT ? 1 : 0) | (w & MK_CONTROL ? 2 : 0) |
                                      (GetKeyState(VK_MENU) < 0 ? 4 : 0));
  e.X = PixelyNaTwipy(static_cast<float>(GET_X_LPARAM(l)), dpi_);
  e.Y = PixelyNaTwipy(static_cast<float>(GET_Y_LPARAM(l)), dpi_);
  return e;
}

void tlText::Prekresli(Oblast oblast) {
  if (!hwnd_) return;
  const RECT& r = oblast == Oblast::klient ? klient_ : vnitrek_;
  RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  OhlasStav();
}

void tlText::PouzijTrueFalse() { Prekresli(Oblast::klient); }  // repaints and tells a screen reader

// A screen reader hears the button go down and up, and "Od-Do" become checked.
void tlText::OhlasStav() {
  if (!hwnd_) return;
  const int stav = (stav_.pressed ? 1 : 0) | (Prepinac && TrueFalse() ? 2 : 0);
  if (stav == ohlasenyStav_) return;
  ohlasenyStav_ = stav;
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void tlText::PouzijEnabled() {
  if (hwnd_) EnableWindow(hwnd_, Enabled());
}

void tlText::PouzijPismo() {
  if (hwnd_) pismo_.Vytvor(Font(), dpi_);
}

// The window text is the caption, so that screen readers read the button as they read any other.
void tlText::PouzijTitulek() {
  if (hwnd_) SetWindowTextW(hwnd_, Utf16(Caption()).c_str());
}

void tlText::ZmenVelikost(int sirkaTwipy, int vyskaTwipy) {
  twipy_.right = sirkaTwipy;
  twipy_.bottom = vyskaTwipy;
  if (!hwnd_) return;
  SetWindowPos(hwnd_, nullptr, 0, 0, TwipyNaPixely(sirkaTwipy, dpi_), TwipyNaPixely(vyskaTwipy, dpi_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The container's share of the keyboard, called from its message loop before the message is
// translated: Alt with an access key, Enter and Escape go to the soft button they belong to, anywhere
// in the same top-level window. True when the message was delivered and must go no further.
const tlText* tlText::Z(HWND okno) {
  wchar_t trida[16] = {};
  GetClassNameW(okno, trida, 16);
  if (lstrcmpW(trida, TridaTlText) != 0) return nullptr;
  return reinterpret_cast<const tlText*>(GetWindowLongPtrW(okno, GWLP_USERDATA));
}

bool tlText::PrelozKlavesu(const MSG& m) {
  // Enter presses the soft button that has the focus, as it presses any other button.
  if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN && Z(m.hwnd) && IsWindowEnabled(m.hwnd)) {
    SendMessageW(m.hwnd, ZpravaStisk, 0, 0);
    return true;
  }
  wchar_t znak = 0;
  if (m.message == WM_SYSCHAR) {
    znak = static_cast<wchar_t>(m.wParam);
  } else if (m.message == WM_KEYDOWN && (m.wParam == VK_RETURN || m.wParam == VK_ESCAPE)) {
    // A control that uses these keys itself (a multi-line text box) keeps them.
    if (SendMessageW(m.hwnd, WM_GETDLGCODE, m.wParam, reinterpret_cast<LPARAM>(&m)) & DLGC_WANTALLKEYS)
      return false;
    znak = m.wParam == VK_RETURN ? 13 : 27;
  } else {
    return false;
  }
  struct Hledani {
    wchar_t znak;
    HWND nalezeno;
  } hledani{znak, nullptr};
  EnumChildWindows(
      GetAncestor(m.hwnd, GA_ROOT),
      [](HWND okno, LPARAM l) -> BOOL {
        auto* h = reinterpret_cast<Hledani*>(l);
        const tlText* t = Z(okno);
        if (!t || !IsWindowVisible(okno) || !IsWindowEnabled(okno) || !t->Odpovida(h->znak)) return TRUE;
        h->nalezeno = okno;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&hledani));
  if (!hledani.nalezeno) return false;
  SendMessageW(hledani.nalezeno, ZpravaPristupovaKlavesa, znak, 0);
  return true;
}

// The paint of a soft button, shared by its window and by anything that shows how it looks.
// Returns true when the paint drew the normal colours over a hover, which ends the hover.
// In high-contrast mode the colours are the user's system colours, whatever the design says.
bool KresliTlText(HDC dc, SIZE velikost, const TlTextVlastnosti& v, HFONT pismo, const StavTlText& stav) {
  const bool kontrast = VysokyKontrast();
  RECT klient{0, 0, velikost.cx, velikost.cy};
  HGDIOBJ puvodniPismo = pismo ? SelectObject(dc, pismo) : nullptr;
  const std::wstring text = Utf16(v.Caption());
  RECT mira{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &mira, DT_CALCRECT | DT_SINGLELINE);

  const PlanKresby plan = NaplanujKresbu(
      {.sirka = velikost.cx,
       .vyska = velikost.cy,
       .sirkaTextu = mira.right - mira.left,
       .vyskaTextu = mira.bottom - mira.top,
       .stav = stav,
       .Enabled = v.Enabled(),
       .DEMove = v.DEMove(),
       .DEBorder = v.DEBorder(),
       .FocusDraw = v.FocusDraw(),
       .ForeColor = BarvaVKontrastu(v.ForeColor(), UcelBarvy::TextTlacitka, kontrast),
       .MoveColor = BarvaVKontrastu(v.MoveColor(), UcelBarvy::Pohyb, kontrast),
       .DownColor = BarvaVKontrastu(v.DownColor(), UcelBarvy::Stisk, kontrast),
       .SedyText = kontrast ? std::optional(BarvaVKontrastu(0, UcelBarvy::Zakazany, true)) : std::nullopt,
       .TextZapnuti = kontrast ? std::optional(BarvaVKontrastu(0, UcelBarvy::Stisk, true)) : std::nullopt});
  // A toggle that is on has the light face of the system's checked buttons.
  const Barva plocha = plan.plocha == UcelBarvy::PlochaZapnuti ? SystemovaBarva(COLOR_3DHILIGHT) : v.BackColor();
  if (HBRUSH pozadi = CreateSolidBrush(BarvaGdi(BarvaVKontrastu(plocha, plan.plocha, kontrast)))) {
    FillRect(dc, &klient, pozadi);
    DeleteObject(pozadi);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, BarvaGdi(plan.barvaTextu));
  if (!text.empty())
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), static_cast<WPARAM>(text.size()),
               plan.titulek.x, plan.titulek.y, 0, 0, plan.priznakyTitulku);

  if (plan.fokus == Fokus::cara) {
    if (HPEN pero = CreatePen(PS_SOLID, 1, BarvaGdi(BarvaVKontrastu(v.FocusColor(), UcelBarvy::TextTlacitka, kontrast)))) {
      HGDIOBJ puvodniPero = SelectObject(dc, pero);
      const POINT body[3] = {{plan.caraFokusu[0].x, plan.caraFokusu[0].y},
                             {plan.caraFokusu[1].x, plan.caraFokusu[1].y},
                             {plan.caraFokusu[2].x, plan.caraFokusu[2].y}};
      Polyline(dc, body, 3);
      SelectObject(dc, puvodniPero);
      DeleteObject(pero);
    }
  } else if (plan.fokus == Fokus::obdelnik) {
    RECT vnitrek = klient;
    InflateRect(&vnitrek, -OdsazeniVnitrku, -OdsazeniVnitrku);
    SetTextColor(dc, BarvaGdi(BarvaVKontrastu(v.ForeColor(), UcelBarvy::TextTlacitka, kontrast)));
    DrawFocusRect(dc, &vnitrek);
  }

  if (plan.kresliHranu && plan.edge != 0) {
    RECT hrana{plan.hrana.left, plan.hrana.top, plan.hrana.right, plan.hrana.bottom};
    DrawEdge(dc, &hrana, plan.edge, plan.flags);
  }
  if (puvodniPismo) SelectObject(dc, puvodniPismo);
  return plan.hoverZrusen;
}
