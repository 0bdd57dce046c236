#include "scheduler/upozorneni.h"

#include <string>

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/kdy.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/zmeskane.h"

namespace {

// The administrator's line first (Group Policy), then the other users signed in.
void UkazOkno() {
  std::string poznamka = stav.ZasadaZprava;
  if (const std::string jini = VetaOJinych(stav.Akce); !jini.empty())
    poznamka += (poznamka.empty() ? "" : "\r\n") + jini;
  port<OknoUpozorneni>().Ukaz(stav.ZakazStorna == 0, poznamka);
}

}  // namespace

void Zobraz(std::chrono::milliseconds odpocet) {
  if (stav.SkrytStorno != 1) {
    UkazOkno();
    port<OknoUpozorneni>().Zazni();
  }
  stav.ZbyvaSekund = 60;
  stav.KonecOdpoctu = port<Hodiny>().Tik() + odpocet;
  stav.UpozorneniBezi = 1;
  // With cancelling forbidden the icon goes too, so nothing is left to stop the action with.
  if (stav.ZakazStorna == 1) port<IkonaListy>().Odeber();
  HlidejBdelost();
}

void ObnovPoznamku() {
  if (stav.UpozorneniBezi == 1 && stav.SkrytStorno != 1) UkazOkno();
}

void Skryj() {
  port<OknoUpozorneni>().Schovej();
  port<IkonaListy>().Vrat();
  stav.UpozorneniBezi = 0;
  HlidejBdelost();
}

// A daily schedule loses this day's action only: it stays stored for the next log-on anyway, and a
// computer that only ever sleeps should not lose it until a restart. A one-off one is done with, at
// once, also in the store.
void cmKZS_Click() {
  std::string text = TextStornovano();
  ZrusAkci();  // the programs may be being closed already: the action stops there
  Skryj();
  if (stav.KazdyDen == 1) {
    PrenesNaDalsiDen();  // stored with the day it leaves behind
    stav.Neaktivni = 0;
    text += " Příště proběhne " + Kdy(stav.CilovyCas, port<Hodiny>().Ted()) + ".";
  } else {
    stav.Neaktivni = 1;
    UlozNastaveni();
  }
  port<IkonaListy>().NastavTip(text);
  port<HlavniOkno>().Otevri();  // opens it, or brings it to the front
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Informace);
}
