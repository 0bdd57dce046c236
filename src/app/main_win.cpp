#include <windows.h>
#include "app/predani_win.h"
#include "app/program_win.h"
#include "core/prikazovy_radek.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"
#include "program/predani.h"

namespace {

// One instance per logged-on user: the name lives in the session's own namespace.
constexpr wchar_t NazevMutexu[] = L"Local\\ZD-ZDKZ-vypnuti";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  OmezHledaniKnihoven();
  const std::string prikazovy_radek = Utf8(GetCommandLineW());
  const std::string_view argument = TextArgumentu(prikazovy_radek);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, NazevMutexu);
  if (mutex == nullptr) return 0;
  // Started again: the running program takes the command line, and its answer is the exit code.
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return PredejBezicimu(argument);
  }
  if (PokynZ(argument) == Pokyn::Stav) {
    VypisNaKonzoli("Program neběží.");
    CloseHandle(mutex);
    return kod::Nic;
  }
  int vysledek = 0;
  {
    Program program;
    vysledek = program.Bez(argument);
  }
  KonecApartmanu();
  CloseHandle(mutex);
  return vysledek;
}
