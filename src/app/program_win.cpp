#include "app/program_win.h"

#include <windows.h>

#include "app/nabidka_ikony_win.h"
#include "app/predani_win.h"
#include "controls/soft_button/tltext_win.h"
#include "core/stav.h"
#include "program/predani.h"
#include "program/start.h"
#include "program/zasady.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"

namespace {

// On the 95/98/ME family the program registers as a service process, so that logging off does not
// end it; the function exists only there, so it is looked up at run time.
void RegistrujSluzbu(const clsosgv& osgv) {
  if (osgv.WinPlatform() != platforma::Windows) return;
  if (!clsosgv::gvGetExistFunctionInDLL("kernel32.dll", "RegisterServiceProcess")) return;
  using RegisterServiceProcess = DWORD(WINAPI*)(DWORD, DWORD);
  const auto registruj = reinterpret_cast<RegisterServiceProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "RegisterServiceProcess")));
  if (registruj != nullptr) registruj(GetCurrentProcessId(), 1);
}

}  // namespace

// The soft buttons' keys first, then the main window's dialog keys (Tab and the arrows).
int Program::SmyckaZprav() {
  MSG zprava;
  while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
    if (tlText::PrelozKlavesu(zprava) || hlavni_.PrelozZpravu(zprava)) continue;
    TranslateMessage(&zprava);
    DispatchMessageW(&zprava);
  }
  return static_cast<int>(zprava.wParam);
}

Program::~Program() { Ukonci(); }

int Program::Bez(std::string_view argument) {
  stav.CasSpusteni = hodiny_.Ted();
  if (PokynZ(argument) == Pokyn::Storno) {
    ukonceno_ = true;  // nothing started, so the end path has nothing to store
    return ZrusUlozenyPlan();
  }
  RegistrujSluzbu(osgv_);
  upozorneni_.Predani = PrijmiPredani;
  upozorneni_.Nabidka = UkazNabidkuIkony;
  upozorneni_.ZmenaZasad = UplatniZasady;
  if (!Start(argument)) {
    Ukonci();
    return kod::Nic;
  }
  const int vysledek = SmyckaZprav();
  Ukonci();  // the loop may also end by a WM_QUIT that someone else posted
  return vysledek;
}

// Stopping the timer stores or forgets the schedule; the windows go after it, the warning window
// taking the hook and the icon with it. A program that ends while it closes the other programs ends no
// session after them.
void Program::Ukonci() {
  if (ukonceno_) return;
  ukonceno_ = true;
  ZrusAkci();
  Casovac(false);
  hlavni_.Zavri();
  upozorneni_.Uvolni();
  PostQuitMessage(0);
}
