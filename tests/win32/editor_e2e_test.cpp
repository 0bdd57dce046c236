// The settings editor of the real vypnuti.exe, driven with the mouse and the keyboard as a user
// drives it: a new schedule, a postponement and its end, a from-to window, what the time box refuses
// and when it is checked.
#include "core/kalendar.h"
#include "program_e2e.h"

namespace {

using O = Ovladac;

// The program with nothing armed and its main window open.
class Editor_e2e : public Program_e2e {
 protected:
  void SetUp() override {
    Program_e2e::SetUp();
    program = std::make_unique<Proces>(L"");
    ASSERT_TRUE(DOCKEJ(5s, IsWindowVisible(program->Hlavni())));
  }
  void TearDown() override {
    program.reset();
    Program_e2e::TearDown();
  }
  void Klik(std::initializer_list<O> ovladace) const {
    for (const O o : ovladace) Klikni(program->Pole(o));
  }
  std::wstring Text(O o) const { return ::Text(program->Pole(o)); }
  // A click into the box, then typing over what it holds once it has the focus.
  void NapisDo(O o, const std::wstring& text) const {
    if (Fokus() != program->Pole(o)) Klik({o});
    DOCKEJ(3s, Fokus() == program->Pole(o));
    PostMessageW(program->Pole(o), EM_SETSEL, 0, -1);
    Napis(text);
    DOCKEJ(2s, Text(o).size() >= text.size());
  }
  // Alt+A and "Ano" to its question.
  std::wstring Aktivuj(int odpoved = IDYES) const {
    AltA(L'a');
    return OdpovezBoxu(*program, odpoved);
  }
  std::unique_ptr<Proces> program;
};

std::wstring Schranka() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

// "Nové", "Restartovat", a time typed with a dot and a date with commas, Alt+A, "Ano"; then a
// postponement, and "S" that drops it again.
TEST_F(Editor_e2e, NovePosunutiAStop) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  const DatumCas z = RozlozCas(SlozCas(t.wYear, t.wMonth, t.wDay + 1));
  const std::wstring datum = std::to_wstring(z.den) + L"." + std::to_wstring(z.mesic) + L"." + std::to_wstring(z.rok);
  const auto maska = [&] { return SendMessageW(program->Pole(O::txtHNHeslo), EM_GETPASSWORDCHAR, 0, 0); };
  EXPECT_EQ(maska(), L'*');
  Klik({O::tlHNastaveni, O::opHN2});
  NapisDo(O::txtHNCas, L"23.59");
  EXPECT_EQ(Text(O::txtHNCas), L"23:59");
  Stiskni(VK_TAB);
  NapisDo(O::txtHNDatum, std::to_wstring(z.den) + L"," + std::to_wstring(z.mesic) + L"," + std::to_wstring(z.rok));
  EXPECT_EQ(Text(O::txtHNDatum), datum);
  EXPECT_EQ(maska(), 0) << "a new password is typed in clear";
  EXPECT_EQ(Aktivuj(), L"Opravdu si p\u0159ejete aktivovat nastaven\u00e9 parametry?");
  const std::string parametr = "/restart;t/23:59/;d/" + Utf8(datum) + "/";
  EXPECT_TRUE(DOCKEJ(3s, uloziste.CtiParametr() == UlozenyTvar(parametr)));
  EXPECT_TRUE(Hodnota(KlicRun) && Hodnota(KlicRunOnce));
  EXPECT_EQ(Text(O::lblHN), L"Restartov\u00e1n\u00ed " + datum + L" v 23:59");
  EXPECT_EQ(Schranka(), Utf16(parametr));
  EXPECT_EQ(maska(), L'*') << "hidden again once armed";

  Klik({O::tlHNastaveniP});
  NapisDo(O::txtHNCas, L"90");  // a postponement by minutes from the start
  Aktivuj();
  EXPECT_TRUE(DOCKEJ(3s, Text(O::lblHN).ends_with(L" v " + Text(O::txtHNCas))));
  EXPECT_TRUE(DOCKEJ(3s, std::ranges::count(Pixely(program->Pole(O::tlHNastaveniP)), RGB(255, 0, 0))))
      << "\"Posunutí\" turns red";
  EXPECT_TRUE(StavovyRadek(*program).starts_with(L"POSUNUT\u00cd - ")) << "the tray text with it";
  EXPECT_EQ(uloziste.CtiParametr(), UlozenyTvar(parametr)) << "a postponement is not stored";

  Klik({O::tlHNastaveniZ, O::tlHNStop});
  EXPECT_TRUE(DOCKEJ(3s, Text(O::lblHN) == L"Restartov\u00e1n\u00ed " + datum + L" v 23:59."));
  EXPECT_EQ(uloziste.CtiParametr(), UlozenyTvar(parametr));
}

// The time box takes digits and separators only, whether typed or pasted. It is checked only when the
// focus moves to another control of the window, not when it goes to Alt+A's question (nor, by the same
// rule, to another program).
TEST_F(Editor_e2e, CasovePoleOdmitnePismenaAVlozeni) {
  Klik({O::tlHNastaveni, O::opHN1});
  NapisDo(O::txtHNCas, L"7");
  Napis(L"x");
  if (OpenClipboard(Fokus())) {
    EmptyClipboard();
    HGLOBAL pamet = GlobalAlloc(GMEM_MOVEABLE, 16);
    wcscpy(static_cast<wchar_t*>(GlobalLock(pamet)), L"ab:c5");
    GlobalUnlock(pamet);
    SetClipboardData(CF_UNICODETEXT, pamet);
    CloseClipboard();
  }
  CtrlA(L'V');
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(Text(O::txtHNCas), L"7") << "no letter, no Ctrl+V";
  SendMessageW(program->Pole(O::txtHNCas), WM_PASTE, 0, 0);  // as the box's own menu pastes
  EXPECT_EQ(Text(O::txtHNCas), L"7:5");
  Napis(L"\b");
  ASSERT_TRUE(DOCKEJ(2s, Text(O::txtHNCas) == L"7:")) << "minutes missing";
  EXPECT_EQ(Aktivuj(IDNO), L"Opravdu si p\u0159ejete aktivovat nastaven\u00e9 parametry?");
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(program->Dialog(), nullptr) << "no check of the time box behind the question";
}

