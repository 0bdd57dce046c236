#include "zaklad_win.h"

#include <oleacc.h>

#include "controls/soft_button/tltext_win.h"

namespace {

// One soft button, newly placed in a test window, with its events written down in one line.
struct Tlacitko {
  TestovaciOkno okno;
  std::unique_ptr<tlText> t;
  std::string udalosti;

  explicit Tlacitko(bool Enabled = true, bool Default = false, bool Cancel = false)
      : t(tlText::Vytvor(
            {.rodic = okno.hwnd(), .left = 1500, .top = 1500, .okoli = {}, .Default = Default, .Cancel = Cancel})) {
    t->Caption("&Aktivace");
    t->Enabled(Enabled);
    t->Click = [this] { udalosti += "Click "; };
    t->MouseDown = [this](const UdalostMysi&) { udalosti += "Down "; };
    t->MouseMoveEnabled = [this](bool mme) { udalosti += mme ? "Enter " : "Leave "; };
  }
};

// The button's object as a screen reader asks for it; nullptr when there is none.
IAccessible* Objekt(HWND h) {
  IAccessible* a = nullptr;
  AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&a));
  return a;
}

const VARIANT Sam{{{VT_I4, 0, 0, 0, {CHILDID_SELF}}}};  // the object itself

// What a screen reader learns of the object: its role, the state's flags of interest, its name,
// shortcut, default action and description.
std::string Popis(IAccessible* a) {
  VARIANT role{}, stav{};
  a->get_accRole(Sam, &role);
  a->get_accState(Sam, &stav);
  constexpr long Sledovane = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED |
                             STATE_SYSTEM_PRESSED | STATE_SYSTEM_UNAVAILABLE;
  std::string popis = std::to_string(role.lVal) + " " + std::to_string(stav.lVal & Sledovane) + " ";
  for (const auto dotaz : {&IAccessible::get_accName, &IAccessible::get_accKeyboardShortcut,
                           &IAccessible::get_accDefaultAction, &IAccessible::get_accDescription}) {
    BSTR text = nullptr;
    (a->*dotaz)(Sam, &text);
    popis += (text ? Utf8(text) : "") + "|";
    SysFreeString(text);
  }
  return popis;
}

// The same, asked from another apartment (as a screen reader in another process asks): the button's
// own object, marshaled, its calls coming back to the button's thread, which keeps its messages flowing.
std::string PopisOdjinud(HWND h) {
  std::string popis = "(nothing)";
  HANDLE hotovo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread ctecka([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (IAccessible* a = Objekt(h)) popis = Popis(a), a->Release();
    CoUninitialize();
    SetEvent(hotovo);
  });
  while (MsgWaitForMultipleObjects(1, &hotovo, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) Pumpuj();
  ctecka.join();
  CloseHandle(hotovo);
  return popis;
}

}  // namespace

// A new button's first place and size; a change of letter case alone changes nothing: not the window text
// screen readers read, no notice. The pointer leaving it ends the hover.
TEST(TlTextOkno, PrvniVelikostTitulekAOdchodMysi) {
  Tlacitko b;
  b.t->Caption("STORNO");
  int zmeny = 0;
  b.t->ZmenaVlastnosti = [&](std::string_view) { ++zmeny; };
  b.t->Caption("Storno");
  const auto px = [&](int twipy) { return std::to_string(TwipyNaPixely(twipy, DpiOkna(b.t->hwnd()))); };
  EXPECT_EQ(Misto(b.t->hwnd()) + " " + Utf8(TextOkna(b.t->hwnd())) + " " + std::to_string(zmeny),
            px(1500) + "," + px(1500) + " " + px(1035) + "x" + px(345) + " STORNO 0");

  // A window shown without activation (the warning) gets no capture, so the button also asks the system
  // to tell it when the pointer leaves, and that notice alone ends the hover.
  POINT kde{10, 10};
  ClientToScreen(b.t->hwnd(), &kde);
  Mys(WM_MOUSEMOVE, kde);
  TRACKMOUSEEVENT dotaz{sizeof dotaz, TME_QUERY, nullptr, 0};
  TrackMouseEvent(&dotaz);
  EXPECT_TRUE(dotaz.hwndTrack == b.t->hwnd() && (dotaz.dwFlags & TME_LEAVE));
  ReleaseCapture();  // as a window in the background loses it: the pointer goes without a last move
  PresunKurzor({kde.x + 400, kde.y + 300});
  PostMessageW(b.t->hwnd(), WM_MOUSELEAVE, 0, 0);
  Pumpuj();
  EXPECT_EQ(b.udalosti, "Enter Leave ");
}

