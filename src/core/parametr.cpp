#include "core/parametr.h"

#include <array>
#include <chrono>
#include <limits>
#include <optional>
#include <string_view>

#include "core/cislo.h"
#include "core/dny.h"
#include "core/kodovani.h"
#include "core/podminky.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/planovac.h"
#include "platform/port.h"

using namespace std::chrono;

namespace {

constexpr std::string_view Radek = "\r\n";

struct KlicoveSlovo {
  std::string_view text;
  std::uint8_t akce;
  std::string_view nazev;
};

// The first keyword of this list found anywhere in the string wins, whatever its position.
constexpr std::array<KlicoveSlovo, 5> KlicovaSlova = {{
    {"/vypnuti", akce::Vypnuti, "Vypnutí"},
    {"/restart", akce::Restart, "Restartování"},
    {"/odhlaseni", akce::Odhlaseni, "Odhlášení"},
    {"/spanek", akce::Spanek, "Spánek"},
    {"/zamceni", akce::Zamceni, "Uzamčení"},
}};

// The working copy: options are removed as they are read, so their order does not matter.
class Retezec {
 public:
  explicit Retezec(std::string text) : s_(std::move(text)) {}

  bool Obsahuje(std::string_view co) const { return s_.find(co) != std::string::npos; }

  // Removes the first occurrence; false when there is none.
  bool Odeber(std::string_view co) {
    const auto p = s_.find(co);
    if (p == std::string::npos) return false;
    s_.erase(p, co.size());
    posledni_ = p;
    return true;
  }

  // The value between the first "/" at or after the place of the last removed option and the next
  // "/"; both slashes and the value are removed. Nothing when a slash is missing.
  std::optional<std::string> OdeberHodnotu() {
    const auto otevreni = s_.find('/', posledni_);
    if (otevreni == std::string::npos) return std::nullopt;
    const auto zavreni = s_.find('/', otevreni + 1);
    if (zavreni == std::string::npos) return std::nullopt;
    std::string hodnota = s_.substr(otevreni + 1, zavreni - otevreni - 1);
    s_.erase(otevreni, zavreni - otevreni + 1);
    return hodnota;
  }

  // Removes an option together with its slash value, all in one stretch.
  std::optional<std::string> OdeberUsek(std::string_view volba) {
    const auto p = s_.find(volba);
    const auto otevreni = s_.find('/', p + volba.size());
    if (otevreni == std::string::npos) return std::nullopt;
    const auto zavreni = s_.find('/', otevreni + 1);
    if (zavreni == std::string::npos) return std::nullopt;
    std::string hodnota = s_.substr(otevreni + 1, zavreni - otevreni - 1);
    s_.erase(p, zavreni - p + 1);
    return hodnota;
  }