// A from-to window entered in the window is the same schedule as on the command line.
TEST_F(Editor_e2e, OknoOdDo) {
  Klik({O::tlHNastaveni, O::tlHNOdDo});
  EXPECT_TRUE(DOCKEJ(3s, Text(O::lblN0) == L"Od"));
  NapisDo(O::txtHNCas, L"22.00");
  Stiskni(VK_TAB);
  NapisDo(O::txtHNDatum, L"6.00");
  EXPECT_EQ(Text(O::txtHNDatum), L"6:00");
  PostMessageW(program->Pole(O::chHN0), BM_CLICK, 0, 0);
  Klik({O::tlHNAktivace});
  OdpovezBoxu(*program, IDYES);
  EXPECT_TRUE(DOCKEJ(3s, Ulozeny() == ";od/22:00-6:00/;kd;zs"));
}

// The row of days comes with "Opakovat každý den" and is one stop of the Tab key: the arrows move in
// it, Space and a click switch a day, a day that is on has the light face, and the schedule keeps the
// days that are on.
TEST_F(Editor_e2e, DnyVTydnuMysiAKlavesnici) {
  Klik({O::tlHNastaveni, O::opHN1});
  NapisDo(O::txtHNCas, L"16:00");
  EXPECT_FALSE(IsWindowVisible(program->Pole(O::tlHNDen0)));
  Klik({O::chHN0});
  ASSERT_TRUE(DOCKEJ(3s, IsWindowVisible(program->Pole(O::tlHNDen6))));
  Stiskni(VK_TAB);
  EXPECT_TRUE(DOCKEJ(2s, Fokus() == program->Pole(O::tlHNDen0))) << "after its check box";
  Stiskni(VK_RIGHT);
  EXPECT_TRUE(DOCKEJ(2s, Fokus() == program->Pole(O::tlHNDen1)));
  Stiskni(VK_SPACE);
  Klik({O::tlHNDen5});
  const auto plocha = [&](O den) { return Pixely(program->Pole(den), 3, -4, 1, 1)[0]; };  // inside the edge
  SetCursorPos(0, 0);  // no hover look on the day last clicked
  EXPECT_TRUE(DOCKEJ(2s, plocha(O::tlHNDen5) == GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(plocha(O::tlHNDen1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(plocha(O::tlHNDen0), GetSysColor(COLOR_3DHILIGHT));
  Aktivuj();
  EXPECT_TRUE(DOCKEJ(3s, Ulozeny() == "/vypnuti;kd;dny/po,st-pa,ne/;t/16:00/"));
  EXPECT_EQ(Text(O::lblHN), L"Vypnut\u00ed v po, st, \u010dt, p\u00e1, ne v 16:00.");
}

// The row "Podmínka" with the real drop-down list: opened by a click, an entry chosen by the arrows and
// Enter, Tab on to the box; "Změnit" reads the condition back and can put another in.
TEST_F(Editor_e2e, PodminkaVRozbalovacimSeznamu) {
  HWND seznam = program->Pole(O::cbHNPodminka);
  const auto vyber = [&](WORD klavesa, int kolikrat) {
    Klik({O::cbHNPodminka});
    ASSERT_TRUE(DOCKEJ(3s, SendMessageW(seznam, CB_GETDROPPEDSTATE, 0, 0)));
    for (int i = 0; i < kolikrat; ++i) Stiskni(klavesa);
    Stiskni(VK_RETURN);
    ASSERT_TRUE(DOCKEJ(3s, !SendMessageW(seznam, CB_GETDROPPEDSTATE, 0, 0)));
    Stiskni(VK_TAB);
    ASSERT_TRUE(DOCKEJ(3s, Fokus() == program->Pole(O::txtHNPodminka))) << "the box is the next stop";
  };
  Klik({O::tlHNastaveni, O::opHN4});
  NapisDo(O::txtHNCas, L"23:00");
  EXPECT_FALSE(IsWindowVisible(program->Pole(O::txtHNPodminka)));
  vyber(VK_DOWN, 2);
  EXPECT_EQ(Text(O::lblHNUdaj), L"Minut");
  Napis(L"15");
  Aktivuj();
  EXPECT_TRUE(DOCKEJ(3s, Ulozeny().starts_with("/spanek;klid/15/;t/23:00/;d/"))) << "stored with its day";
  EXPECT_TRUE(Text(O::lblHN).starts_with(L"Sp\u00e1nek po 15 minut\u00e1ch klidu, nejd\u0159\u00edve "));

  Klik({O::tlHNastaveniZ});
  ASSERT_TRUE(DOCKEJ(3s, IsWindowEnabled(seznam)));
  EXPECT_EQ(SendMessageW(seznam, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(O::txtHNPodminka), L"15");
  vyber(VK_UP, 1);
  EXPECT_EQ(Text(O::txtHNPodminka), L"") << "a name does not start from minutes";
  Napis(L"render.exe");
  Aktivuj();
  EXPECT_TRUE(DOCKEJ(3s, Ulozeny().starts_with("/spanek;po/render.exe/;t/23:00/")));
}
