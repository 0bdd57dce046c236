#include "scheduler/casovac.h"

#include <chrono>
#include <string>

#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zbyvajici.h"

using namespace std::chrono;

void Casovac(bool zapnout) {
  if (zapnout) {
    if (stav.CasovacID == 0) stav.CasovacID = port<CasovacOkna>().Zapni();
    return;
  }
  port<CasovacOkna>().Vypni();
  stav.CasovacID = 0;
  UlozNastaveni();
}

bool VOknu(int od_h, int od_m, int do_h, int do_m, int hodina, int minuta) {
  if (od_h == do_h) return hodina == od_h && minuta >= od_m && minuta <= do_m;
  const bool na_zacatku = hodina == od_h && minuta >= od_m;
  const bool na_konci = hodina == do_h && minuta <= do_m;
  if (od_h < do_h) return na_zacatku || na_konci || (hodina > od_h && hodina < do_h);
  return na_zacatku || na_konci || hodina > od_h || hodina < do_h;
}

std::string TextTipu(Cas ted) {
  if (stav.OdDo == 1) {
    const seconds zacatek = stav.CilovyCas - floor<days>(stav.CilovyCas);
    return "Vypnutí od " + FormatHodinyMinuty(zacatek) + " do " + FormatHodinyMinuty(stav.DoCas) + ".";
  }
  const auto minut = (floor<minutes>(stav.CilovyCas) - floor<minutes>(ted)).count();
  const std::string fraze = TextZbyvajici(minut);
  return stav.Posunuti == 1 ? "POSUNUTÍ - " + fraze : fraze;
}

namespace {

MistniCasZaznam Zaznam(Cas cas) {
  const DatumCas d = RozlozCas(cas);
  return {d.rok, d.mesic, d.den_tydne, d.den, d.hodina, d.minuta, d.sekunda, 0};
}

bool JeMinutaVarovani(const MistniCasZaznam& t) {
  return t.rok == stav.Rok && t.mesic == stav.Mesic && t.den == stav.Den && t.hodina == stav.Hodina &&
         t.minuta == stav.Minuta;
}

void ObnovTip(Cas ted) {
  const std::string text = TextTipu(ted);
  port<IkonaListy>().NastavTip(text);
  if (stav.HlavniOtevreno == 1 && !port<HlavniOkno>().mmeActive()) {
    port<HlavniOkno>().StavovyRadek(text, ikona::Informace);
  }
}

}  // namespace

void CasovacTik() {
  const Cas ted = port<Hodiny>().Ted();
  if (stav.HlavniOtevreno == 1) {
    port<HlavniOkno>().UkazCas(FormatCasSekundy(ted), port<Mistni>().DlouheDatum(RozlozCas(ted)));
  }
  if (stav.UpozorneniBezi == 1) {
    KrokOdpoctu();
    return;
  }
  if (stav.Neaktivni != 0) return;

  stav.MistniCas = Zaznam(ted);
  const MistniCasZaznam& t = stav.MistniCas;
  if (stav.OdDo == 1) {
    if (VOknu(stav.Hodina, stav.Minuta, stav.DoHodina, stav.DoMinuta, t.hodina, t.minuta)) {
      ProvedAkci(0);
      return;
    }
  } else if (JeMinutaVarovani(t)) {
    Zobraz();
  }
  if (t.minuta != stav.PosledniMinuta) {
    stav.PosledniMinuta = t.minuta;
    ObnovTip(ted);
  }
}

void KrokOdpoctu() {
  if (stav.ZbyvaSekund > 1) {
    stav.MistniCas = Zaznam(port<Hodiny>().Ted());
    stav.ZbyvaSekund = static_cast<std::uint8_t>(60 - stav.MistniCas.sekunda);
  }
  const int n = stav.ZbyvaSekund;
  const bool akce_na_rade = n < 2;
  std::string text;
  if (akce_na_rade) {
    text = "Nashledanou";
    stav.Neaktivni = 1;
    stav.UpozorneniBezi = 0;
    port<IkonaListy>().NastavTip(text);
  } else {
    text = stav.AkceNazev + " za " + std::to_string(n) + (n <= 4 ? " vteřiny." : " vteřin.");
  }
  port<OknoUpozorneni>().NastavText(text);
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Vykricnik);
  if (akce_na_rade) ProvedAkci(0);
}
