#include <windows.h>
#include "app/program_win.h"
#include "core/prikazovy_radek.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

// One instance per logged-on user: the name lives in the session's own namespace.
constexpr wchar_t NazevMutexu[] = L"Local\\ZD-ZDKZ-vypnuti";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  OmezHledaniKnihoven();
  HANDLE mutex = CreateMutexW(nullptr, FALSE, NazevMutexu);
  if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  int vysledek = 0;
  {
    Program program;
    vysledek = program.Bez(TextArgumentu(Utf8(GetCommandLineW())));
  }
  KonecApartmanu();
  CloseHandle(mutex);
  return vysledek;
}
