#include <windows.h>

#include "controls/soft_button/tltext_win.h"
#include "core/prikazovy_radek.h"
#include "core/start.h"
#include "core/stav.h"
#include "platform/port.h"
#include "platform/win32/napajeni_win.h"
#include "platform/win32/okna_procesu_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/text_win.h"
#include "platform/win32/uloziste_win.h"
#include "platform/win32/zakladni_porty_win.h"
#include "scheduler/planovac_programu.h"
#include "system/clsosgv.h"
#include "ui/main_window/frmkzhlavni_win.h"
#include "ui/warning/frmkzupozorneni_win.h"

namespace {

// One instance per logged-on user: the name lives in the session's own namespace.
constexpr wchar_t NazevMutexu[] = L"Local\\ZD-ZDKZ-vypnuti";

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

int SmyckaZprav() {
  MSG zprava;
  while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
    if (tlText::PrelozKlavesu(zprava)) continue;
    TranslateMessage(&zprava);
    DispatchMessageW(&zprava);
  }
  return static_cast<int>(zprava.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, NazevMutexu);
  if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

  HodinyWin hodiny;
  DialogyWin dialogy;
  MistniWin mistni;
  UlozisteWin uloziste;
  NapajeniWin napajeni;
  OknaProcesuWin okna_procesu;
  SpoustecWin spoustec;
  PlanovacProgramu planovac;
  Pripojeni<Hodiny> p1(hodiny);
  Pripojeni<Dialogy> p2(dialogy);
  Pripojeni<Mistni> p3(mistni);
  Pripojeni<Uloziste> p4(uloziste);
  Pripojeni<Napajeni> p5(napajeni);
  Pripojeni<OknaProcesu> p6(okna_procesu);
  Pripojeni<Spoustec> p7(spoustec);
  Pripojeni<Planovac> p8(planovac);

  stav.CasSpusteni = hodiny.Ted();
  // The system-information probe may show a box, so it comes after the dialog port.
  clsosgv osgv;
  Pripojeni<InfoSystemu> p9(osgv);
  RegistrujSluzbu(osgv);

  frmkzupozorneni upozorneni;
  frmkzhlavni hlavni;
  Pripojeni<OknoUpozorneni> p10(upozorneni);
  Pripojeni<CasovacOkna> p11(upozorneni);
  Pripojeni<IkonaListy> p12(upozorneni.Ikona());
  Pripojeni<HlavniOkno> p13(hlavni);

  Start(TextArgumentu(Utf8(GetCommandLineW())));
  const int vysledek = SmyckaZprav();
  CloseHandle(mutex);
  return vysledek;
}
