#include "ui/main_window/napovedy.h"

#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"

using O = Ovladac;

namespace {

constexpr const char* Pozor = "P O Z O R - ";
constexpr const char* JmenaDnu[] = {"Pondělí", "Úterý", "Středa", "Čtvrtek", "Pátek", "Sobota", "Neděle"};

// What becomes of the schedule when the program ends: it is stored, and the next start reads it again,
// where a one-off moment may have passed by then.
std::string TextUkonceni() {
  std::string text = "Ukončíte program. ";
  if (stav.Neaktivni != 0 && stav.KazdyDen != 1) return text + "Nic není naplánováno.";
  if (stav.Posunuti == 1) return text + "Při příštím přihlášení bude platit původní nastavení, bez posunutí.";
  if (stav.KazdyDen == 1 || stav.OdDo == 1) return text + "Naplánovaná akce bude platit od příštího přihlášení.";
  if (stav.JenRelace == 1) return text + "Naplánovaná akce se zruší: počet minut ani podmínka bez času se neukládají.";
  return text + "Naplánovaná akce proběhne, přihlásíte-li se před jejím časem.";
}

}  // namespace

Napoveda NapovedaTlacitka(const Formular& f, Ovladac o) {
  if (Navrh(o).jmeno == "tlHNDen") {
    return {std::string(JmenaDnu[IndexPole(o)]) + ": akce proběhne jen ve stisknuté dny.", ikona::Informace};
  }
  switch (o) {
    case O::tlKZ0: return {std::string(Pozor) + "Počítač bude vypnut bez uložení rozpracovaných dat.", ikona::Vykricnik};
    case O::tlKZ1: return {std::string(Pozor) + "Počítač bude restartován bez uložení rozpracovaných dat.", ikona::Vykricnik};
    case O::tlKZ2: return {std::string(Pozor) + "Aktuální uživatel bude odhlášen bez uložení rozpracovaných dat.", ikona::Vykricnik};
    case O::tlKZ3: return {"Přejdete do režimu spánku.", ikona::Informace};
    case O::tlKZ4: return {"Uzamčete počítač.", ikona::Informace};
    case O::tlKZ5: return {"Můžete ovládat vzdálená PC na síti, pokud máte příslušná oprávnění (správce).", ikona::Aplikace};
    case O::tlKZ6: return {"Přidáte nebo odeberete zástupce na ploše.", ikona::Okna};
    case O::tlKZ7: return {"Seznam parametrů příkazového řádku.", ikona::Informace};
    case O::tlKZ8:
    case O::tlKZ9: return {std::string(Navrh(o).SEFile), ikona::Zadna};
    case O::tlHNastaveni: return {"Zadáte požadovanou akci a její parametry.", ikona::Okna};
    case O::tlHNastaveniZ: return {"Můžete změnit akci a její parametry.", ikona::Okna};
    case O::tlHNastaveniP:
      return {
          "Můžete změnit čas. Po restartu bude obnoveno původní nastavení. Upozornění nabízí i "
          "„Odložit o 10 minut“.",
          ikona::Informace};
    case O::tlHNOdDo:
      return {f[O::tlHNOdDo].TrueFalse ? "Vrátíte se do nastavení Čas - Datum."
                                       : "Aktivujete nastavení vypnutí v čase Od - Do.",
              ikona::Vykricnik};
    case O::tlHNStop:
      return {stav.Posunuti == 1 ? "Zrušíte posunutí a aktivujete původní nastavení."
                                 : "Stornujete (ukončíte) aktivní nastavení.",
              ikona::Vykricnik};
    case O::tlHNAktivace: return {"Potvrdíte nastavenou akci a aktivujete nastané parametry.", ikona::Vykricnik};
    case O::tlHNStorno: return {"Opustíte nastavení parametrů.", ikona::Informace};
    case O::tlHNParametr: return {"Zkopírujete nastavené parametry do schránky.", ikona::Logo};
    case O::tlHZavrit: return {TextUkonceni(), ikona::Informace};
    case O::tlHNDen0:
    case O::tlHNDen1:
    case O::tlHNDen2:
    case O::tlHNDen3:
    case O::tlHNDen4:
    case O::tlHNDen5:
    case O::tlHNDen6:
      return {std::string(JmenaDnu[IndexPole(o)]) + ": akce proběhne jen ve stisknuté dny.", ikona::Informace};
    default: return {};
  }
}

void tl_MouseMoveEnabled(Formular& f, Ovladac tlacitko, bool mme) {
  f.mmeActive = mme;
  if (mme) {
    const Napoveda napoveda = NapovedaTlacitka(f, tlacitko);
    f.sbText = napoveda.text;
    f.sbIkona = napoveda.ikona;
  } else {
    StavovyRadekZIkony(f);
  }
}

void StavovyRadekZIkony(Formular& f) {
  const bool odlozena = !stav.OdlozenaBublina.empty();
  f.sbText = odlozena ? stav.OdlozenaBublina : port<IkonaListy>().Tip();
  f.sbIkona = odlozena ? ikona::Vykricnik : ikona::Informace;
}
