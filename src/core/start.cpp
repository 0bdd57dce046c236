#include "core/start.h"

#include <string>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "scheduler/casovac.h"

namespace {

// A stored schedule wins over the command line; the autostart entry's command line carries the
// stored form, a command typed by the user is plain.
std::string ParametrKeSpusteni(std::string_view argument) {
  std::string parametr(argument);
  const std::string ulozeny = port<Uloziste>().CtiParametr();
  if (!ulozeny.empty() && ulozeny != parametr) parametr = ulozeny;
  if (auto prosty = RozbalUlozenyTvar(parametr)) parametr = std::move(*prosty);
  return parametr;
}

}  // namespace

void Start(std::string_view argument) {
  const std::string parametr = ParametrKeSpusteni(argument);
  bool aktivni = false;
  if (!parametr.empty()) {
    stav.PriSpusteni = 1;
    aktivni = RozeberParametr(parametr, false, false);
  }
  // The warning window comes first: it owns the icon and the timer.
  if (!aktivni) stav.Neaktivni = 1;
  port<OknoUpozorneni>().Nacti();
  Casovac(true);
  if (!aktivni) {
    port<IkonaListy>().NastavTip(NazevAplikace);
    port<HlavniOkno>().Otevri();
  }
  stav.PriSpusteni = 0;
}
