#include "ui/main_window/hlavni_okno.h"

#include <utility>

#include "core/heslo.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/napajeni.h"
#include "platform/okna_programu.h"
#include "platform/plocha.h"
#include "platform/port.h"
#include "platform/system.h"
#include "scheduler/akce.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/napovedy.h"
#include "ui/main_window/parametr_z_formulare.h"
#include "ui/main_window/zobraz_nastaveni.h"

using O = Ovladac;

void UkazCas(Formular& f) {
  const Cas ted = port<Hodiny>().Ted();
  f[O::lblVC].text = FormatCasSekundy(ted);
  f[O::lblVD].text = port<Mistni>().DlouheDatum(RozlozCas(ted));
}

void NactiHlavniOkno(Formular& f, std::string_view verze) {
  UkazCas(f);
  StavovyRadekZIkony(f);
  if (!stav.HlaseniOkna.empty()) {
    f.sbText = std::exchange(stav.HlaseniOkna, {});
    f.sbIkona = ikona::Vykricnik;
  }
  stav.HlavniOtevreno = 1;
  f[O::txtHNHeslo].maska = true;
  ZobrazNastaveni(f, false);
  f[O::lblHA].text = verze;
  // Version 6 and later begin the description with the edition's blank (" Professional ...").
  const std::string system = port<InfoSystemu>().WinVersionS();
  const std::size_t zacatek = system.find_first_not_of(' ');
  f[O::lblHOS].text = zacatek == std::string::npos ? "" : system.substr(zacatek);
}

void Form_Unload() { stav.HlavniOtevreno = 0; }

std::string TextVerze(std::string_view pravni, int hlavni, int vedlejsi, int revize) {
  return std::string(pravni) + " (" + std::to_string(hlavni) + "." + std::to_string(vedlejsi) + "." +
         std::to_string(revize) + ")";
}

Bod UmisteniOkna(const Obdelnik& plocha, int sirka, int vyska) {
  return {plocha.right - sirka, plocha.bottom - vyska};
}

// Ending the program stops its action under way (the closing of programs); with ";zs" the program may be
// ended neither during the countdown nor during the closing.
void tlHZavrit_Click() {
  if (!StornoDovoleno()) return;
  if (!NastaveniHeslo(Zasah::Konec)) return;
  const std::string otazka = std::string("Přejete si aplikaci \"") + NazevAplikace + "\" ukončit?";
  if (port<Dialogy>().Zprava(otazka, NazevAplikace, styl::AnoNe | styl::Otaznik) != odpoved::Ano) return;
  if (!SpravceDovoli(Zasah::Konec)) return;  // the administrator's schedule may have come meanwhile
  port<Aplikace>().Ukonci();
}

std::string TextParametru() {
  return "Parametry řaďte za sebou bez mezer. Třeba si přejete vypnout počítač odpoledne v 15:32.\r\n\r\n"
         "/vypnuti;t/15:32/" +
         TextNapovedy();
}

std::string OtazkaHned(std::uint8_t akce) {
  static constexpr const char* Co[] = {"vypnout počítač", "restartovat počítač", "odhlásit se"};
  if (akce < akce::Vypnuti || akce > akce::Odhlaseni) return {};
  return std::string("Opravdu chcete hned ") + Co[akce - 1] + "? Neuložená práce v otevřených programech se ztratí.";
}

// No guard: the question or the hint has warned of unsaved work.
void tlKZ_Click(int Index) {
  if (Index >= 0 && Index <= 4) {
    if (AkceUzBezi()) return;  // before the question: its answer would change nothing
    const auto akce = static_cast<std::uint8_t>(Index + 1);
    const std::string otazka = OtazkaHned(akce);
    if (!otazka.empty() &&
        port<Dialogy>().Zprava(otazka, NazevAplikace, styl::AnoNe | styl::Otaznik | styl::DruheVychozi) != odpoved::Ano)
      return;
    ProvedAkci(akce);
  } else if (Index == 5) {
    if (!port<Napajeni>().DialogVzdalenychPC()) {
      port<Dialogy>().Zprava("Dialog pro vypnutí vzdálených počítačů (shutdown.exe /i) se nepodařilo spustit.",
                             NazevAplikace, styl::Ok | styl::Vykricnik);
    }
  } else if (Index == 6) {
    Plocha& plocha = port<Plocha>();
    if (plocha.MaZastupce()) plocha.SmazZastupce();
    else plocha.VytvorZastupce();
  } else if (Index == 7) {
    port<Dialogy>().Zprava(TextParametru(), NazevAplikace, styl::Ok | styl::Informace);
  }
}

// A click on one of the window's buttons, by the mouse or the keyboard.
void KlikNaTlacitko(Formular& f, Ovladac o) {
  if (Navrh(o).jmeno == "tlHNDen") {
    tlHNDen_Click(f, IndexPole(o));
    return;
  }
  switch (o) {
    case O::tlHZavrit:
      tlHZavrit_Click();
      break;
    case O::tlHNOdDo:
      tlHNOdDo_Click(f);
      break;
    case O::tlHNastaveni:
      tlHNastaveni_Click(f);
      break;
    case O::tlHNastaveniZ:
      tlHNastaveniZ_Click(f);
      break;
    case O::tlHNastaveniP:
      tlHNastaveniP_Click(f);
      break;
    case O::tlHNParametr:
      tlHNParametr_Click(f);
      break;
    case O::tlHNStop:
      tlHNStop_Click(f);
      break;
    case O::tlHNAktivace:
      tlHNAktivace_Click(f);
      break;
    case O::tlHNStorno:
      tlHNStorno_Click(f);
      break;
    case O::tlKZ0:
    case O::tlKZ1:
    case O::tlKZ2:
    case O::tlKZ3:
    case O::tlKZ4:
    case O::tlKZ5:
    case O::tlKZ6:
    case O::tlKZ7:
      tlKZ_Click(IndexPole(o));
      break;
    default:
      break;
  }
}