// A soft button takes a line of steps: the keys to the button (+) or to its window (-: the keys any
// button of the window hears), S space pressed, s let go, A Alt+A, X Alt+X, E Escape, N Enter; the
// mouse over the button (+) or beside it (-), m move, d left press, u left release, c the double
// click's press, R right press, r right release. It holds the capture exactly while the cursor is over
// it.
TEST(TlTextVstup, KlavesyAMys) {
  const struct {
    std::string_view kroky;
    const char* udalosti;
    bool Enabled = true, Default = false, Cancel = false;
  } pripady[] = {
      {"S+ S+ s+", "Click "},                                       // space, held and let go
      {"A-", "Click "},                                             // the access key
      {"X-", ""},                                                   // another Alt key
      {"E-", ""},                                                   // Escape, not the cancel button
      {"E-", "Click ", true, false, true},                          // Escape, the cancel button
      {"N-", "Click ", true, true},                                 // Enter, the default button
      {"N-", ""},                                                   // Enter, not the default
      {"A+ S+ s+ E+ N+", "", false, true, true},                    // disabled
      {"m+ m+ m- m-", "Enter Leave "},                              // enter and leave once each
      {"m+ d+ u+", "Enter Down Click | capture"},                   // press and release inside
      {"m+ d+ m- u-", "Enter Down Leave "},                         // release outside runs nothing
      {"m+ R+ r+", "Enter | capture"},                              // the right button does nothing
      {"m+ d+ u+ c+ u+", "Enter Down Click Down Click | capture"},  // a double click is two clicks
      {"m+ d+ u+ c+ u+", "", false},                                // disabled, it hears nothing
  };
  const std::string_view druhy = "SsAXENmducRr";
  const std::pair<UINT, WPARAM> zpravy[] = {
      {WM_KEYDOWN, VK_SPACE},  {WM_KEYUP, VK_SPACE},           {WM_SYSCHAR, 'a'},   {WM_SYSCHAR, 'x'},
      {WM_KEYDOWN, VK_ESCAPE}, {WM_KEYDOWN, VK_RETURN},        {WM_MOUSEMOVE, 0},   {WM_LBUTTONDOWN, MK_LBUTTON},
      {WM_LBUTTONUP, 0},       {WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0}};
  for (const auto& p : pripady) {
    Tlacitko b(p.Enabled, p.Default, p.Cancel);
    for (std::size_t i = 0; i < p.kroky.size(); i += 3) {
      const auto [zprava, w] = zpravy[druhy.find(p.kroky[i])];
      const bool nad = p.kroky[i + 1] == '+';
      POINT kde = nad ? POINT{10, 10} : POINT{-30, 40};
      ClientToScreen(b.t->hwnd(), &kde);
      if (zprava < WM_MOUSEFIRST) {
        HWND cil = nad ? b.t->hwnd() : b.okno.hwnd();
        SetFocus(cil), PostMessageW(cil, zprava, w, 0), Pumpuj();
      } else if (p.Enabled) {
        Mys(zprava, kde, w);
      } else {  // straight to the button, past the system's own refusal
        PresunKurzor(kde), SendMessageW(b.t->hwnd(), zprava, w, MAKELPARAM(10, 10));
      }
    }
    EXPECT_EQ(b.udalosti + (GetCapture() == b.t->hwnd() ? "| capture" : ""), p.udalosti) << p.kroky;
  }
}

