#include "program/zasady.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "core/kalendar.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/uloziste.h"
#include "platform/zasady.h"
#include "program/start.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmena_planu.h"

namespace {

constexpr std::size_t NejvicZnakuZpravy = 200;
constexpr const char* TextChybneZasady = "Zásada správce obsahuje chybné zadání.";

template <class T>
std::optional<T> Hodnota(std::string_view nazev, std::optional<T> (Zasady::*cti)(Rozsah, std::string_view)) {
  Zasady& zasady = port<Zasady>();
  if (auto pocitac = (zasady.*cti)(Rozsah::Pocitac, nazev)) return pocitac;
  return (zasady.*cti)(Rozsah::Uzivatel, nazev);
}

// One line of the warning, cut to 200 characters: letters, not the bytes of a Czech one.
std::string RadekZpravy(std::string text) {
  std::ranges::replace_if(
      text, [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
  text.erase(0, text.find_first_not_of(' '));  // blanks alone would show an empty band
  text.erase(text.find_last_not_of(' ') + 1);
  std::size_t znaku = 0, konec = 0;
  for (; konec < text.size(); ++konec)
    if ((static_cast<unsigned char>(text[konec]) & 0xC0) != 0x80 && ++znaku > NejvicZnakuZpravy) break;
  text.resize(konec);
  return text;
}

// A schedule that means the same at every start: a clock time, a date, a day, a window. An action
// without a time would act at every log-on, a number of minutes or a condition without a time would
// count from each start anew. Read on a copy of the state; nothing is stored meanwhile.
bool Platny(const std::string& text) {
  const BezUkladani bez_ukladani;
  const StavPlanu predtim = stav;
  stav.ZasadaParametr = text;
  const Rozbor rozbor = Rozeber(text, true, false, true);
  const bool platny = rozbor != Rozbor::Odmitnuto && stav.RezimMinuty != 1 && stav.BezCasu != 1;
  stav = predtim;
  return platny;
}

void OhlasChybu() {
  if (stav.HlavniOtevreno == 1) {
    port<HlavniOkno>().StavovyRadek(TextChybneZasady, ikona::Vykricnik);
  } else {
    stav.HlaseniOkna = TextChybneZasady;
  }
}

}  // namespace

ZasadySpravce CtiZasady() {
  ZasadySpravce z;
  z.zprava = RadekZpravy(Hodnota<std::string>(zasada::Zprava, &Zasady::Text).value_or(""));
  z.zakaz_vlastnich = Hodnota<std::uint32_t>(zasada::ZakazatVlastniPlany, &Zasady::Cislo) == 1u;
  // The first schedule the program takes, the computer's before the user's: a refused one counts as none.
  for (const Rozsah rozsah : {Rozsah::Pocitac, Rozsah::Uzivatel}) {
    const std::string text = port<Zasady>().Text(rozsah, zasada::Parametr).value_or("");
    if (text.empty()) continue;
    if (Platny(text)) {
      z.parametr = text;
      break;
    }
    if (z.chybny.empty()) z.chybny = text;
  }
  return z;
}

// Nothing of the change is stored: UlozNastaveni leaves the store alone while the administrator's
// schedule or ban is in force, so the one that goes leaves the user's stored schedule as it was. A
// change is taken up at once, also while a box of the program is up: the code after each box asks the
// administrator again.
bool UplatniZasady() {
  const ZasadySpravce z = CtiZasady();
  if (z.zprava != std::exchange(stav.ZasadaZprava, z.zprava)) ObnovPoznamku();
  if (z.chybny != stav.ZasadaChybna && !z.chybny.empty()) OhlasChybu();  // once, not at every refresh
  stav.ZasadaChybna = z.chybny;
  const std::uint8_t zakaz = z.zakaz_vlastnich ? 1 : 0;
  // A ban changes nothing under the administrator's own schedule.
  if (z.parametr == stav.ZasadaParametr && (zakaz == stav.ZakazVlastnich || !z.parametr.empty())) {
    stav.ZakazVlastnich = zakaz;
    return true;
  }
  if (!StornoMozne()) return false;
  stav.ZakazVlastnich = zakaz;
  if (!z.parametr.empty()) stav.ZasadaParametr = z.parametr;
  // What was in force stops (the administrator's old schedule, or the user's own under a new ban) and
  // what comes is armed, with nothing stored: neither is a day dealt with.
  const BezUkladani bez_ukladani;
  ZrusPlan();
  if (!z.parametr.empty()) {
    // The day's moment already dealt with (cancelled in the warning, carried out) stays so after a log-on.
    const std::string vyrizeno = port<Uloziste>().CtiVyrizenoSpravce();
    const auto konec = vyrizeno.find('\n');
    stav.Parametr = z.parametr;
    stav.Vyrizeno = konec != std::string::npos && vyrizeno.substr(konec + 1) == z.parametr
                        ? CtiOkamzik(vyrizeno.substr(0, konec)).value_or(Cas{})
                        : Cas{};
    Rozeber(z.parametr, true, false, true);
  } else {
    stav.ZasadaParametr.clear();
    ObnovUlozeny(false);  // not under a ban
  }
  port<IkonaListy>().NastavTip(TipPlanu());
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().PlanZvenku(TipPlanu());
  return true;
}
