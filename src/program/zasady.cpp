#include "program/zasady.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/zasady.h"
#include "program/start.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
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
  const std::string parametr = Hodnota<std::string>(zasada::Parametr, &Zasady::Text).value_or("");
  (parametr.empty() || Platny(parametr) ? z.parametr : z.chybny) = parametr;
  return z;
}

// Nothing of the change is stored: UlozNastaveni leaves the store alone while the administrator's
// schedule is in force, so the one that goes leaves the user's stored schedule as it was.
bool UplatniZasady() {
  if (port<Dialogy>().Otevreno()) return false;
  const ZasadySpravce z = CtiZasady();
  stav.ZasadaZprava = z.zprava;
  stav.ZakazVlastnich = z.zakaz_vlastnich ? 1 : 0;
  if (z.chybny != stav.ZasadaChybna && !z.chybny.empty()) OhlasChybu();  // once, not at every refresh
  stav.ZasadaChybna = z.chybny;
  if (z.parametr == stav.ZasadaParametr) return true;
  if (!StornoMozne()) return false;
  if (!z.parametr.empty()) stav.ZasadaParametr = z.parametr;
  ZrusPlan();
  if (!z.parametr.empty()) {
    Rozeber(z.parametr, true, false, true);
  } else {
    stav.ZasadaParametr.clear();
    ObnovUlozeny(false);
  }
  port<IkonaListy>().NastavTip(TipPlanu());
  if (stav.HlavniOtevreno == 1) port<HlavniOkno>().PlanZvenku(TipPlanu());
  return true;
}
