#include "ui/main_window/frmkzhlavni_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/kontrast.h"
#include "controls/twipy.h"
#include "core/stav.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/schranka_win.h"
#include "platform/win32/text_win.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/filtr_klaves.h"
#include "ui/main_window/hlavni_okno.h"
#include "ui/main_window/napovedy.h"
#include "ui/main_window/podminka_formulare.h"

namespace {

constexpr wchar_t TridaOkna[] = L"frmkzhlavni";
// A fixed layout: the window can be moved and minimised, not resized.
constexpr DWORD StylOkna = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int PrvniId = IdOvladace(Ovladac::Formular);
constexpr UINT ZpravaKontroly = WM_APP + 1;  // wParam: the box that lost the focus
constexpr int VyskaRozbalenehoSeznamu = 1500;  // twips: room for every entry without a scroll bar

int Id(Ovladac o) { return IdOvladace(o); }
Ovladac OvladacZId(int id) { return static_cast<Ovladac>(id - PrvniId); }

// A value of the version record's string table. Each entry's header (length, value length in
// characters, type) comes just before its key, and the value follows the key at the next multiple of
// four bytes.
std::wstring HodnotaVerze(const BYTE* zaznam, std::size_t delka, std::wstring_view klic) {
  const std::size_t bajtu_klice = (klic.size() + 1) * sizeof(wchar_t);
  for (std::size_t i = 6; i + bajtu_klice <= delka; i += 2) {
    if (std::memcmp(zaznam + i, klic.data(), bajtu_klice - 2) != 0 || zaznam[i + bajtu_klice - 2] != 0 ||
        zaznam[i + bajtu_klice - 1] != 0) {
      continue;
    }
    WORD znaku = 0;
    std::memcpy(&znaku, zaznam + i - 4, sizeof znaku);
    const std::size_t hodnota = (i + bajtu_klice + 3) & ~std::size_t{3};
    if (hodnota + znaku * sizeof(wchar_t) > delka) return {};
    std::wstring text(znaku, L'\0');
    std::memcpy(text.data(), zaznam + hodnota, znaku * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
  }
  return {};
}

// The legal notice and the version numbers of the program's own version record, read in place: the
// record is the program's own, so no version.dll is needed, nor one that someone left beside us.
std::string VerzeProgramu() {
  HRSRC zdroj = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
  HGLOBAL data = zdroj ? LoadResource(nullptr, zdroj) : nullptr;
  const auto* zaznam = static_cast<const BYTE*>(data ? LockResource(data) : nullptr);
  if (!zaznam) return {};
  const std::size_t delka = SizeofResource(nullptr, zdroj);
  VS_FIXEDFILEINFO cisla{};
  for (std::size_t i = 0; i + sizeof cisla <= delka; i += 4) {
    std::memcpy(&cisla, zaznam + i, sizeof cisla);
    if (cisla.dwSignature == VS_FFI_SIGNATURE) {
      return TextVerze(Utf8(HodnotaVerze(zaznam, delka, L"LegalCopyright")), HIWORD(cisla.dwFileVersionMS),
                       LOWORD(cisla.dwFileVersionMS), LOWORD(cisla.dwFileVersionLS));
    }
  }
  return {};
}

// The window class and styles of each kind of control; soft buttons are made by tlText.
struct TridaOvladace {
  const wchar_t* trida;
  DWORD styl;
  DWORD rozsireny;
};

TridaOvladace Trida(const NavrhOvladace& n) {
  switch (n.druh) {
    case Druh::Zaskrtavaci: return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case Druh::Volba: return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case Druh::Text: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Druh::Seznam:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case Druh::Popisek: {
      const DWORD zarovnani = n.zarovnani == Zarovnani::Na_stred ? SS_CENTER
                              : n.zarovnani == Zarovnani::Vpravo ? SS_RIGHT
                                                                 : SS_LEFT;
      return {L"STATIC", zarovnani | SS_NOPREFIX, 0};
    }
    default: return {nullptr, 0, 0};
  }
}

// The whole layout in the order of the tab indexes: Windows tabs through children in the order
// they were made. Controls without a tab index come last.
std::vector<const NavrhOvladace*> PodleTabulatoru() {
  std::vector<const NavrhOvladace*> poradi;
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) poradi.push_back(&n);
  std::stable_sort(poradi.begin(), poradi.end(), [](const NavrhOvladace* a, const NavrhOvladace* b) {
    return static_cast<unsigned>(a->tab) < static_cast<unsigned>(b->tab);
  });
  return poradi;
}

}  // namespace

