#include "platform/win32/cekej_win.h"

#include "platform/cekej.h"

namespace {

// Every kind of input wakes the wait: keys, mouse, posted and sent messages, timers, paint, hot keys.
constexpr DWORD VsechnyVstupy = 0xFF;

// Dispatches all that is pending. A quit request is put back for the program's own message loop.
bool ZpracujZpravy() {
  MSG zprava;
  while (PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
    if (zprava.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(zprava.wParam));
      return false;
    }
    TranslateMessage(&zprava);
    DispatchMessageW(&zprava);
  }
  return true;
}

}  // namespace

std::uint32_t Cekej(std::uint32_t ms, const HANDLE* handles, std::uint32_t pocet) {
  const SystemCekani system{
      .tik = [] { return static_cast<std::uint32_t>(GetTickCount()); },
      .cekej =
          [&](std::uint32_t limit) {
            return static_cast<std::uint32_t>(
                MsgWaitForMultipleObjects(pocet, handles, FALSE, limit, VsechnyVstupy));
          },
      .zpracuj_zpravy = ZpracujZpravy,
  };
  return CekejSmyckou(ms, WAIT_OBJECT_0 + pocet, system);
}
