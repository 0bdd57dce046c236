#include "platform/win32/cekej_win.h"

#include <gtest/gtest.h>

namespace {

int tiku = 0, zprav = 0;

LRESULT CALLBACK Prijemce(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_TIMER) {
    ++tiku;
    return 0;
  }
  if (zprava == WM_APP) {
    ++zprav;
    return 0;
  }
  return DefWindowProcW(okno, zprava, w, l);
}

class CekejWin : public ::testing::Test {
 protected:
  void SetUp() override {
    tiku = zprav = 0;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Prijemce;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PrijemceCekani";
    RegisterClassW(&wc);
    okno_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                            nullptr);
    ASSERT_NE(okno_, nullptr);
  }
  void TearDown() override { DestroyWindow(okno_); }
  HWND okno_ = nullptr;
};

TEST_F(CekejWin, CekaUrcenouDobu) {
  const ULONGLONG zacatek = GetTickCount64();
  EXPECT_EQ(Cekej(3000), WAIT_TIMEOUT);
  EXPECT_GE(GetTickCount64() - zacatek, 2900u);
}

TEST_F(CekejWin, ZpravySeBehemCekaniZpracuji) {
  SetTimer(okno_, 1, 50, nullptr);
  PostMessageW(okno_, WM_APP, 0, 0);
  EXPECT_EQ(Cekej(600), WAIT_TIMEOUT);
  KillTimer(okno_, 1);
  EXPECT_EQ(zprav, 1);
  EXPECT_GE(tiku, 2);
}

// A request to quit must not be swallowed by the wait: the program's own loop still has to see it.
TEST_F(CekejWin, PozadavekNaKonecZustaneVeFronte) {
  PostQuitMessage(5);
  EXPECT_EQ(Cekej(10000), WAIT_TIMEOUT);
  MSG zprava;
  ASSERT_TRUE(PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(zprava.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(zprava.wParam, 5u);
}

}  // namespace