frmkzhlavni::~frmkzhlavni() { Zavri(); }

void frmkzhlavni::Otevri() {
  if (hwnd_) {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
    return;
  }
  if (!Vytvor()) return;
  RECT okno{};
  GetWindowRect(hwnd_, &okno);
  RECT plocha{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &plocha, 0);
  const Bod roh = UmisteniOkna({plocha.left, plocha.top, plocha.right, plocha.bottom}, okno.right - okno.left,
                               okno.bottom - okno.top);
  SetWindowPos(hwnd_, nullptr, roh.x, roh.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  NactiHlavniOkno(f_, VerzeProgramu());
  Zrcadli();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void frmkzhlavni::Zavri() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void frmkzhlavni::UkazCas(std::string_view cas, std::string_view datum) {
  f_[Ovladac::lblVC].text = cas;
  f_[Ovladac::lblVD].text = datum;
  Zrcadli();
}

void frmkzhlavni::StavovyRadek(std::string_view text, int ikona) {
  f_.sbText = text;
  f_.sbIkona = ikona;
  Zrcadli();
}

void frmkzhlavni::PlanZvenku(std::string_view text) {
  if (!hwnd_) return;
  ::PlanZvenku(f_, text);
  Zrcadli();
}

// The keyboard cues (the focus look of the flat buttons) follow the way the user works: hidden until a
// key moves the focus, as in the system's own dialogs. The window keeps the state and tells the system.
void frmkzhlavni::NastavNarazky(bool ukazat) {
  narazky_ = ukazat;
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(ukazat ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

void frmkzhlavni::UkazNarazky() {
  if (!narazky_) NastavNarazky(true);
}

bool frmkzhlavni::PrelozZpravu(MSG& zprava) {
  if (!hwnd_ || (zprava.hwnd != hwnd_ && !IsChild(hwnd_, zprava.hwnd))) return false;
  if (zprava.message == WM_KEYDOWN && zprava.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    UkazNarazky();  // before the move, so that the button it reaches draws its focus
    PosunTabulatorem(GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  if (zprava.message == WM_KEYDOWN && PosunVRade(zprava.hwnd, static_cast<UINT>(zprava.wParam))) return true;
  return IsDialogMessageW(hwnd_, &zprava) != FALSE;
}

// Tab and Shift+Tab go through the controls in the order of making, over those that can take the keys
// now. Every action option is a stop of its own: an option button keeps its tab stop only while it is
// chosen, and a new schedule starts with none chosen.
void frmkzhlavni::PosunTabulatorem(bool zpet) {
  std::vector<HWND> zastavky;
  for (const NavrhOvladace* n : PodleTabulatoru()) {
    HWND h = Okno(n->id);
    const bool zastavka = n->druh == Druh::Volba || (GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP);
    if (h && IsWindowVisible(h) && IsWindowEnabled(h) && zastavka) {
      zastavky.push_back(h);
    }
  }
  if (zastavky.empty()) return;
  const auto ted = std::find(zastavky.begin(), zastavky.end(), GetFocus());
  const std::size_t pocet = zastavky.size();
  std::size_t dalsi = zpet ? pocet - 1 : 0;
  if (ted != zastavky.end()) {
    const auto i = static_cast<std::size_t>(ted - zastavky.begin());
    dalsi = zpet ? (i + pocet - 1) % pocet : (i + 1) % pocet;
  }
  HWND cil = zastavky[dalsi];
  SetFocus(cil);
  if (Navrh(OvladacZId(GetDlgCtrlID(cil))).druh == Druh::Text) SendMessageW(cil, EM_SETSEL, 0, -1);
}

// The row of tools and the row of days are one stop each for the Tab key; the arrows (and Home and
// End) move inside a row, as in a toolbar. The stop stays on the button last reached.
bool frmkzhlavni::PosunVRade(HWND fokus, UINT klavesa) {
  for (std::size_t r = 0; r < Rady.size(); ++r) {
    const auto& rada = Rady[r];
    const auto kde = std::find_if(rada.begin(), rada.end(), [&](Ovladac o) { return Okno(o) == fokus; });
    if (kde == rada.end()) continue;
    const int pocet = static_cast<int>(rada.size());
    int i = static_cast<int>(kde - rada.begin());
    int krok = 0;
    if (klavesa == VK_RIGHT || klavesa == VK_DOWN) krok = 1;
    else if (klavesa == VK_LEFT || klavesa == VK_UP) krok = -1;
    else if (klavesa == VK_HOME) i = -1, krok = 1;
    else if (klavesa == VK_END) i = pocet, krok = -1;
    else return false;
    for (int pokus = 0; pokus < pocet; ++pokus) {
      i = (i + krok + pocet) % pocet;
      HWND cil = Okno(rada[static_cast<std::size_t>(i)]);
      if (IsWindowVisible(cil) && IsWindowEnabled(cil)) {
        zastavkaRady_[r] = i;
        UkazNarazky();  // before the move, so that the button it reaches draws its focus
        SetFocus(cil);
        NastavTabulatory();
        break;
      }
    }
    return true;
  }
  return false;
}

// "P" and "S" sit in the editor's Tab order; of each row one button does; the immediate
// actions never, for Enter or Space on one would act at once.
void frmkzhlavni::NastavTabulatory() {
  const auto zastavka = [](HWND okno, bool ano) {
    const LONG_PTR styl = GetWindowLongPtrW(okno, GWL_STYLE);
    const LONG_PTR novy = ano ? styl | WS_TABSTOP : styl & ~WS_TABSTOP;
    if (novy != styl) SetWindowLongPtrW(okno, GWL_STYLE, novy);
  };
  zastavka(Okno(Ovladac::tlHNParametr), true);
  zastavka(Okno(Ovladac::tlHNStop), true);
  for (int i = 0; i <= 5; ++i) zastavka(Okno(tlKZ(i)), false);
  for (std::size_t r = 0; r < Rady.size(); ++r)
    for (std::size_t i = 0; i < Rady[r].size(); ++i)
      zastavka(Okno(Rady[r][i]), static_cast<int>(i) == zastavkaRady_[r]);
}

// The window with every control of the layout, at the dpi of the screen it opens on, still hidden.
bool frmkzhlavni::Vytvor() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  static const bool registrovano = [instance] {
    WNDCLASSEXW trida = {};
    trida.cbSize = sizeof trida;
    trida.lpfnWndProc = &frmkzhlavni::Procedura;
    trida.hInstance = instance;
    trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    trida.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    trida.lpszClassName = TridaOkna;
    return RegisterClassExW(&trida) != 0;
  }();
  if (!registrovano) return false;
  // The common controls first: with them loaded, the manifest's version draws the buttons and boxes too.
  Comctl32Dll();
  f_ = Formular{};
  zrcadleno_ = false;
  dpi_ = DpiOkna(nullptr);
  CreateWindowExW(0, TridaOkna, Utf16(NazevAplikace).c_str(), StylOkna, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                  nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  ikony_.Nastav(hwnd_, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON));

  for (const NavrhOvladace* n : PodleTabulatoru()) VytvorOvladac(*n);
  sbMain_ = std::make_unique<clskzsb>();
  sbMain_->sbCreate(hwnd_);
  Rozvrhni(DpiOkna(hwnd_));
  // Focus looks wait for the first key, unless the user wants them always.
  BOOL vzdy = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &vzdy, 0);
  NastavNarazky(vzdy != FALSE);
  return true;
}

void frmkzhlavni::VytvorOvladac(const NavrhOvladace& n) {
  if (n.druh == Druh::TlText) {
    VytvorTlacitko(n);
    return;
  }
  const TridaOvladace trida = Trida(n);
  if (!trida.trida) return;  // frames and the line are painted by the window
  // Every control is a group of its own, the action options too: the Tab key stops at each option
  // (PosunTabulatorem), and Space chooses it.
  const DWORD styl = WS_CHILD | WS_CLIPSIBLINGS | WS_GROUP | trida.styl;
  const std::wstring text = n.druh == Druh::Seznam ? L"" : Utf16(n.Caption);  // a list's entries come with the mirror
  HWND okno =
      CreateWindowExW(trida.rozsireny, trida.trida, text.c_str(), styl, 0, 0, 0, 0, hwnd_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(n.id))), GetModuleHandleW(nullptr), nullptr);
  Okno(n.id) = okno;
  if (n.id == Ovladac::txtHNCas || n.id == Ovladac::txtHNDatum) {
    if (const auto podtrid = Comctl32Dll().SetWindowSubclass) {
      podtrid(okno, &frmkzhlavni::PoleCasu, 0, reinterpret_cast<DWORD_PTR>(this));
    }
  }
}

// The time and date boxes take only what their key filter lets through, typed or pasted: Ctrl+V is
// swallowed as a key, and a paste by Shift+Insert or the box's menu is filtered like typing.
LRESULT CALLBACK frmkzhlavni::PoleCasu(HWND okno, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<frmkzhlavni*>(data);
  const bool datum = GetDlgCtrlID(okno) == Id(Ovladac::txtHNDatum);
  const bool odDo = self->f_[Ovladac::tlHNOdDo].TrueFalse;
  if (zprava == WM_CHAR) {
    const std::int16_t znak =
        datum ? FiltrData(static_cast<std::int16_t>(w), odDo) : FiltrCasu(static_cast<std::int16_t>(w));
    if (znak == 0) return 0;
    w = static_cast<WPARAM>(znak);
  } else if (zprava == WM_PASTE) {
    const std::wstring vlozit = Utf16(FiltrujVlozeni(Utf8(TextSchranky()), datum, odDo));
    SendMessageW(okno, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(vlozit.c_str()));
    return 0;
  }
  return Comctl32Dll().DefSubclassProc(okno, zprava, w, l);  // loaded: the box was subclassed with it
}

void frmkzhlavni::VytvorTlacitko(const NavrhOvladace& n) {
  const BalikVlastnosti ulozene = UlozeneHodnoty(n);
  const NavrhOvladace& ram = Navrh(n.kontejner);
  tlText::Volby volby;
  volby.rodic = hwnd_;
  volby.id = Id(n.id);
  volby.left = ram.left + n.left;
  volby.top = ram.top + n.top;
  volby.width = n.width;
  volby.height = n.height;
  volby.okoli.jmeno = std::string(n.jmeno);
  volby.ulozene = &ulozene;
  volby.viditelne = false;  // the first mirror shows what is to be seen
  auto t = tlText::Vytvor(volby);
  if (!t) return;
  const Ovladac o = n.id;
  // Each button a group of its own, so that the arrow keys of the options never wander onto one.
  SetWindowLongPtrW(t->hwnd(), GWL_STYLE, GetWindowLongPtrW(t->hwnd(), GWL_STYLE) | WS_GROUP);
  t->PopisProCtecku = [this, o] { return NapovedaTlacitka(f_, o).text; };
  t->Prepinac = n.jmeno == "tlHNOdDo" || n.jmeno == "tlHNDen";  // they stay down while on
  t->Click = [this, o] { Udalost([this, o] { KlikNaTlacitko(f_, o); }); };
  t->MouseMoveEnabled = [this, o](bool mme) { Udalost([this, o, mme] { tl_MouseMoveEnabled(f_, o, mme); }); };
  Okno(o) = t->hwnd();
  Tlacitko(o) = std::move(t);
}

RECT frmkzhlavni::Obdelnik(const NavrhOvladace& n) const {
  const NavrhOvladace& ram = Navrh(n.kontejner);
  const int left = ram.left + n.left, top = ram.top + n.top;
  return {TwipyNaPixely(left, dpi_), TwipyNaPixely(top, dpi_), TwipyNaPixely(left + n.width, dpi_),
          TwipyNaPixely(top + n.height, dpi_)};
}

// Sizes, places and fonts for the dpi: on opening and when the window moves to another screen.
void frmkzhlavni::Rozvrhni(int dpi) {
  dpi_ = dpi;
  RECT okno{0, 0, TwipyNaPixely(SirkaHlavnihoOkna, dpi), TwipyNaPixely(VyskaHlavnihoOkna, dpi)};
  AdjustWindowRectEx(&okno, StylOkna, FALSE, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, okno.right - okno.left, okno.bottom - okno.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The old fonts go only once every control has its new one: a control must never hold a deleted font.
  auto stara = std::exchange(pisma_, {});
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) {
    if (const auto& t = Tlacitko(n.id)) {
      t->ZmenaDpi(dpi);
      continue;
    }
    HWND h = Okno(n.id);
    if (!h) continue;
    RECT r = Obdelnik(n);
    if (n.druh == Druh::Seznam) r.bottom += TwipyNaPixely(VyskaRozbalenehoSeznamu, dpi);  // the list dropped down
    MoveWindow(h, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(PismoPro(n.Font)), TRUE);
  }
  stara.clear();
  if (sbMain_) sbMain_->sbResize();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// One font per look, made for the window's dpi.
HFONT frmkzhlavni::PismoPro(const Pismo& pismo) {
  for (const auto& [vzhled, gdi] : pisma_)
    if (vzhled == pismo) return gdi->Handle();
  auto gdi = std::make_unique<PismoGdi>();
  gdi->Vytvor(pismo, dpi_);
  HFONT handle = gdi->Handle();
  pisma_.emplace_back(pismo, std::move(gdi));
  return handle;
}

// Only what changed since the last mirror reaches the controls, so that the clock's tick every
// second does not repaint the window.
void frmkzhlavni::Zrcadli() {
  if (!hwnd_) return;
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) ZrcadliOvladac(n, !zrcadleno_);
  if (sbMain_ && (!zrcadleno_ || f_.sbText != zobrazeno_.sbText || f_.sbIkona != zobrazeno_.sbIkona)) {
    sbMain_->sbSetIconText(f_.sbText, 0, f_.sbIkona);
  }
  NastavTabulatory();
  if (f_.fokus) {
    if (HWND cil = Okno(*f_.fokus)) {
      SetFocus(cil);
      if (f_.kurzor) SendMessageW(cil, EM_SETSEL, *f_.kurzor, *f_.kurzor);
    }
    f_.fokus.reset();
    f_.kurzor.reset();
  }
  zobrazeno_ = f_;
  zrcadleno_ = true;
}

void frmkzhlavni::ZrcadliOvladac(const NavrhOvladace& n, bool vse) {
  const StavOvladace& s = f_[n.id];
  const StavOvladace& z = zobrazeno_[n.id];
  const bool aktivni = f_.Aktivni(n.id);
  const bool zmena_aktivni = vse || aktivni != zobrazeno_.Aktivni(n.id);
  const bool zmena_viditelny = vse || s.viditelny != z.viditelny;
  if (tlText* t = Tlacitko(n.id).get()) {
    if (vse || s.text != z.text) t->Caption(s.text);
    if (vse || s.barva != z.barva) t->ForeColor(s.barva);
    if (vse || s.TrueFalse != z.TrueFalse) t->TrueFalse(s.TrueFalse);
    if (zmena_aktivni) t->Enabled(aktivni);
    if (zmena_viditelny) ShowWindow(t->hwnd(), s.viditelny ? SW_SHOWNA : SW_HIDE);
    return;
  }
  HWND h = Okno(n.id);
  if (!h) return;
  switch (n.druh) {
    case Druh::Zaskrtavaci:
    case Druh::Volba:
      if (vse || s.hodnota != z.hodnota) SendMessageW(h, BM_SETCHECK, s.hodnota == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Druh::Text:
      if (vse || s.maska != z.maska) {
        SendMessageW(h, EM_SETPASSWORDCHAR, s.maska ? L'*' : 0, 0);
        InvalidateRect(h, nullptr, TRUE);
      }
      if (Utf8(TextOkna(h)) != s.text) SetWindowTextW(h, Utf16(s.text).c_str());
      break;
    case Druh::Seznam:
      if (vse || s.text != z.text) {
        SendMessageW(h, CB_RESETCONTENT, 0, 0);
        for (std::size_t od = 0; od <= s.text.size();) {
          const std::size_t konec = std::min(s.text.find('\n', od), s.text.size());
          SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(s.text.substr(od, konec - od)).c_str()));
          od = konec + 1;
        }
      }
      if (vse || s.text != z.text || s.hodnota != z.hodnota) SendMessageW(h, CB_SETCURSEL, s.hodnota, 0);
      break;
    case Druh::Popisek:
      if (vse || s.text != z.text) SetWindowTextW(h, Utf16(s.text).c_str());
      if (vse || s.barva != z.barva) InvalidateRect(h, nullptr, TRUE);
      break;
    default:
      break;
  }
  if (zmena_viditelny) ShowWindow(h, s.viditelny ? SW_SHOWNA : SW_HIDE);
  if (zmena_aktivni) EnableWindow(h, aktivni);
}

// A handler may end the whole program (Ukončit): the mirror runs only while the window is there.
template <class Obsluha>
void frmkzhlavni::Udalost(Obsluha&& obsluha) {
  obsluha();
  Zrcadli();
}

// The check of a box the user has left. While its message is up, and while it puts the focus back,
// the other box's loss of the focus is no leaving of it: no second check, no loop of messages. Nor is
// a focus gone to a box of ours (Alt+A's question) or to another program: only a move to another
// control of the window leaves the box.
void frmkzhlavni::OnKontrola(Ovladac pole) {
  if (!hwnd_ || !f_.Aktivni(pole) || !f_[pole].viditelny) return;
  HWND fokus = GetFocus();
  if (fokus == nullptr || fokus == Okno(pole) || !IsChild(hwnd_, fokus)) return;
  kontrola_ = true;
  KontrolaPriOdchodu(f_, pole);
  kontrola_ = false;
  vraciFokus_ = true;
  Zrcadli();
  vraciFokus_ = false;
}

void frmkzhlavni::OnCommand(WPARAM w, LPARAM) {
  const int id = LOWORD(w);
  if (id < PrvniId || id >= PrvniId + static_cast<int>(PocetOvladacu)) return;
  const Ovladac o = OvladacZId(id);
  const NavrhOvladace& n = Navrh(o);
  const int index = IndexPole(o);
  if (n.druh == Druh::Zaskrtavaci && HIWORD(w) == BN_CLICKED) {
    Udalost([&] { NastavZaskrtnuti(f_, index, f_[o].hodnota == 1 ? 0 : 1); });
  } else if (n.druh == Druh::Volba && HIWORD(w) == BN_CLICKED) {
    Udalost([&] { VyberVolbu(f_, index); });
  } else if (n.druh == Druh::Seznam && HIWORD(w) == CBN_SELCHANGE) {
    const int volba = static_cast<int>(SendMessageW(Okno(o), CB_GETCURSEL, 0, 0));
    if (volba >= 0) Udalost([&] { cbHNPodminka_Click(f_, volba); });
  } else if (n.druh == Druh::Text && HIWORD(w) == EN_CHANGE) {
    f_[o].text = zobrazeno_[o].text = Utf8(TextOkna(Okno(o)));
  } else if ((o == Ovladac::txtHNCas || o == Ovladac::txtHNDatum) && HIWORD(w) == EN_KILLFOCUS && !kontrola_ &&
             !vraciFokus_) {
    // After the focus has moved: a box to be put right takes it back then.
    PostMessageW(hwnd_, ZpravaKontroly, static_cast<WPARAM>(o), 0);
  }
}

LRESULT frmkzhlavni::OnCtlColorStatic(HDC dc, HWND ovladac) {
  const int id = GetDlgCtrlID(ovladac);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  if (id >= PrvniId && id < PrvniId + static_cast<int>(PocetOvladacu) &&
      Navrh(OvladacZId(id)).druh == Druh::Popisek) {
    // Grey and dark blue on the face of the window, or the system's text colour in high contrast.
    SetTextColor(dc, BarvaGdi(BarvaVKontrastu(f_[OvladacZId(id)].barva, UcelBarvy::TextTlacitka, VysokyKontrast())));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The frames and the separator line are only borders, etched as the system draws its own; a frame
// that is a window of its own would paint over the controls it holds.
void frmkzhlavni::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) {
    if (n.druh != Druh::Ram && n.druh != Druh::Cara) continue;
    RECT r = Obdelnik(n);
    if (n.druh == Druh::Cara) r.bottom = r.top + 2;
    DrawEdge(dc, &r, EDGE_ETCHED, n.druh == Druh::Cara ? BF_TOP : BF_RECT);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK frmkzhlavni::Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  auto* self = ObjektOkna(okno, zprava, l, &frmkzhlavni::hwnd_);
  if (!self) return DefWindowProcW(okno, zprava, w, l);
  try {
    return self->Zprava(zprava, w, l);
  } catch (...) {
    return DefWindowProcW(okno, zprava, w, l);
  }
}

LRESULT frmkzhlavni::Zprava(UINT zprava, WPARAM w, LPARAM l) {
  HWND okno = hwnd_;
  switch (zprava) {
    case WM_COMMAND:
      OnCommand(w, l);
      return 0;
    case ZpravaKontroly:
      OnKontrola(static_cast<Ovladac>(w));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      if (sbMain_) sbMain_->sbResize();  // Form_Resize: nothing else follows the size
      return 0;
    case WM_DPICHANGED: {
      Rozvrhni(LOWORD(w));
      const auto* navrh = reinterpret_cast<const RECT*>(l);
      SetWindowPos(hwnd_, nullptr, navrh->left, navrh->top, navrh->right - navrh->left, navrh->bottom - navrh->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_ACTIVATE:
      // The focus comes back to the control that had it when the user returns to the window.
      if (LOWORD(w) == WA_INACTIVE) {
        HWND fokus = GetFocus();
        if (fokus && IsChild(hwnd_, fokus)) posledniFokus_ = fokus;
      } else {
        HWND cil = posledniFokus_ && IsWindowEnabled(posledniFokus_) && IsWindowVisible(posledniFokus_)
                       ? posledniFokus_
                       : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (cil) SetFocus(cil);
      }
      return 0;
    case WM_UPDATEUISTATE:
      if ((HIWORD(w) & UISF_HIDEFOCUS) && LOWORD(w) != UIS_INITIALIZE) narazky_ = LOWORD(w) == UIS_CLEAR;
      break;
    case WM_QUERYUISTATE:
      // Answered from the window's own record: the system does not keep it everywhere (Wine).
      return (DefWindowProcW(okno, zprava, w, l) & ~UISF_HIDEFOCUS) | (narazky_ ? 0 : UISF_HIDEFOCUS);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // A high-contrast theme switched on or off: everything paints again in its colours.
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_CLOSE:
      DestroyWindow(hwnd_);  // only the window: the schedule, the icon and the warning window stay
      return 0;
    case WM_DESTROY:
      Form_Unload();
      return 0;
    case WM_NCDESTROY:
      for (auto& t : tlacitka_) t.reset();
      okna_.fill(nullptr);
      sbMain_.reset();
      posledniFokus_ = nullptr;
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(okno, zprava, w, l);
}
