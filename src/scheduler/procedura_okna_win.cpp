#include "scheduler/procedura_okna_win.h"

#include "scheduler/zpravy_okna.h"

namespace {

HWND hookovane_okno = nullptr;
WNDPROC PuvodniWndProc = nullptr;  // kept after the restore: a message in flight still passes it on
bool hook_nastaven = false;

}  // namespace

HWND hWndUpozorneni() { return hookovane_okno; }

void NastavHook(HWND okno) {
  hookovane_okno = okno;
  PuvodniWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(okno, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProceduraOkna)));
  hook_nastaven = PuvodniWndProc != nullptr;
}

void ZrusHook() {
  if (!hook_nastaven) return;
  SetWindowLongPtrW(hookovane_okno, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PuvodniWndProc));
  hook_nastaven = false;
}

LRESULT CALLBACK ProceduraOkna(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  try {
    ZpracujZpravuOkna(zprava, w, l);
  } catch (...) {
    // Nothing may leave a window procedure; the next tick tries again.
  }
  return CallWindowProcW(PuvodniWndProc, okno, zprava, w, l);
}
