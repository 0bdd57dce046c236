#include "scheduler/casovac.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "core/dny.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "scheduler/akce.h"
#include "scheduler/hlidani.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zbyvajici.h"
#include "scheduler/zmeskane.h"

using namespace std::chrono;

void Casovac(bool zapnout) {
  if (zapnout) {
    if (stav.CasovacID != 0) return;
    stav.CasovacID = port<CasovacOkna>().Zapni();
    // The program sees the present from its start on: a clock set forward before the first tick passes
    // a moment in no time, as it does later. A timer started again keeps the last tick it had.
    if (stav.PosledniTik == milliseconds{0}) stav.PosledniTik = port<Hodiny>().Tik();
    return;
  }
  port<CasovacOkna>().Vypni();
  stav.CasovacID = 0;
  ZrusProbuzeni();
  UlozNastaveni();
  HlidejBdelost();  // no tick comes to let the computer sleep again
}

bool OhlasitOdpocet(int zbyvaSekund) { return zbyvaSekund > 0 && (zbyvaSekund % 10 == 0 || zbyvaSekund == 5); }

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
    return "Vypnutí od " + FormatHodinyMinuty(zacatek) + " do " + FormatHodinyMinuty(stav.DoCas) + DnyVeVete(stav.Dny) +
           ".";
  }
  // Never a negative count: a moment that has passed is being carried out, or is caught as missed.
  const auto minut = std::max<std::int64_t>((floor<minutes>(OkamzikAkce(ted)) - floor<minutes>(ted)).count(), 1);
  const bool ceka = !stav.Podminka.Zadne() && stav.UpozorneniBezi != 1;
  const std::string fraze = ceka ? TextCekani(ted) : TextZbyvajici(minut);
  return stav.Posunuti == 1 ? "POSUNUTÍ - " + fraze : fraze;
}

// Once the countdown runs, the action comes at its end if that is later than the moment the schedule
// named: a condition's moment only began its watch, and a warning always gets its whole minute.
Cas OkamzikAkce(Cas ted) {
  if (stav.UpozorneniBezi != 1) return stav.CilovyCas;
  const Cas konec = ted + ceil<seconds>(std::max(stav.KonecOdpoctu - port<Hodiny>().Tik(), milliseconds{0}));
  return std::max(stav.CilovyCas, konec);
}

// What the user would not expect is said first, once: a program that is to end but does not even run
// (the warning comes at once), and a schedule that no restart will bring back because the user switched
// the program off in Startup apps.
std::string TipPoAktivaci() {
  if (stav.Neaktivni != 0) return TipPlanu();
  if (stav.OdDo != 1 && port<Hodiny>().Ted() >= stav.CilovyCas) {
    if (std::string nebezi = TextProgramNebezi(stav.Podminka); !nebezi.empty()) return nebezi;
  }
  const bool ulozen = stav.KazdyDen == 1 || stav.JenRelace != 1;
  if (ulozen && stav.ZasadaParametr.empty() && stav.AutostartHlasen == 0 && !port<Uloziste>().AutostartPovolen()) {
    stav.AutostartHlasen = 1;
    return "Automatické spuštění je vypnuté ve Správci úloh: po restartu se akce nenaplánuje.";
  }
  return TipPlanu();
}

std::string TipPlanu() { return stav.Neaktivni == 0 ? TextTipu(port<Hodiny>().Ted()) : std::string(NazevAplikace); }

