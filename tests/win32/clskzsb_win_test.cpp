#include "zaklad_win.h"

#include "controls/status_bar/clskzsb_win.h"

namespace {

// The test program loads the common controls at its start, as it did while the program linked them:
// without them, Wine's virtual desktop came up without its taskbar in the end-to-end runs, and so
// without the work area that they compare the main window with.
const bool spolecne_ovladace = (InitCommonControls(), true);

HICON IkonaListy(HWND lista) { return reinterpret_cast<HICON>(SendMessageW(lista, SB_GETICON, 0, 0)); }

// Whether an icon handle still stands for a live icon.
bool Zije(HICON ikona) {
  ICONINFO info{};
  const bool zije = GetIconInfo(ikona, &info);
  DeleteObject(info.hbmMask);  // both stay null when the call fails
  DeleteObject(info.hbmColor);
  return zije;
}

}  // namespace

TEST(StavovyRadek, PolohaTextAIkony) {
  TestovaciOkno okno(300, 200);
  clskzsb sb;
  HWND lista = sb.sbCreate(okno.hwnd());
  sb.sbResize();
  EXPECT_EQ(Misto(lista), "2,178 296x20");

  SendMessageW(okno.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
  for (const auto& [text, ikona, ocekavano] :
       {std::tuple{"Vypnutí bylo stornováno.", 32516, "icon"}, std::tuple{"Bez ikony", 0, "none"},
        std::tuple{"Ikona okna", 1, "icon"}}) {
    sb.sbSetIconText(text, 0, ikona);
    EXPECT_EQ(Utf8(TextOkna(lista)) + (IkonaListy(lista) ? " icon" : " none"), std::string(text) + " " + ocekavano);
  }
}

TEST(StavovyRadek, TisicVolaniNeztratiZadnouIkonu) {
  TestovaciOkno okno;
  auto sb = std::make_unique<clskzsb>();
  HWND lista = sb->sbCreate(okno.hwnd());
  sb->sbSetIconText("", 0, 32516);
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  std::vector<HICON> ukazane;
  for (int i = 0; i < 1000; ++i) {
    sb->sbSetIconText("Text " + std::to_string(i), 0, 32512 + i % 6);
    ukazane.push_back(IkonaListy(lista));
  }
  sb->sbSetIconText("", 0, 32516);
  // Where the system counts handles (Windows; Wine does not), the counts are back where they were.
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  // Every copy shown before the last one is gone; the last goes with the object.
  EXPECT_EQ(std::count_if(ukazane.begin(), ukazane.end(), Zije), 0);
  HICON posledni = IkonaListy(lista);
  EXPECT_TRUE(Zije(posledni));
  sb.reset();
  EXPECT_FALSE(IsWindow(lista));
  EXPECT_FALSE(Zije(posledni));
}
