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
constexpr std::array<KlicoveSlovo, 6> KlicovaSlova = {{
    {"/vypnuti", akce::Vypnuti, "Vypnutí"},
    {"/restart", akce::Restart, "Restartování"},
    {"/odhlaseni", akce::Odhlaseni, "Odhlášení"},
    {"/spanek", akce::Spanek, "Spánek"},
    {"/zamceni", akce::Zamceni, "Uzamčení"},
    {"/hibernace", akce::Hibernace, "Hibernace"},  // last: a string with an older word keeps its action
}};

}  // namespace

std::string_view NazevAkce(std::uint8_t akce) {
  for (const KlicoveSlovo& slovo : KlicovaSlova)
    if (slovo.akce == akce) return slovo.nazev;
  return {};
}

std::string_view KlicoveSlovoAkce(std::uint8_t akce) {
  for (const KlicoveSlovo& slovo : KlicovaSlova)
    if (slovo.akce == akce) return slovo.text;
  return {};
}

Rod RodAkce(std::uint8_t akce) {
  return akce == akce::Spanek ? Rod::Muzsky : akce == akce::Hibernace ? Rod::Zensky : Rod::Stredni;
}

std::string_view TvarNeprobehlo(std::uint8_t akce) {
  static constexpr std::array<std::string_view, 3> Tvary = {"neproběhl", "neproběhla", "neproběhlo"};
  return Tvary[static_cast<std::size_t>(RodAkce(akce))];
}

namespace {

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

  // A keyword of the newer options counts only where its value's "/" follows it at once: text that an
  // older string carried by chance (";pozdeji", ";klidne") goes on meaning nothing.
  bool ObsahujeKlic(std::string_view klic) const { return s_.find(std::string(klic) + "/") != std::string::npos; }

