#include <windows.h>

#include "core/parametr.h"
#include "core/prikazovy_radek.h"
#include "core/stav.h"
#include "platform/port.h"
#include "platform/win32/text_win.h"
#include "platform/win32/zakladni_porty_win.h"
#include "platform/planovac.h"
#include "platform/system.h"
#include "system/clsosgv.h"

namespace {

// Until the scheduler's store and actions exist, the parser's requests go nowhere.
class PlanovacZatim final : public Planovac {
 public:
  void UlozNastaveni() override {}
  void ProvedAkci(std::uint8_t) override {}
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HodinyWin hodiny;
  DialogyWin dialogy;
  MistniWin mistni;
  PlanovacZatim planovac;
  Pripojeni<Hodiny> p1(hodiny);
  Pripojeni<Dialogy> p2(dialogy);
  Pripojeni<Mistni> p3(mistni);
  Pripojeni<Planovac> p4(planovac);

  stav.CasSpusteni = hodiny.Ted();
  // The one system-information object; its probe may show a box, so it comes after the dialog port.
  clsosgv osgv;
  Pripojeni<InfoSystemu> p5(osgv);

  const std::string radek = Utf8(GetCommandLineW());
  const std::string text{TextArgumentu(radek)};
  if (!text.empty()) {
    stav.PriSpusteni = 1;
    RozeberParametr(text, false, false);
    stav.PriSpusteni = 0;
  }
  return 0;
}