 private:
  std::string s_;
  std::size_t posledni_ = 0;
};

std::optional<double> Cislo(std::string_view text) {
  return CtiCeleCislo(text, port<Mistni>().DesetinnyOddelovac());
}

// A whole number within [od, do], or nothing.
std::optional<int> CisloVRozsahu(std::string_view text, double od, double po) {
  const auto hodnota = Cislo(text);
  if (!hodnota || *hodnota < od || *hodnota > po) return std::nullopt;
  return static_cast<int>(*hodnota);
}

struct HodinaMinuta {
  int hodina;
  int minuta;
};

// "H:M" with hour 0 to 24 (24 is midnight at the end of the day) and minute 0 to 59.
std::optional<HodinaMinuta> CtiCasDne(std::string_view text) {
  const auto dvojtecka = text.find(':');
  if (dvojtecka == std::string_view::npos || dvojtecka + 1 == text.size()) return std::nullopt;
  const auto hodina = CisloVRozsahu(text.substr(0, dvojtecka), 0, 24);
  const auto minuta = CisloVRozsahu(text.substr(dvojtecka + 1), 0, 59);
  if (!hodina || !minuta) return std::nullopt;
  return HodinaMinuta{*hodina, *minuta};
}

// What a time without a date counts from: the program's start while it starts, the present moment
// afterwards, so that a program left running since yesterday takes "15:32" for today.
Cas Vychozi() { return stav.PriSpusteni == 1 ? stav.CasSpusteni : port<Hodiny>().Ted(); }

void NastavDen() {
  const DatumCas dnes = RozlozCas(Vychozi());
  stav.Den = static_cast<std::int16_t>(dnes.den);
  stav.Mesic = static_cast<std::int16_t>(dnes.mesic);
  stav.Rok = static_cast<std::int16_t>(dnes.rok);
}

void NastavOkamzik(Cas okamzik) {
  const DatumCas d = RozlozCas(okamzik);
  stav.Rok = static_cast<std::int16_t>(d.rok);
  stav.Mesic = static_cast<std::int16_t>(d.mesic);
  stav.Den = static_cast<std::int16_t>(d.den);
  stav.Hodina = static_cast<std::int16_t>(d.hodina);
  stav.Minuta = static_cast<std::int16_t>(d.minuta);
}

// ";od/22:00-06:00/": the window's start and end; false when the window is malformed.
bool CtiOkno(Retezec& s) {
  stav.OdDo = 1;
  stav.Akce = akce::Vypnuti;
  stav.AkceNazev = "Vypnutí";
  stav.ZakazStorna = 1;
  const auto okno = s.OdeberUsek(";od");
  if (!okno) return false;
  const auto pomlcka = okno->find('-');
  if (pomlcka == std::string::npos) return false;
  NastavDen();
  const auto od = CtiCasDne(std::string_view(*okno).substr(0, pomlcka));
  const auto po = CtiCasDne(std::string_view(*okno).substr(pomlcka + 1));
  if (!od || !po) return false;
  stav.Hodina = static_cast<std::int16_t>(od->hodina);
  stav.Minuta = static_cast<std::int16_t>(od->minuta);
  stav.DoHodina = static_cast<std::int16_t>(po->hodina);
  stav.DoMinuta = static_cast<std::int16_t>(po->minuta);
  return true;
}

void CtiAkci(Retezec& s) {
  for (const auto& slovo : KlicovaSlova) {
    if (s.Odeber(slovo.text)) {
      stav.Neaktivni = 1;
      stav.Akce = slovo.akce;
      stav.AkceNazev = slovo.nazev;
      return;
    }
  }
  stav.Akce = akce::Zadna;
}

std::uint8_t Priznak(Retezec& s, std::string_view volba) { return s.Odeber(volba) ? 1 : 0; }

// ";po/render.exe/", ";klid/15/", ";necinnost/30/"; nothing when one of them is malformed. A program
// is named by its file name: a path or a character no file name has would never match a process.
std::optional<Podminky> CtiPodminky(Retezec& s) {
  Podminky p;
  bool dobre = true;
  if (s.Obsahuje(";po")) {
    const auto nazev = s.OdeberUsek(";po");
    dobre = nazev && !nazev->empty() && nazev->find_first_of("\\:*?\"<>|") == std::string::npos;
    if (dobre) p.program = *nazev;
  }
  const auto minuty = [&](std::string_view volba, int& kam) {
    if (!s.Obsahuje(volba)) return;
    const auto hodnota = s.OdeberUsek(volba);
    const auto n = hodnota ? CisloVRozsahu(*hodnota, 1, NejvyseMinutPodminky) : std::nullopt;
    if (n) kam = *n;
    dobre = dobre && n;
  };
  minuty(";klid", p.klid);
  minuty(";necinnost", p.necinnost);
  if (!dobre) return std::nullopt;
  return p;
}

// ";t/…/": a clock time "H:M" or a number of minutes.
bool CtiCas(std::string_view hodnota) {
  if (hodnota.find(':') != std::string_view::npos) {
    const auto cas = CtiCasDne(hodnota);
    if (!cas) return false;
    stav.Hodina = static_cast<std::int16_t>(cas->hodina);
    stav.Minuta = static_cast<std::int16_t>(cas->minuta);
    NastavDen();
    stav.RezimMinuty = 0;
    return true;
  }
  const auto minut = hodnota.size() <= 6 ? Cislo(hodnota) : std::nullopt;
  if (!minut) return false;
  stav.RezimMinuty = 1;
  NastavOkamzik(Vychozi() + minutes{static_cast<long>(*minut)});
  return true;
}

// ";d/…/": "day.month.year".
bool CtiDatum(std::string_view hodnota) {
  const auto tecka1 = hodnota.find('.');
  const auto tecka2 = tecka1 == std::string_view::npos ? tecka1 : hodnota.find('.', tecka1 + 1);
  if (tecka2 == std::string_view::npos) return false;
  // No lower bound but the 16 bits that hold the parts: a day or month below 1 carries over.
  constexpr double Dolni = std::numeric_limits<std::int16_t>::min();
  const auto den = CisloVRozsahu(hodnota.substr(0, tecka1), Dolni, 31);
  const auto mesic = CisloVRozsahu(hodnota.substr(tecka1 + 1, tecka2 - tecka1 - 1), Dolni, 12);
  const auto rok = CisloVRozsahu(hodnota.substr(tecka2 + 1), Dolni, 9999);
  if (!den || *den == 0 || !mesic || !rok) return false;
  stav.Den = static_cast<std::int16_t>(*den);
  stav.Mesic = static_cast<std::int16_t>(*mesic);
  stav.Rok = static_cast<std::int16_t>(*rok);
  return true;
}

void Vynuluj() {
  stav.Neaktivni = 1;
  stav.Dny = dny::Kazdy;
  stav.Podminka = {};
  stav.BezCasu = 0;
  stav.KazdyDen = stav.ZakazStorna = stav.KontrolovaneVypnuti = stav.HesloZapnuto = 0;
  stav.ZbyvaSekund = stav.RezimMinuty = stav.OdDo = stav.SkrytStorno = 0;
  stav.Heslo.clear();
  stav.AkceNazev.clear();
  stav.Akce = akce::Zadna;
}

// "Spánek" on a machine that can neither sleep nor stand by is refused with its own reason; the
// schedule in force stays.
bool NelzeProvest() { return !port<Planovac>().AkceMozna(stav.Akce); }

Rozbor OdmitniSpanek(const Plan& predtim, bool BezHlaseni) {
  static_cast<Plan&>(stav) = predtim;
  if (!BezHlaseni)
    port<Dialogy>().Zprava("Tento počítač neumí přejít do spánku.", NazevAplikace, styl::Ok | styl::Vykricnik);
  return Rozbor::Odmitnuto;
}

Rozbor Odmitni(const Retezec& s, bool BezHlaseni) {
  Vynuluj();
  if (BezHlaseni) return Rozbor::Odmitnuto;
  if (s.Obsahuje("/?")) {
    port<Dialogy>().Zprava(TextNapovedy(), std::string(NazevAplikace) + " parametrem z příkazového řádku.",
                           styl::Ok | styl::Informace);
  } else {
    std::string text = stav.Parametr;
    text.append(Radek).append(Radek).append("Neznámé nebo chybné zadání spouštěcího parametru!");
    text.append(Radek).append(Radek).append(TextNapovedy());
    port<Dialogy>().Zprava(text, NazevAplikace, styl::Ok | styl::Vykricnik);
  }
  return Rozbor::Odmitnuto;
}

// A schedule whose moment has passed is dropped without a word; at start-up it also leaves the store.
Rozbor Vyprs() {
  Vynuluj();
  if (stav.PriSpusteni == 1) {
    stav.Parametr.clear();
    port<Planovac>().UlozNastaveni();
  }
  return Rozbor::Vyprselo;
}

// Arms the schedule read so far.
Rozbor Aktivuj(bool NeUkladat) {
  stav.Neaktivni = 0;
  if (stav.Rok < RozlozCas(port<Hodiny>().Ted()).rok) return Vyprs();
  stav.CilovyCas = SlozCas(stav.Rok, stav.Mesic, stav.Den, stav.Hodina, stav.Minuta);
  if (stav.OdDo == 1) stav.DoCas = hours{stav.DoHodina} + minutes{stav.DoMinuta};
  stav.Hlidani = {};
  const Cas ted = port<Hodiny>().Ted();
  if (stav.CilovyCas < ted && stav.BezCasu != 1) {
    if (stav.KazdyDen != 1) return Vyprs();
    // As many days as it takes: a daily moment is never armed in the past.
    stav.CilovyCas += ceil<days>(ted - stav.CilovyCas);
  }
  if (stav.OdDo != 1) {
    while (!DenPovolen(stav.Dny, stav.CilovyCas)) stav.CilovyCas += days{1};
  }
  if (stav.OdDo != 1) NastavMinutuVarovani();
  if (!NeUkladat) port<Planovac>().UlozNastaveni();
  return Rozbor::Aktivni;
}

// An action without a time is carried out now and is no schedule: the one in force before stays in
// force, so nothing of this string reaches the store or the next log-on (";kd" would otherwise
// repeat it at every log-on).
Rozbor ProvedHned(const Plan& predtim) {
  port<Planovac>().ProvedAkci(0);
  static_cast<Plan&>(stav) = predtim;
  return Rozbor::Provedeno;
}

// A condition without a time is watched from now on; a daily one or a date has no time to start from.
std::optional<Rozbor> PodminkaBezCasu(const Retezec& s, bool BezHlaseni) {
  if (stav.KazdyDen == 1 || s.Obsahuje(";d")) return Odmitni(s, BezHlaseni);
  stav.BezCasu = 1;
  stav.RezimMinuty = 0;
  NastavOkamzik(Vychozi());
  return std::nullopt;
}

// ";t" and ";d" of a schedule that is no from-to window: nothing while the string is still good.
std::optional<Rozbor> CtiKdy(Retezec& s, const Plan& predtim, bool BezHlaseni, bool JenPlan) {
  const bool podminka = !stav.Podminka.Zadne();
  if (!s.Odeber(";t")) {
    if (podminka) return PodminkaBezCasu(s, BezHlaseni);
    if (JenPlan) return Odmitni(s, BezHlaseni);
    return NelzeProvest() ? OdmitniSpanek(predtim, BezHlaseni) : ProvedHned(predtim);
  }
  const auto cas = s.OdeberHodnotu();
  if (!cas || !CtiCas(*cas)) return Odmitni(s, BezHlaseni);
  // Days of the week and conditions go with a clock time only: a number of minutes is one moment, and
  // so is a date for days of the week.
  if (stav.RezimMinuty == 1 && (stav.Dny != dny::Kazdy || podminka)) return Odmitni(s, BezHlaseni);
  if (stav.Dny != dny::Kazdy && s.Obsahuje(";d")) return Odmitni(s, BezHlaseni);

  if (stav.KazdyDen != 1 && stav.RezimMinuty != 1 && s.Odeber(";d")) {
    const auto datum = s.OdeberHodnotu();
    if (!datum || !CtiDatum(*datum)) return Odmitni(s, BezHlaseni);
  }
  return std::nullopt;
}

}  // namespace

