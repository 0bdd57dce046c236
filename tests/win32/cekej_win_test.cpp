#include "zaklad_win.h"

#include "platform/win32/cekej_win.h"

int tiku = 0;
void CALLBACK Tik(HWND, UINT, UINT_PTR, DWORD) { ++tiku; }

// The timer's messages are dispatched while the wait lasts; a quit request is left for the program's
// own loop, and ends the wait at once.
TEST(CekejWin, CekaAZpravyTecou) {
  const UINT_PTR casovac = SetTimer(nullptr, 0, 50, Tik);
  const ULONGLONG zacatek = GetTickCount64();
  EXPECT_EQ(Cekej(600), WAIT_TIMEOUT);
  EXPECT_GE(GetTickCount64() - zacatek, 500u);
  EXPECT_GE(tiku, 2);
  KillTimer(nullptr, casovac);

  PostQuitMessage(5);
  EXPECT_EQ(Cekej(10000), WAIT_TIMEOUT);
  EXPECT_LT(GetTickCount64() - zacatek, 5000u);
  MSG zprava;
  ASSERT_TRUE(PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(std::pair(zprava.message, zprava.wParam), std::pair(UINT{WM_QUIT}, WPARAM{5}));
}
