#include "scheduler/upozorneni.h"

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/probuzeni.h"

void Zobraz(std::chrono::milliseconds odpocet) {
  if (stav.SkrytStorno != 1) {
    port<OknoUpozorneni>().Ukaz(stav.ZakazStorna == 0);
    port<OknoUpozorneni>().Zazni();
  }
  stav.ZbyvaSekund = 60;
  stav.KonecOdpoctu = port<Hodiny>().Tik() + odpocet;
  stav.UpozorneniBezi = 1;
  // With cancelling forbidden the icon goes too, so nothing is left to stop the action with.
  if (stav.ZakazStorna == 1) port<IkonaListy>().Odeber();
  HlidejBdelost();
}

void Skryj() {
  port<OknoUpozorneni>().Schovej();
  port<IkonaListy>().Vrat();
  stav.UpozorneniBezi = 0;
  HlidejBdelost();
}

void cmKZS_Click() {
  stav.Neaktivni = 1;
  Skryj();
  const std::string text = stav.AkceNazev + " bylo stornováno.";
  port<IkonaListy>().NastavTip(text);
  port<HlavniOkno>().Otevri();  // opens it, or brings it to the front
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Informace);
}