void NastavMinutuVarovani() { NastavOkamzik(stav.CilovyCas - minutes{1}); }

std::string TextNapovedy() {
  static constexpr std::array<std::string_view, 19> Radky = {
      "/vypnuti",
      "/restart",
      "/odhlaseni",
      "/spanek",
      ";t/12:15/ - ve stanovený čas",
      ";d/4.5.2005/ - ve stanovený den",
      ";t/125/ - za stanovený počet minut",
      ";ss - skrytí tlačítka storno",
      ";kv - kontrolované vypnutí",
      ";kd - opakovat každý den",
      ";zs - zakázat storno před vypnutím (skryje ikonu z lišty)",
      ";h/heslo/ - nastavení programu chránit heslem",
      ";od/22:00-06:00/ - vypnuti počitače při spuštění v nastaveném čase",
      "Při této volbě je automaticky nastaveno vypnutí (/vypnuti) a zákaz stornování (;zs). "
      "Volitelné zůstává opakovat každý den (;kd) a ochrana nastavení heslem (;h/heslo/). "
      "Ostaní parametry jsou ignorovány.",
      "/? - nápověda",
      "/storno - zrušit naplánovanou akci běžícího programu",
      "/stav - vypsat, co je naplánováno",
      ";dny/po-pa/ - opakovat jen ve vybrané dny (po, út, st, čt, pá, so, ne)",
      ";po/render.exe/ - až skončí program tohoto jména",
  };
  static constexpr std::array<std::string_view, 2> RadkyPodminek = {
      ";necinnost/30/ - až se daný počet minut nikdo nedotkne klávesnice ani myši",
      "S časem (;t/23:00/) znamená podmínka „ne dříve než“, s ;kd nebo ;dny se hlídá každý den od daného "
      "času. S počtem minut (;t/125/) ani s ;od podmínka nejde.",
  };
  std::string text;
  for (const auto radek : Radky) text.append(Radek).append(radek);
  text.append(Radek).append(";klid/15/ - až je počítač daný počet minut v klidu (procesor pod ");
  text.append(std::to_string(KlidProcesorProcent)).append(" %, síť pod ");
  text.append(std::to_string(KlidSitBajtuZaSekundu / 1000)).append(" kB/s)");
  for (const auto radek : RadkyPodminek) text.append(Radek).append(radek);
  return std::string(Radek) + text;
}

