#include "controls/status_bar/clskzsb_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win32/text_win.h"
#include "testovaci_okno.h"

namespace {

HICON IkonaListy(HWND lista) { return reinterpret_cast<HICON>(SendMessageW(lista, SB_GETICON, 0, 0)); }

std::wstring TextListy(HWND lista) {
  wchar_t text[128] = {};
  SendMessageW(lista, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

// Whether an icon handle still stands for a live icon.
bool Zije(HICON ikona) {
  ICONINFO info{};
  if (!GetIconInfo(ikona, &info)) return false;
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

}  // namespace

TEST(StavovyRadek, PolohaTextAIkony) {
  TestovaciOkno okno(300, 200);
  clskzsb sb;
  sb.sbSetIconText("před vytvořením", 0, 32516);  // no window yet: nothing happens
  sb.sbResize();
  HWND lista = sb.sbCreate(okno.hwnd());
  ASSERT_NE(lista, nullptr);
  EXPECT_EQ(GetParent(lista), okno.hwnd());
  EXPECT_EQ(TextListy(lista), L"");
  EXPECT_EQ(IkonaListy(lista), nullptr);

  sb.sbResize();
  RECT r{};
  GetWindowRect(lista, &r);
  MapWindowPoints(nullptr, okno.hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 178);
  EXPECT_EQ(r.right - r.left, 296);
  EXPECT_EQ(r.bottom - r.top, 20);

  const struct {
    const char* text;
    int ikona;
    bool maIkonu;
  } pripady[] = {{"Vypnutí bylo stornováno.", 32516, true}, {"Bez ikony", 0, false}, {"Okno", 1, true},
                 {"Neznámá", 42, false},                      {"Logo", 32517, true}};
  SendMessageW(okno.hwnd(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(32512))));
  for (const auto& p : pripady) {
    sb.sbSetIconText(p.text, 0, p.ikona);
    EXPECT_EQ(TextListy(lista), Utf16(p.text)) << p.text;
    EXPECT_EQ(IkonaListy(lista) != nullptr, p.maIkonu) << p.text;
  }
  sb.sbSetIconText("bez okraje", 256, 0);
  EXPECT_EQ(HIWORD(SendMessageW(lista, SB_GETTEXTLENGTHW, 0, 0)), SBT_NOBORDERS);
}

TEST(StavovyRadek, TisicVolaniNeztratiZadnouIkonu) {
  TestovaciOkno okno(300, 200);
  auto sb = std::make_unique<clskzsb>();
  HWND lista = sb->sbCreate(okno.hwnd());
  const int kody[] = {32512, 32515, 32516, 32517, 0, 32516};
  sb->sbSetIconText("", 0, 32516);
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);

  std::vector<HICON> ukazane;
  for (int i = 0; i < 1000; ++i) {
    sb->sbSetIconText("Text " + std::to_string(i), 0, kody[i % 6]);
    if (HICON h = IkonaListy(lista)) ukazane.push_back(h);
  }
  sb->sbSetIconText("", 0, 32516);
  // Where the system counts handles (Windows; Wine does not), the counts are back where they were.
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  // Every copy shown before the last one is gone.
  int zive = 0;
  for (HICON h : ukazane) zive += Zije(h);
  EXPECT_EQ(zive, 0);
  HICON posledni = IkonaListy(lista);
  EXPECT_TRUE(Zije(posledni));

  sb.reset();  // the object takes its window and its icon with it
  EXPECT_FALSE(IsWindow(lista));
  EXPECT_FALSE(Zije(posledni));
}
