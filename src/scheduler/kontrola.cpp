#include "scheduler/kontrola.h"

#include <chrono>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/cislo.h"
#include "core/kalendar.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/port.h"

namespace {

constexpr double MaxMinut = 525600;
constexpr double MaxDni = 365;

constexpr std::string_view DoplnteHodinu = "Doplňte prosím hodinu.";
constexpr std::string_view DoplnteMinuty = "Doplňte prosím minuty.";
constexpr std::string_view DoplnteDen = "Doplňte prosím den.";
constexpr std::string_view DoplnteMesic = "Doplňte prosím měsíc.";
constexpr std::string_view DoplnteRok = "Doplňte prosím rok.";

// The caret counts characters, so continuation bytes of UTF-8 do not count.
int Znaku(std::string_view text) {
  int pocet = 0;
  for (const char c : text) pocet += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return pocet;
}

std::optional<double> Cislo(std::string_view text) {
  return CtiCeleCislo(text, port<Mistni>().DesetinnyOddelovac());
}

// A day, month, hour or minute: at most two characters that read as a number within the range.
std::optional<int> CastVRozsahu(std::string_view cast, int od, int az) {
  if (Znaku(cast) >= 3) return std::nullopt;
  const auto hodnota = Cislo(cast);
  if (!hodnota || *hodnota < od || *hodnota > az) return std::nullopt;
  return static_cast<int>(*hodnota);
}

int DnuVMesici(int mesic) {
  switch (mesic) {
    case 2:
      return 29;  // whether the year has 29 February is decided once the year is known
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

// One check answering through message boxes with its own title.
struct Kontrola {
  PoleVstupu& pole;
  std::string_view titulek;

  void Hlas(std::string_view zprava, unsigned ikona = styl::Vykricnik) const {
    port<Dialogy>().Zprava(zprava, titulek, styl::Ok | ikona);
  }
  bool Odmitni(int kurzor) const {
    pole.kurzor = kurzor;
    return false;
  }
  bool Odmitni(int kurzor, std::string_view zprava, unsigned ikona = styl::Vykricnik) const {
    Hlas(zprava, ikona);
    return Odmitni(kurzor);
  }
};

Cas Dnes() { return std::chrono::floor<std::chrono::days>(port<Hodiny>().Ted()); }

// A date typed without a year gets this year, unless it lies later in the year than today: then the
// user may mean last year, and is asked.
int DoplnenyRok(int den, int mesic) {
  const DatumCas dnes = RozlozCas(Dnes());
  const bool pozdeji = mesic > dnes.mesic || (mesic == dnes.mesic && den > dnes.den);
  if (!pozdeji) return dnes.rok;

  // Only day and month are shown, but the locale formats whole dates, and 29 February needs a leap year.
  constexpr int PrestupnyRok = 2000;
  const int rok_zadani = (mesic == 2 && den == 29 && !JePrestupny(dnes.rok)) ? PrestupnyRok : dnes.rok;
  Mistni& mistni = port<Mistni>();
  const std::string otazka =
      "Zadávané datum " + mistni.DenMesicSlovy(den, mesic, rok_zadani) + " je vyšší než datum dnešní " +
      mistni.DenMesicSlovy(dnes.den, dnes.mesic, dnes.rok) + ".\r\nPřejete si doplnit aktuální rok " +
      std::to_string(dnes.rok) + ". V opačném případě bude doplněn rok předešlý.";
  const int volba = port<Dialogy>().Zprava(otazka, "Datum", styl::AnoNe | styl::Otaznik);
  return volba == odpoved::Ne ? dnes.rok - 1 : dnes.rok;
}

}  // namespace

// The time box holds either a clock time "H:mm" or a number of minutes from now. The parts are
// checked from the left so the caret can go to the first one that is wrong; a part that is not a
// number at all is cut out, so the user types it afresh.
bool KontrolaCasu(PoleVstupu& pole) {
  const std::string t = pole.text;
  const Kontrola kontrola{pole, "Čas"};
  if (t.empty()) return true;

  const auto dvojtecka = t.find(':');
  if (dvojtecka == std::string::npos) {
    const auto minuty = Cislo(t);
    if (!minuty) return kontrola.Odmitni(0);
    if (std::abs(*minuty) > MaxMinut) {
      return kontrola.Odmitni(0, "Povolený počet minut je max. 525600 minut!");
    }
    return true;
  }

  const std::string_view hodina = std::string_view(t).substr(0, dvojtecka);
  const std::string_view minuta = std::string_view(t).substr(dvojtecka + 1);
  const int za_dvojteckou = Znaku(hodina) + 1;
  if (hodina.empty()) return kontrola.Odmitni(0, DoplnteHodinu);
  if (!Cislo(hodina)) {
    pole.text = t.substr(dvojtecka);
    return kontrola.Odmitni(0, DoplnteHodinu);
  }
  if (!CastVRozsahu(hodina, 0, 23)) {
    return kontrola.Odmitni(0, "Už jste si pohráli ? Upravte číselnou hodnotu hodiny.");
  }
  if (minuta.empty()) return kontrola.Odmitni(za_dvojteckou, DoplnteMinuty);
  if (!Cislo(minuta)) {
    pole.text = t.substr(0, dvojtecka + 1);
    return kontrola.Odmitni(za_dvojteckou, DoplnteMinuty);
  }
  if (!CastVRozsahu(minuta, 0, 59)) {
    return kontrola.Odmitni(za_dvojteckou, "Už jste si pohráli ? Upravte číselnou hodnotu minut.");
  }
  return true;
}

// The date box holds either "d.m.yyyy", "d.m" (the year is completed) or a number of days from
// today, which becomes the date it names. Like the time, the parts are checked from the left and a
// part that is no number is cut out. 29 February of a common year becomes the 28th instead of being
// refused, since the user clearly meant the end of the month.
bool KontrolaData(PoleVstupu& pole) {
  const std::string t = pole.text;
  const Kontrola kontrola{pole, "Datum"};
  if (t.empty()) return true;

  const auto tecka1 = t.find('.');
  if (tecka1 == std::string::npos) {
    // Five characters or more are too many days, whatever they say.
    const auto dny = Znaku(t) > 4 ? std::optional<double>(MaxDni + 1) : Cislo(t);
    if (!dny) {
      pole.text.clear();
      return kontrola.Odmitni(0);
    }
    if (std::abs(*dny) > MaxDni) {
      pole.text.clear();
      return kontrola.Odmitni(0, "Povolený počet dní je max. 365 dní!");
    }
    pole.text = FormatDatum(Dnes() + std::chrono::days{static_cast<int>(*dny)});
    return true;
  }

  const auto tecka2 = t.find('.', tecka1 + 1);
  const bool s_rokem = tecka2 != std::string::npos;
  const std::string_view vse = t;
  const std::string_view den = vse.substr(0, tecka1);
  const std::string_view mesic = vse.substr(tecka1 + 1, s_rokem ? tecka2 - tecka1 - 1 : std::string::npos);
  const std::string_view rok = s_rokem ? vse.substr(tecka2 + 1) : std::string_view{};
  const int za_teckou1 = Znaku(den) + 1;
  const int za_teckou2 = s_rokem ? Znaku(vse.substr(0, tecka2)) + 1 : 0;

  if (den.empty()) return kontrola.Odmitni(0, DoplnteDen);
  if (!Cislo(den)) {
    pole.text = t.substr(tecka1);
    return kontrola.Odmitni(0, DoplnteDen);
  }
  if (mesic.empty()) return kontrola.Odmitni(za_teckou1, DoplnteMesic);
  if (!Cislo(mesic)) {
    // The bad month is cut out and what follows it stays (nothing follows without a year).
    pole.text = t.substr(0, tecka1 + 1) + (s_rokem ? t.substr(tecka2) : std::string());
    return kontrola.Odmitni(za_teckou1, DoplnteMesic);
  }
  const auto m = CastVRozsahu(mesic, 1, 12);
  if (!m) return kontrola.Odmitni(za_teckou1, "Už jste si pohráli ? Upravte číselnou hodnotu měsíce.");
  const auto d = CastVRozsahu(den, 1, DnuVMesici(*m));
  if (!d) return kontrola.Odmitni(0, "Už jste si pohráli ? Upravte číselnou hodnotu dne.");

  std::string rok_text(rok);
  double rok_hodnota = 0;
  if (s_rokem) {
    if (rok.empty()) return kontrola.Odmitni(za_teckou2, DoplnteRok);
    const auto r = Cislo(rok);
    if (!r) {
      pole.text = t.substr(0, tecka2 + 1);
      return kontrola.Odmitni(za_teckou2, DoplnteRok);
    }
    if (Znaku(rok) < 3 || Znaku(rok) > 4) {
      return kontrola.Odmitni(za_teckou2,
                              "Nejmenší zadatelný rok je 100.\r\nNejvětší zadatelný rok je 9999.\r\n"
                              "\r\nUpravte prosím číselnou hodnotu roku.",
                              styl::Informace);
    }
    rok_hodnota = *r;
  } else {
    const int doplneny = DoplnenyRok(*d, *m);
    rok_text = std::to_string(doplneny);
    rok_hodnota = doplneny;
    pole.text = t + "." + rok_text;
  }

  if (*m == 2 && *d > 28 && !JePrestupny(static_cast<int>(rok_hodnota))) {
    pole.text = "28" + pole.text.substr(tecka1);
    kontrola.Hlas("V roce " + rok_text + " má únor 28 dní.\r\nDatum bude automaticky upraveno.",
                  styl::Informace);
  }
  return true;
}
