#include "ui/main_window/podminka_formulare.h"

#include <charconv>

#include "core/kodovani.h"

using O = Ovladac;
using namespace std::chrono;
namespace v = volba_podminky;

namespace {

constexpr std::string_view VolbaVice = "\nvíce podmínek (beze změny)";  // after the designed entries

int Volba(const Formular& f) { return f[O::cbHNPodminka].hodnota; }

// What the box holds, as its label says: the label keeps its word while the box is hidden.
bool BoxMaMinuty(const Formular& f) { return f[O::lblHNUdaj].text == "Minut"; }

// A program is named by its file name; a whole path pasted in is taken for the file it ends with.
std::string_view NazevProgramu(const Formular& f) {
  const std::string_view text = Orizni(f[O::txtHNPodminka].text);
  const auto lomitko = text.find_last_of('\\');
  return lomitko == std::string_view::npos ? text : text.substr(lomitko + 1);
}

std::optional<int> Minuty(const Formular& f) {
  const std::string_view text = Orizni(f[O::txtHNPodminka].text);
  int n = 0;
  const auto [konec, chyba] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (chyba != std::errc{} || konec != text.data() + text.size() || n < 1 || n > NejvyseMinutPodminky) {
    return std::nullopt;
  }
  return n;
}

}  // namespace

void UkazPodminky(Formular& f, const Podminky& p) {
  const int kolik = (p.program.empty() ? 0 : 1) + (p.klid != 0 ? 1 : 0) + (p.necinnost != 0 ? 1 : 0);
  f.podminka = ZapisPodminky(p);
  const std::string volby(Navrh(O::cbHNPodminka).Caption);
  f[O::cbHNPodminka].text = kolik > 1 ? volby + std::string(VolbaVice) : volby;
  f[O::cbHNPodminka].hodnota = kolik > 1            ? v::Vice
                               : !p.program.empty() ? v::Program
                               : p.klid != 0        ? v::Klid
                               : p.necinnost != 0   ? v::Necinnost
                                                    : v::Zadna;
  f[O::txtHNPodminka].text = kolik > 1            ? ""
                             : !p.program.empty() ? p.program
                             : p.klid != 0        ? std::to_string(p.klid)
                             : p.necinnost != 0   ? std::to_string(p.necinnost)
                                                  : "";
  UkazRadekPodminky(f);
}

// A name does not become minutes: the box starts empty when the kind of its entry changes; "žádná" only
// hides it, so that a choice made by mistake loses nothing. The focus stays in the list, whose arrow
// keys change the choice step by step.
void cbHNPodminka_Click(Formular& f, int volba) {
  const bool minuty = volba == v::Klid || volba == v::Necinnost;
  if ((minuty || volba == v::Program) && minuty != BoxMaMinuty(f)) f[O::txtHNPodminka].text.clear();
  f[O::cbHNPodminka].hodnota = volba;
  UkazRadekPodminky(f);
}

void UkazRadekPodminky(Formular& f) {
  const bool radek = !f[O::tlHNOdDo].TrueFalse;
  const int volba = Volba(f);
  const bool box = radek && volba != v::Zadna && volba != v::Vice;
  f[O::lblHNPodminka].viditelny = f[O::cbHNPodminka].viditelny = radek;
  f[O::lblHNUdaj].viditelny = f[O::txtHNPodminka].viditelny = box;
  if (box) f[O::lblHNUdaj].text = volba == v::Program ? "Název" : "Minut";
}

std::string PodminkaRadku(const Formular& f) {
  switch (Volba(f)) {
    case v::Program:
      return ";po/" + std::string(NazevProgramu(f)) + "/";
    case v::Klid:
      return ";klid/" + std::to_string(Minuty(f).value_or(0)) + "/";
    case v::Necinnost:
      return ";necinnost/" + std::to_string(Minuty(f).value_or(0)) + "/";
    case v::Vice:
      return f.podminka;
    default:
      return {};
  }
}

// A condition waits from a moment of the clock on, or from now: never a number of minutes, and a
// daily or dated one needs its moment.
std::optional<std::string> ChybaPodminky(const Formular& f, std::string_view cas) {
  const int volba = Volba(f);
  if (volba == v::Zadna || f[O::tlHNOdDo].TrueFalse) return std::nullopt;
  if (volba == v::Program) {
    const std::string_view nazev = NazevProgramu(f);
    if (nazev.empty()) return "Zadejte název programu, na jehož skončení se má čekat, například render.exe.";
    if (nazev.find_first_of("/;:*?\"<>|") != std::string_view::npos) {
      return "Název programu nesmí obsahovat znaky / ; : * ? \" < > |.";
    }
    if (!LzeUlozit(nazev)) return "Název programu obsahuje znak, který nelze uložit.";
  } else if (volba != v::Vice && !Minuty(f)) {
    return "Zadejte počet minut od 1 do " + std::to_string(NejvyseMinutPodminky) + ".";
  }
  cas = Orizni(cas);
  if (!cas.empty() && cas.find(':') == std::string_view::npos) {
    return "Podmínku nelze spojit s počtem minut. Zadejte čas jako hodina:minuta, nebo pole Čas nechte prázdné.";
  }
  const bool s_dnem = f[chHN(0)].hodnota == 1 || !Orizni(f[O::txtHNDatum].text).empty();
  if (cas.empty() && s_dnem) return "S opakováním nebo s datem zadejte i čas, od kterého se má podmínka hlídat.";
  return std::nullopt;
}

// Only the row's own program: several conditions kept unchanged name no time of their own either, but
// then the sentence would need their whole list. A clock time of today that has passed is watched from
// now too.
Podminky PodminkyHned(const Formular& f, Cas ted) {
  if (f[O::tlHNOdDo].TrueFalse || Volba(f) != v::Program) return {};
  const std::string_view cas = Orizni(f[O::txtHNCas].text);
  if (!cas.empty()) {
    const auto dvojtecka = cas.find(':');
    int hodina = 0, minuta = 0;
    if (f[chHN(0)].hodnota == 1 || !Orizni(f[O::txtHNDatum].text).empty() || dvojtecka == std::string_view::npos ||
        std::from_chars(cas.data(), cas.data() + dvojtecka, hodina).ec != std::errc{} ||
        std::from_chars(cas.data() + dvojtecka + 1, cas.data() + cas.size(), minuta).ec != std::errc{} ||
        floor<days>(ted) + hours{hodina} + minutes{minuta} > ted) {
      return {};
    }
  }
  return {.program = std::string(NazevProgramu(f))};
}
