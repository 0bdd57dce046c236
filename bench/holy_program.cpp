// The floor for the benchmark: the least a tray program can be. A hidden window, an icon in the
// notification area and a one-second timer, nothing else.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

namespace {

LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(okno, zprava, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW trida = {};
  trida.lpfnWndProc = Procedura;
  trida.hInstance = instance;
  trida.lpszClassName = L"holy";
  RegisterClassW(&trida);
  HWND okno = CreateWindowExW(0, L"holy", L"holy", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  NOTIFYICONDATAW ikona = {};
  ikona.cbSize = sizeof ikona;
  ikona.hWnd = okno;
  ikona.uFlags = NIF_ICON | NIF_TIP;
  ikona.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(ikona.szTip, L"holy");
  Shell_NotifyIconW(NIM_ADD, &ikona);
  SetTimer(okno, 1, 1000, nullptr);
  MSG zprava;
  while (GetMessageW(&zprava, nullptr, 0, 0) > 0) DispatchMessageW(&zprava);
  Shell_NotifyIconW(NIM_DELETE, &ikona);
  return 0;
}
