#include "ui/ikony_okna_win.h"

#include "platform/zdroje.h"

namespace {

HICON NactiIkonu(int velikost) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VYPNUTI), IMAGE_ICON, velikost, velikost, 0));
}

}  // namespace

void IkonyOkna::Nastav(HWND okno, int velka, int mala) {
  velka_.Vymen(NactiIkonu(velka));
  mala_.Vymen(NactiIkonu(mala));
  SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(velka_.Handle()));
  SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mala_.Handle()));
}