namespace {

MistniCasZaznam Zaznam(Cas cas) {
  const DatumCas d = RozlozCas(cas);
  return {d.rok, d.mesic, d.den_tydne, d.den, d.hodina, d.minuta, d.sekunda, 0};
}

// A window belongs to the day it opens on: past midnight, 22:00-06:00 is still the evening's.
bool OknoOtevrenoVPovolenyDen(Cas ted) {
  const seconds cas_dne = ted - floor<days>(ted);
  const bool po_pulnoci = cas_dne < hours{stav.Hodina} + minutes{stav.Minuta};
  return DenPovolen(stav.Dny, po_pulnoci ? ted - days{1} : ted);
}

bool JeMinutaVarovani(const MistniCasZaznam& t) {
  if (port<Hodiny>().Tik() < stav.NejdriveVarovani) return false;
  return t.rok == stav.Rok && t.mesic == stav.Mesic && t.den == stav.Den && t.hodina == stav.Hodina &&
         t.minuta == stav.Minuta;
}

void ObnovTip(Cas ted) {
  if (!stav.OdlozenaBublina.empty()) return;  // its text stands until the balloon is shown
  const std::string text = TextTipu(ted);
  port<IkonaListy>().NastavTip(text);
  if (stav.HlavniOtevreno == 1 && !port<HlavniOkno>().mmeActive()) {
    const bool bez_buzeni = stav.OdDo == 1 || !stav.Podminka.Zadne();
    const std::string buzeni = bez_buzeni ? std::string{} : TextBezProbuzeni(stav.Akce);
    port<HlavniOkno>().StavovyRadek(buzeni.empty() ? text : text + " " + buzeni, ikona::Informace);
  }
}

void KrokPlanu() {
  const Cas ted = port<Hodiny>().Ted();
  if (stav.HlavniOtevreno == 1) {
    port<HlavniOkno>().UkazCas(FormatCasSekundy(ted), port<Mistni>().DlouheDatum(RozlozCas(ted)));
  }
  if (stav.UpozorneniBezi == 1) {
    HlidejZmeskane();  // a countdown the computer slept through ends no session
    if (stav.UpozorneniBezi == 1) KrokOdpoctu();
    return;
  }
  if (stav.Neaktivni != 0) return;

  stav.MistniCas = Zaznam(ted);
  const MistniCasZaznam& t = stav.MistniCas;
  if (stav.OdDo == 1) {
    // With another user at the computer the window waits until this user's session has it again. The
    // action is tried once: not at every tick while the session ends, nor after it was refused.
    if (VOknu(stav.Hodina, stav.Minuta, stav.DoHodina, stav.DoMinuta, t.hodina, t.minuta) &&
        OknoOtevrenoVPovolenyDen(ted) && CiziRelace(stav.Akce).empty()) {
      ProvedAkci(0);
      stav.Neaktivni = 1;
      return;
    }
  } else if (!stav.Podminka.Zadne()) {
    HlidejPodminky(ted);
  } else if (JeMinutaVarovani(t)) {
    // The whole minute, whatever second of it the schedule was armed or the computer woke in: never a
    // countdown of seconds. It began that late into its minute.
    stav.Zpozdeni = ted - (stav.CilovyCas - minutes{1});
    Zobraz(seconds{60});
  } else {
    HlidejZmeskane();
  }
  if (stav.Neaktivni == 0 && t.minuta != stav.PosledniMinuta) {
    stav.PosledniMinuta = t.minuta;
    ObnovTip(ted);
  }
}

}  // namespace

void CasovacTik() {
  HlidejKonecSezeni();
  KrokPlanu();
  HlidejProbuzeni();
  HlidejBdelost();  // after an action: held through it, the closing passes of ";kv" too
  HlidejOdlozenouBublinu();
  stav.PosledniTik = port<Hodiny>().Tik();
}

// The seconds left are read off the steady clock: ticks that did not come, or a clock set back in the
// middle of the countdown, change nothing of its end.
//
// The last second says "Nashledanou", and the action comes once the countdown is over: never less than
// a whole minute after the warning appeared, and a cancel still counts in that last second.
void KrokOdpoctu() {
  const milliseconds zbyva = stav.KonecOdpoctu - port<Hodiny>().Tik();
  stav.ZbyvaSekund = static_cast<std::uint8_t>(std::clamp<std::int64_t>(ceil<seconds>(zbyva).count(), 0, 60));
  const int n = stav.ZbyvaSekund;
  const bool akce_na_rade = zbyva <= milliseconds{0};
  std::string text;
  if (n < 2) {
    text = "Nashledanou";
  } else {
    text = stav.AkceNazev + " za " + std::to_string(n) + (n <= 4 ? " vteřiny." : " vteřin.");
  }
  if (akce_na_rade) {
    stav.Neaktivni = 1;
    stav.UpozorneniBezi = 0;
    port<IkonaListy>().NastavTip(text);
  }
  port<OknoUpozorneni>().NastavText(text);
  if (stav.SkrytStorno != 1 && OhlasitOdpocet(n)) port<OknoUpozorneni>().Ohlas();
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().StavovyRadek(text, ikona::Vykricnik);
  if (!akce_na_rade) return;
  // A daily schedule's day is dealt with: a start later that day (after the restart it ordered) must not
  // bring it back.
  if (stav.KazdyDen == 1) stav.Vyrizeno = stav.Posunuti == 1 ? stav.PredPosunutim.CilovyCas : stav.CilovyCas;
  if (!ProvedAkci(0)) PoAkciPlanu();
}

// A daily one waits for tomorrow, not for the next log-on, and a one-off one is done with, also for the
// next log-on. A cancel or a new schedule during the closing of programs may have armed one already.
void PoAkciPlanu() {
  if (stav.Neaktivni != 1 || stav.OdDo == 1) return;  // a window is tried again at the next start
  if (stav.KazdyDen != 1) {
    UlozNastaveni();
  } else {
    PrenesNaDalsiDen();
    stav.Neaktivni = 0;
  }
}
