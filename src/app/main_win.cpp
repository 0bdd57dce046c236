#include <windows.h>
#include <ole2.h>

#include "app/program_win.h"
#include "core/prikazovy_radek.h"
#include "platform/win32/text_win.h"

namespace {

// One instance per logged-on user: the name lives in the session's own namespace.
constexpr wchar_t NazevMutexu[] = L"Local\\ZD-ZDKZ-vypnuti";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, NazevMutexu);
  if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  // A single-threaded apartment for the program's life: only through it can a screen reader in another
  // process reach the buttons' accessible objects. It ends after the last window is gone.
  const HRESULT ole = OleInitialize(nullptr);
  int vysledek = 0;
  {
    Program program;
    vysledek = program.Bez(TextArgumentu(Utf8(GetCommandLineW())));
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  CloseHandle(mutex);
  return vysledek;
}
