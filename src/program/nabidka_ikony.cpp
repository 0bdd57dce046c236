#include "program/nabidka_ikony.h"

#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "program/predani.h"
#include "scheduler/akce.h"
#include "scheduler/odlozeni.h"
#include "ui/main_window/hlavni_okno.h"

std::vector<Polozka> NabidkaIkony() {
  std::vector<Polozka> polozky = {{PolozkaNabidky::Otevrit, "&Otevřít"}};
  if (OdlozeniMozne()) polozky.push_back({PolozkaNabidky::Odlozit, "O&dložit o 10 minut"});
  // A box of ours waits for an answer: what would ask another question, or end the program under it, waits.
  if (port<Dialogy>().Otevreno()) return polozky;
  if ((stav.Neaktivni == 0 || stav.AkceBezi == 1) && StornoMozne()) {
    polozky.push_back({PolozkaNabidky::Stornovat, "&Stornovat"});
  }
  polozky.push_back({PolozkaNabidky::Ukoncit, "&Ukončit"});
  return polozky;
}

void VyberZNabidky(PolozkaNabidky polozka) {
  switch (polozka) {
    case PolozkaNabidky::Otevrit:
      port<HlavniOkno>().Otevri();
      break;
    case PolozkaNabidky::Odlozit:
      Odloz();  // the countdown may have ended while the menu was open: then nothing
      break;
    case PolozkaNabidky::Stornovat:
      PrijmiPokyn("/storno");
      break;
    case PolozkaNabidky::Ukoncit:
      if (!port<Dialogy>().Otevreno()) tlHZavrit_Click();
      break;
  }
}