  // Removes an option together with its slash value, all in one stretch; a keyword of the newer
  // options (klic) is found only in its keyword form.
  std::optional<std::string> OdeberUsek(std::string_view volba, bool klic = false) {
    const auto p = klic ? s_.find(std::string(volba) + "/") : s_.find(volba);
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

struct Hlaseni {
  std::string text, titulek;
  unsigned styl = 0;
};

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

// ";po/render.exe/", ";klid/15/", ";necinnost/30/"; nothing when one of them is malformed or given
// twice. A program is named by its file name: a path or a character no file name has would never match a
// process, and blanks around it are the typist's.
std::optional<Podminky> CtiPodminky(Retezec& s) {
  Podminky p;
  bool dobre = true;
  const auto hodnota = [&](std::string_view klic) -> std::optional<std::string> {
    if (!s.ObsahujeKlic(klic)) return std::nullopt;
    auto h = s.OdeberUsek(klic, true);
    if (!h || s.ObsahujeKlic(klic)) dobre = false;
    return h;
  };
  if (const auto nazev = hodnota(";po")) {
    p.program = std::string(Orizni(*nazev));
    dobre = dobre && !p.program.empty() && p.program.find_first_of("\\:*?\"<>|") == std::string::npos;
  }
  const auto minuty = [&](std::string_view klic, int& kam) {
    const auto text = hodnota(klic);
    if (!text) return;
    const auto n = CisloVRozsahu(*text, 1, NejvyseMinutPodminky);
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
    stav.KonecDne = cas->hodina == 24 ? 1 : 0;
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
  stav.SDatem = 1;
  return true;
}

void Vynuluj() {
  stav.Neaktivni = 1;
  stav.Dny = dny::Kazdy;
  stav.Podminka = {};
  stav.BezCasu = stav.KonecDne = stav.SDatem = 0;
  stav.KazdyDen = stav.ZakazStorna = stav.KontrolovaneVypnuti = stav.HesloZapnuto = 0;
  stav.ZbyvaSekund = stav.RezimMinuty = stav.OdDo = stav.SkrytStorno = 0;
  stav.NejdriveVarovani = {};
  stav.Heslo.clear();
  stav.AkceNazev.clear();
  stav.Akce = akce::Zadna;
}

// The box of the string refused last, kept for a caller that shows it only once the schedule in force
// is back: the box's own message loop lets that schedule tick meanwhile.
Hlaseni posledni_hlaseni;

void Ohlas(Hlaseni hlaseni, bool BezHlaseni) {
  posledni_hlaseni = std::move(hlaseni);
  if (!BezHlaseni) UkazOdmitnuti();
}

// "Spánek" on a machine that can neither sleep nor stand by, hibernation where it is switched off, and a
// quiet computer where the system cannot measure it, are refused with their own reason; the schedule in
// force stays.
std::optional<std::string> ProcNelze() {
  if (!port<Planovac>().AkceMozna(stav.Akce)) {
    return stav.Akce == akce::Hibernace ? "Hibernace je v tomto počítači vypnutá."
                                        : "Tento počítač neumí přejít do spánku.";
  }
  if (stav.Podminka.klid != 0 && !port<Planovac>().KlidMeritelny()) {
    return "Klid počítače (;klid) tento systém neumí změřit. Potřebuje Windows Vista nebo novější.";
  }
  return std::nullopt;
}

Rozbor OdmitniNelze(const Plan& predtim, std::string duvod, bool BezHlaseni) {
  static_cast<Plan&>(stav) = predtim;
  Ohlas({std::move(duvod), NazevAplikace, styl::Ok | styl::Vykricnik}, BezHlaseni);
  return Rozbor::Odmitnuto;
}

Rozbor Odmitni(const Retezec& s, bool BezHlaseni) {
  Vynuluj();
  if (s.Obsahuje("/?")) {
    Ohlas({TextNapovedy(), std::string(NazevAplikace) + " parametrem z příkazového řádku.", styl::Ok | styl::Informace},
          BezHlaseni);
  } else {
    std::string text = stav.Parametr;
    text.append(Radek).append(Radek).append("Neznámé nebo chybné zadání spouštěcího parametru!");
    text.append(Radek).append(Radek).append(TextNapovedy());
    Ohlas({std::move(text), NazevAplikace, styl::Ok | styl::Vykricnik}, BezHlaseni);
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

// Arms the schedule read so far. A daily moment is never armed in the past, nor on a day it skips; a
// condition's moment only begins its watch, so one just passed is watched from now until its day's
// watch ends.
Rozbor Aktivuj(bool NeUkladat) {
  const Cas ted = port<Hodiny>().Ted();
  stav.Neaktivni = 0;
  stav.CilovyCas = SlozCas(stav.Rok, stav.Mesic, stav.Den, stav.Hodina, stav.Minuta);
  if (stav.Rok < RozlozCas(ted).rok) return Vyprs();
  if (stav.OdDo == 1) {
    stav.DoCas = hours{stav.DoHodina} + minutes{stav.DoMinuta};
    if (stav.CilovyCas < ted) {
      if (stav.KazdyDen != 1) return Vyprs();
      stav.CilovyCas += ceil<days>(ted - stav.CilovyCas);
    }
  } else if (stav.BezCasu != 1) {
    // A day's moment already dealt with never comes back. At a log-on, a watch that began in the session
    // before is not taken up: the program it waited for, the quiet it measured belonged to that session.
    const auto nastane = [&](Cas cil) {
      const bool jeste = stav.PriPrihlaseni == 1 ? cil >= ted : JesteNastane(stav, cil, ted);
      return jeste && cil > stav.Vyrizeno;
    };
    if (!nastane(stav.CilovyCas)) {
      if (stav.KazdyDen != 1) return Vyprs();
      if (stav.CilovyCas < ted) stav.CilovyCas += floor<days>(ted - stav.CilovyCas);
    }
    while (!nastane(stav.CilovyCas) || !VPovolenyDen(stav, stav.CilovyCas)) stav.CilovyCas += days{1};
  }
  if (stav.OdDo != 1) NastavMinutuVarovani();
  stav.Hlidani = {};
  if (!NeUkladat) {
    stav.Posunuti = 0;  // a new schedule ends a postponement, in what it stores too
    stav.JenRelace = stav.RezimMinuty == 1 || stav.BezCasu == 1 ? 1 : 0;
    port<Planovac>().UlozNastaveni();
  }
  return Rozbor::Aktivni;
}

// An action without a time is carried out now and is no schedule: the one in force before stays in
// force, so nothing of this string reaches the store or the next log-on (";kd" would otherwise
// repeat it at every log-on). It is back before the action starts: a cancel or a new schedule while
// the programs are being closed acts on it, and stays.
Rozbor ProvedHned(const Plan& predtim) {
  const OkamzitaAkce akce{stav.Akce, stav.KontrolovaneVypnuti == 1, stav.ZakazStorna == 1};
  static_cast<Plan&>(stav) = predtim;
  port<Planovac>().ProvedAkci(akce);
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
std::optional<Rozbor> CtiKdy(Retezec& s, const Plan& predtim, bool BezHlaseni, bool JenPlan, bool s_dny) {
  const bool podminka = !stav.Podminka.Zadne();
  if (!s.Odeber(";t")) {
    if (podminka) return PodminkaBezCasu(s, BezHlaseni);
    // Days of the week say when an action repeats: without a time they are no action for now.
    if (JenPlan || s_dny) return Odmitni(s, BezHlaseni);
    if (const auto duvod = ProcNelze()) return OdmitniNelze(predtim, *duvod, BezHlaseni);
    return ProvedHned(predtim);
  }
  const auto cas = s.OdeberHodnotu();
  if (!cas || !CtiCas(*cas)) return Odmitni(s, BezHlaseni);
  // Days of the week and conditions go with a clock time only: a number of minutes is one moment, and
  // so is a date for days of the week.
  if (stav.RezimMinuty == 1 && (s_dny || podminka)) return Odmitni(s, BezHlaseni);
  if (s_dny && s.Obsahuje(";d")) return Odmitni(s, BezHlaseni);

  if (stav.KazdyDen != 1 && stav.RezimMinuty != 1 && s.Odeber(";d")) {
    const auto datum = s.OdeberHodnotu();
    if (!datum || !CtiDatum(*datum)) return Odmitni(s, BezHlaseni);
  }
  return std::nullopt;
}

// The password comes out before any option is read: no option is ever found inside it.
std::optional<std::string> OdeberHeslo(Retezec& s, bool& s_heslem) {
  s_heslem = s.Odeber(";h");
  return s_heslem ? s.OdeberHodnotu() : std::nullopt;
}

}  // namespace

void NastavMinutuVarovani() { NastavOkamzik(stav.CilovyCas - minutes{1}); }

std::string TextNapovedy() {
  static constexpr std::array<std::string_view, 21> Radky = {
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
      "/hibernace - hibernace: otevřená práce se uloží na disk a počítač se vypne",
      "/storno - zrušit naplánovanou akci běžícího programu",
      "/stav - vypsat, co je naplánováno",
      "/prihlaseni - při přihlášení naplánovat uloženou akci nebo akci správce, bez okna (instalace pro všechny)",
      ";dny/po-pa/ - opakovat jen ve vybrané dny (po, út, st, čt, pá, so, ne)",
      ";po/render.exe/ - až skončí program tohoto jména",
  };
  static constexpr std::array<std::string_view, 3> RadkyPodminek = {
      ";necinnost/30/ - až se daný počet minut nikdo nedotkne klávesnice ani myši",
      "S časem (;t/23:00/) znamená podmínka „ne dříve než“ a hlídá se do 6:00 dalšího rána, s ;kd nebo ;dny "
      "každý den od daného času. Nenastane-li do té doby, denní akce počká na svůj další den a jednorázová se "
      "zruší. Bez času se podmínka hlídá, dokud nenastane. S počtem minut (;t/125/) ani s ;od podmínka nejde.",
      "V PowerShellu zadejte parametr v uvozovkách, jinak ho středník rozdělí: vypnuti.exe \"/vypnuti;t/22:30/\"",
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
    Ohlas({"Parametr obsahuje znak, který nelze uložit (mimo českou znakovou sadu Windows-1250).\r\n"
           "Nastavení zůstává beze změny.",
           NazevAplikace, styl::Ok | styl::Vykricnik},
          BezHlaseni);
    return Rozbor::Odmitnuto;
  }
  const Plan predtim = stav;
  Retezec s(Text);
  if (!NeUkladat) {
    if (Text != stav.Parametr) stav.Vyrizeno = {};  // another schedule: none of its days is dealt with
    stav.Parametr = Text;
  }
  bool s_heslem = false;
  const std::optional<std::string> heslo = OdeberHeslo(s, s_heslem);
  // The days come out before ";d" is looked for: their keyword begins with it.
  std::optional<std::uint8_t> dny = dny::Kazdy;
  const bool s_dny = s.ObsahujeKlic(";dny");
  if (s_dny) {
    const auto seznam = s.OdeberUsek(";dny", true);
    dny = seznam && !s.ObsahujeKlic(";dny") ? CtiDny(*seznam) : std::nullopt;
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
  stav.BezCasu = stav.KonecDne = stav.SDatem = 0;

  // Chosen days repeat, all seven of them too: they are every day.
  stav.Dny = *dny == dny::Vsechny ? dny::Kazdy : *dny;
  stav.KazdyDen = Priznak(s, ";kd") == 1 || s_dny ? 1 : 0;
  stav.SkrytStorno = Priznak(s, ";ss");
  stav.HesloZapnuto = s_heslem ? 1 : 0;
  stav.Heslo = heslo.value_or("");
  if (s_heslem && !heslo) stav.Akce = akce::Zadna;

  if (stav.OdDo != 1) {
    stav.ZakazStorna = Priznak(s, ";zs");
    stav.KontrolovaneVypnuti = Priznak(s, ";kv");
    if (stav.Akce == akce::Zadna) return Odmitni(s, BezHlaseni);

    if (const auto konec = CtiKdy(s, predtim, BezHlaseni, JenPlan, s_dny)) return *konec;
  }
  if (stav.Akce == akce::Zadna) return Odmitni(s, BezHlaseni);
  if (const auto duvod = ProcNelze()) return OdmitniNelze(predtim, *duvod, BezHlaseni);
  return Aktivuj(NeUkladat);
}

void UkazOdmitnuti() { port<Dialogy>().Zprava(posledni_hlaseni.text, posledni_hlaseni.titulek, posledni_hlaseni.styl); }

std::optional<std::string> HesloParametru(std::string_view text) {
  Retezec s{std::string(text)};
  bool s_heslem = false;
  return OdeberHeslo(s, s_heslem);
}
