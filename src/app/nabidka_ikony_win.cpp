#include "app/nabidka_ikony_win.h"

#include <shellapi.h>

#include "platform/win32/text_win.h"
#include "program/nabidka_ikony.h"

// The system's rules for a tray menu: the owner comes to the front first, or the menu would not close
// when the user clicks elsewhere; a message after it lets the menu go for good. The menu opens at the
// pointer; asked by the keyboard (Shift+F10, the menu key), the pointer may be anywhere, so at the icon.
void UkazNabidkuIkony(HWND vlastnik) {
  HMENU nabidka = CreatePopupMenu();
  if (nabidka == nullptr) return;
  for (const Polozka& p : NabidkaIkony()) {
    AppendMenuW(nabidka, MF_STRING, static_cast<UINT_PTR>(p.id), Utf16(p.text).c_str());
  }
  SetMenuDefaultItem(nabidka, static_cast<UINT>(PolozkaNabidky::Otevrit), FALSE);
  POINT kde{};
  GetCursorPos(&kde);
  NOTIFYICONIDENTIFIER ikona{sizeof ikona, vlastnik, 1, {}};
  RECT misto{};
  if (Shell_NotifyIconGetRect(&ikona, &misto) == S_OK && !PtInRect(&misto, kde)) {
    kde = {(misto.left + misto.right) / 2, misto.top};
  }
  const HWND predtim = GetForegroundWindow();
  SetForegroundWindow(vlastnik);
  const UINT volba = static_cast<UINT>(TrackPopupMenu(
      nabidka, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, kde.x, kde.y, 0, vlastnik, nullptr));
  PostMessageW(vlastnik, WM_NULL, 0, 0);
  DestroyMenu(nabidka);
  if (volba != 0) {
    VyberZNabidky(static_cast<PolozkaNabidky>(volba));
  } else if (predtim != nullptr && predtim != vlastnik) {
    SetForegroundWindow(predtim);  // dismissed: the user goes on where they were
  }
}
