#include "scheduler/zpravy_okna.h"

#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/zmeskane.h"

void ZpracujZpravuOkna(unsigned zprava, std::uintptr_t w, std::intptr_t l) {
  switch (zprava) {
    case zpravy_okna::ZmenaCasu:
      UlozNastaveni();
      HlidejZmeskane();
      ObnovProbuzeni();
      break;
    case zpravy_okna::Napajeni:
      if (w == zpravy_okna::Probuzeni) {
        if (stav.AkceBezi == 1) stav.SpanekBehemAkce = 1;  // the action does not follow unannounced
        PoProbuzeni();
        HlidejZmeskane();
      }
      break;
    case zpravy_okna::Casovac:
      if (w == zpravy_okna::IdCasovace) CasovacTik();
      break;
    case zpravy_okna::ZpravaIkony:
      // Opens it, or brings it to the front.
      if (l == zpravy_okna::LeveTlacitkoPusteno || l == zpravy_okna::VyberKlavesnici) port<HlavniOkno>().Otevri();
      break;
    default:
      break;
  }
}