bool RozeberParametr(const std::string& Text, bool BezHlaseni, bool NeUkladat) {
  return Rozeber(Text, BezHlaseni, NeUkladat) == Rozbor::Aktivni;
}

Rozbor Rozeber(const std::string& Text, bool BezHlaseni, bool NeUkladat, bool JenPlan) {
  // A string the store cannot hold faithfully is refused before anything changes.
  if (!NeUkladat && !LzeUlozit(Text)) {
    port<Dialogy>().Zprava(
        "Parametr obsahuje znak, který nelze uložit (mimo českou znakovou sadu Windows-1250).\r\n"
        "Nastavení zůstává beze změny.",
        NazevAplikace, styl::Ok | styl::Vykricnik);
    return Rozbor::Odmitnuto;
  }
  const Plan predtim = stav;
  Retezec s(Text);
  if (!NeUkladat) stav.Parametr = Text;
  // The password's text comes out before any option is read: no option is ever found inside it.
  const bool s_heslem = s.Odeber(";h");
  const std::optional<std::string> heslo = s_heslem ? s.OdeberHodnotu() : std::nullopt;
  // The days come out before ";d" is looked for: their keyword begins with it.
  std::optional<std::uint8_t> dny = dny::Kazdy;
  if (s.Obsahuje(";dny")) {
    const auto seznam = s.OdeberUsek(";dny");
    dny = seznam ? CtiDny(*seznam) : std::nullopt;
  }
  // So do the conditions: a program's name may hold the letters of any option.
  const std::optional<Podminky> podminky = CtiPodminky(s);

  if (s.Obsahuje(";od")) {
    if (!CtiOkno(s)) stav.Akce = akce::Zadna;
    // ";kv" means nothing in a window, so a flag left by an earlier schedule must not apply.
    stav.KontrolovaneVypnuti = 0;
  } else {
    stav.OdDo = 0;
    CtiAkci(s);
  }
  // A window acts whenever the computer runs inside it: there is nothing to wait for.
  if (stav.Akce == akce::Zadna || !dny || !podminky || (stav.OdDo == 1 && !podminky->Zadne()))
    return Odmitni(s, BezHlaseni);
  stav.Podminka = *podminky;
  stav.BezCasu = 0;

  stav.Dny = *dny == dny::Vsechny ? dny::Kazdy : *dny;  // all seven are every day
  stav.KazdyDen = Priznak(s, ";kd") == 1 || stav.Dny != dny::Kazdy ? 1 : 0;
  stav.SkrytStorno = Priznak(s, ";ss");
  stav.HesloZapnuto = s_heslem ? 1 : 0;
  stav.Heslo = heslo.value_or("");
  if (s_heslem && !heslo) stav.Akce = akce::Zadna;

  if (stav.OdDo != 1) {
    stav.ZakazStorna = Priznak(s, ";zs");
    stav.KontrolovaneVypnuti = Priznak(s, ";kv");
    if (stav.Akce == akce::Zadna) return Odmitni(s, BezHlaseni);

    if (const auto konec = CtiKdy(s, predtim, BezHlaseni, JenPlan)) return *konec;
  }
  if (stav.Akce == akce::Zadna) return Odmitni(s, BezHlaseni);
  if (NelzeProvest()) return OdmitniSpanek(predtim, BezHlaseni);
  return Aktivuj(NeUkladat);
}