// What a screen reader learns of a soft button, here and from another apartment: its role, name,
// state, shortcut, description and default action; and the default action presses it.
TEST(TlTextCtecka, RoleJmenoStavAkce) {
  constexpr long Tlac = ROLE_SYSTEM_PUSHBUTTON, Prep = ROLE_SYSTEM_CHECKBUTTON, Fok = STATE_SYSTEM_FOCUSABLE;
  const struct {
    const char* caption;
    bool Enabled, Prepinac, TrueFalse, fokus;
    long role, stav;  // the state's flags of interest
    const char* zkratka;
  } pripady[] = {
      {"&Aktivace", true, false, false, false, Tlac, Fok, "Alt+A"},
      {"Ukon&čit", true, false, false, true, Tlac, Fok | STATE_SYSTEM_FOCUSED, "Alt+č"},
      {"Zpět", true, true, true, false, Prep, Fok | STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED, ""},
      {"Od-Do", true, true, false, false, Prep, Fok, ""},
      {"&Storno", false, false, false, false, Tlac, STATE_SYSTEM_UNAVAILABLE, "Alt+S"},
  };
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  for (const auto& p : pripady) {
    Tlacitko b(p.Enabled);
    b.t->Caption(p.caption);
    b.t->Prepinac = p.Prepinac;
    b.t->TrueFalse(p.TrueFalse);
    b.t->PopisProCtecku = [] { return std::string("Opustíte nastavení parametrů."); };
    if (p.fokus) SetFocus(b.t->hwnd());
    IAccessible* a = Objekt(b.t->hwnd());
    ASSERT_TRUE(a) << p.caption;
    const std::string popis = Popis(a) + "\n" + PopisOdjinud(b.t->hwnd()) + "\n";
    a->accDoDefaultAction(Sam);
    Pumpuj();
    const std::string ocekavano = std::to_string(p.role) + " " + std::to_string(p.stav) + " " +
                                  NazevProCtecku(p.caption) + "|" + p.zkratka +
                                  "|Stisknout|Opustíte nastavení parametrů.|";
    EXPECT_EQ(popis + b.udalosti, ocekavano + "\n" + ocekavano + "\n" + (p.Enabled ? "Click " : ""));
    a->Release();
  }
  OleUninitialize();
}

// Under a modal box of ours the owner's buttons are out of reach, for a screen reader too; the object
// hangs under the button's own window, answers a point beside it with nothing, and tells of a toggle.
TEST(TlTextPristupnost, PodBoxemHranicemiAPrepnutim) {
  Tlacitko b;
  b.t->Prepinac = true;
  IAccessible* a = Objekt(b.t->hwnd());
  ASSERT_TRUE(a);
  EnableWindow(GetAncestor(b.t->hwnd(), GA_ROOT), FALSE);  // as a message box does to its owner
  EXPECT_EQ(Popis(a), std::to_string(ROLE_SYSTEM_CHECKBUTTON) + " " + std::to_string(STATE_SYSTEM_UNAVAILABLE) + " " +
                          NazevProCtecku("&Aktivace") + "|Alt+A|Stisknout||");
  EXPECT_EQ(a->accDoDefaultAction(Sam), E_FAIL);
  PostMessageW(b.t->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
  Pumpuj();
  EXPECT_EQ(b.udalosti, "");
  EnableWindow(GetAncestor(b.t->hwnd(), GA_ROOT), TRUE);

  IDispatch* rodic = nullptr;
  HWND jehoOkno = nullptr;
  ASSERT_EQ(a->get_accParent(&rodic), S_OK);
  // The parent is an IAccessible, handed out as its IDispatch.
  WindowFromAccessibleObject(static_cast<IAccessible*>(rodic), &jehoOkno);
  EXPECT_EQ(jehoOkno, b.t->hwnd()) << "the button's own window, not the container's";
  rodic->Release();

  RECT r{};
  GetWindowRect(b.t->hwnd(), &r);
  VARIANT zasah{};
  EXPECT_EQ(a->accHitTest(r.left + 2, r.top + 2, &zasah), S_OK);
  EXPECT_EQ(a->accHitTest(r.right + 5, r.top + 2, &zasah), S_FALSE);
  EXPECT_EQ(zasah.vt, VT_EMPTY);
  a->Release();

  static int zmen = 0;
  HWINEVENTHOOK hak = SetWinEventHook(
      EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) { ++zmen; }, GetCurrentProcessId(), 0,
      WINEVENT_OUTOFCONTEXT);
  b.t->TrueFalse(true);
  b.t->TrueFalse(true);  // no change: nothing to tell
  Pumpuj();
  EXPECT_EQ(zmen, 1);
  UnhookWinEvent(hak);
}
