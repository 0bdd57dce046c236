#include "ui/main_window/editor.h"

#include <string>
#include <string_view>

#include "core/dny.h"
#include "core/heslo.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/hlidani.h"
#include "scheduler/kontrola.h"
#include "scheduler/nastaveni.h"
#include "scheduler/probuzeni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmena_planu.h"
#include "ui/main_window/hlavni_okno.h"
#include "ui/main_window/napovedy.h"
#include "ui/main_window/parametr_z_formulare.h"
#include "ui/main_window/podminka_formulare.h"
#include "ui/main_window/zobraz_nastaveni.h"

using O = Ovladac;

namespace {

bool OdDo(const Formular& f) { return f[O::tlHNOdDo].TrueFalse; }

void UkazDatum(Formular& f, bool ukazat) {
  for (const Ovladac o : {lblN(1), O::txtHNDatum, O::Label1}) f[o].viditelny = ukazat;
}

void UkazDny(Formular& f, bool ukazat) {
  for (int den = 0; den < 7; ++den) f[tlHNDen(den)].viditelny = ukazat;
}

// "Posunutí" changes only the time: everything else is shown but cannot change.
void PovolVolbyPlanu(Formular& f, bool povolit) {
  f[O::tlHNOdDo].viditelny = povolit;
  for (int i = 1; i <= PocetAkci; ++i) f[opHN(i)].povoleny = povolit;
  for (int i = 0; i <= 4; ++i) f[chHN(i)].povoleny = povolit;
  for (int den = 0; den < 7; ++den) f[tlHNDen(den)].povoleny = povolit;
  for (const Ovladac o : {O::txtHNHeslo, O::txtHNDatum, O::cbHNPodminka, O::txtHNPodminka}) f[o].povoleny = povolit;
}

// With the cancel button hidden, cancelling is forbidden and cannot be allowed.
void PovolZakazStorna(Formular& f) { f[chHN(1)].povoleny = f[chHN(4)].hodnota != 1; }

// The entries that "Od-Do" replaces and "Zpět" gives back.
std::vector<Ovladac> ZaznamyEditoru() {
  std::vector<Ovladac> o = {O::txtHNCas, O::txtHNDatum, O::txtHNHeslo, O::cbHNPodminka, O::txtHNPodminka};
  for (int i = 1; i <= PocetAkci; ++i) o.push_back(opHN(i));
  for (int i = 0; i <= 4; ++i) o.push_back(chHN(i));
  return o;
}

// Back from the from-to mode inside an edit: the editor's own entries as they were, or, if the edit
// began in that mode, empty ones; never the schedule in force, which is not being edited.
void VratZaznamyEditoru(Formular& f) {
  if (f.predOdDo.empty()) {
    VyberVolbu(f, 0);
    NastavZaskrtnuti(f, 1, 0);
    f[O::txtHNCas].text.clear();
    f[O::txtHNDatum].text.clear();
    UkazPodminky(f, {});
  }
  for (const auto& [o, zaznam] : f.predOdDo) f[o] = zaznam;
  UkazDatum(f, f[chHN(0)].hodnota != 1);
}

}  // namespace

void NastavZaskrtnuti(Formular& f, int index, int hodnota) {
  if (f[chHN(index)].hodnota == hodnota) return;
  f[chHN(index)].hodnota = hodnota;
  chHN_Click(f, index);
}

// A daily schedule has no date; a password box is filled right after its box is checked; hiding the
// cancel button leaves nothing to cancel with, so cancelling is forbidden too.
void chHN_Click(Formular& f, int index) {
  const bool zaskrtnuto = f[chHN(index)].hodnota == 1;
  switch (index) {
    case 0:
      UkazDny(f, zaskrtnuto);
      if (!zaskrtnuto) UkazDatum(f, true);
      else if (!OdDo(f)) UkazDatum(f, false);
      break;
    case 2:
      if (!zaskrtnuto) f[O::txtHNHeslo].text.clear();
      else if (f[O::frHN].povoleny) f.fokus = O::txtHNHeslo;
      break;
    case 4:
      NastavZaskrtnuti(f, 1, zaskrtnuto ? 1 : 0);
      f[chHN(1)].povoleny = !zaskrtnuto;
      break;
    default:
      break;
  }
}

void tlHNDen_Click(Formular& f, int den) { f[tlHNDen(den)].TrueFalse = !f[tlHNDen(den)].TrueFalse; }

void tlHNOdDo_Click(Formular& f) {
  if (OdDo(f)) {
    f[O::tlHNOdDo].TrueFalse = false;
    f[O::tlHNOdDo].text = "Od-Do";
    f[lblN(0)].text = "Čas";
    f[lblN(1)].text = "Datum";
    f[O::Label1].text = "den.měsíc.rok";
    f[opHN(1)].povoleny = true;
    for (int i = 2; i <= PocetAkci; ++i) f[opHN(i)].viditelny = true;
    f[chHN(3)].viditelny = true;
    if (f[O::frHN].povoleny) VratZaznamyEditoru(f);
    else if (!f[O::tlHNStorno].TrueFalse) ZobrazNastaveni(f, true);
    PovolZakazStorna(f);
    f.predOdDo.clear();
  } else {
    f.predOdDo.clear();
    if (f[O::frHN].povoleny)
      for (const Ovladac o : ZaznamyEditoru()) f.predOdDo.emplace_back(o, f[o]);
    f[O::tlHNOdDo].TrueFalse = true;
    UkazDatum(f, true);
    f[O::tlHNOdDo].text = "Zpět";
    f[lblN(0)].text = "Od";
    f[lblN(1)].text = "Do";
    f[O::Label1].text = "hodina:minuta";
    VyberVolbu(f, 1);
    f[opHN(1)].povoleny = false;
    for (int i = 2; i <= PocetAkci; ++i) f[opHN(i)].viditelny = false;
    NastavZaskrtnuti(f, 1, 1);
    f[chHN(1)].povoleny = false;
    NastavZaskrtnuti(f, 3, 0);
    f[chHN(3)].viditelny = false;
    f[O::txtHNCas].text.clear();
    f[O::txtHNDatum].text.clear();
  }
  UkazRadekPodminky(f);
  if (f[O::frHN].povoleny) f.fokus = O::txtHNCas;
}

namespace {

// The tray icon's text, and the same in the status bar. A balloon still kept back is old news now.
void Publikuj(Formular& f, std::string_view text) {
  stav.OdlozenaBublina.clear();
  port<IkonaListy>().NastavTip(text);
  f.sbText = text;
  f.sbIkona = ikona::Informace;
}

// What the tray says of the schedule in force: the time left, or the application title when idle.
void PublikujPlan(Formular& f) { Publikuj(f, TipPlanu()); }

void OtevriEditor(Formular& f) {
  f.hesloEditoru = HesloVPlatnosti();
  f.predOdDo.clear();
  f[O::frHA].povoleny = false;
  f[O::frHN].povoleny = true;
  f.fokus = O::txtHNCas;
}

// An open editor was let in by the password in force then; a schedule that arrived from outside since
// may be guarded by another, which it asks for before the editor replaces or stops that schedule.
bool HesloEditoruPlati(Formular& f, Zasah co = Zasah::Zmena) {
  if (!SpravceDovoli(co)) return false;  // the administrator's schedule may have come meanwhile
  if (HesloVPlatnosti() == f.hesloEditoru) return true;
  if (!NastaveniHeslo(co)) return false;
  f.hesloEditoru = HesloVPlatnosti();
  return true;
}

}  // namespace

void tlHNastaveni_Click(Formular& f) {
  if (!NastaveniHeslo()) return;
  OtevriEditor(f);
  f[O::txtHNDatum].text.clear();
  f[O::txtHNCas].text.clear();
  VyberVolbu(f, 0);
  for (int i = 0; i <= 4; ++i) NastavZaskrtnuti(f, i, 0);
  f[O::txtHNHeslo].text.clear();
  f[O::txtHNHeslo].maska = false;
  NastavDny(f, dny::Kazdy);
  UkazPodminky(f, {});
  f.fokus = O::txtHNCas;
  f[O::tlHNastaveni].povoleny = false;
  f[O::tlHNastaveniZ].viditelny = false;
  f[O::tlHNastaveniP].viditelny = false;
  tl_MouseMoveEnabled(f, O::tlHNastaveni, false);
  f[O::tlHNStop].viditelny = false;
}

// The controls keep the schedule in force that ZobrazNastaveni put there.
void tlHNastaveniZ_Click(Formular& f) {
  if (!NastaveniHeslo()) return;
  OtevriEditor(f);
  f[O::txtHNHeslo].maska = false;
  for (const O o : {O::tlHNastaveni, O::tlHNastaveniZ, O::tlHNastaveniP}) f[o].povoleny = false;
  tl_MouseMoveEnabled(f, O::tlHNastaveniZ, false);
  f[O::tlHNStop].viditelny = true;
}

// Only the time can change: what is stored stays, and comes back after a restart.
void tlHNastaveniP_Click(Formular& f) {
  if (!NastaveniHeslo()) return;
  f[O::tlHNastaveniP].TrueFalse = true;
  OtevriEditor(f);
  for (const O o : {O::tlHNastaveni, O::tlHNastaveniZ, O::tlHNastaveniP}) f[o].povoleny = false;
  tl_MouseMoveEnabled(f, O::tlHNastaveniP, false);
  f[O::tlHNStop].viditelny = true;
  PovolVolbyPlanu(f, false);
}

void tlHNStorno_Click(Formular& f) {
  f[O::tlHNStorno].TrueFalse = true;
  f[O::frHN].povoleny = false;
  f[O::frHA].povoleny = true;
  if (f[O::tlHNastaveniP].TrueFalse) {
    PovolVolbyPlanu(f, true);
    PovolZakazStorna(f);
  }
  f[O::tlHNastaveniP].TrueFalse = false;
  f[O::txtHNHeslo].maska = true;
  ZobrazNastaveni(f, false);
  tl_MouseMoveEnabled(f, O::tlHNStorno, false);
  for (const O o : {O::tlHNastaveni, O::tlHNastaveniZ, O::tlHNastaveniP}) f[o].povoleny = true;
  f[O::tlHNStop].viditelny = false;
  f[O::tlHNStorno].TrueFalse = false;
}

void tlHNAktivace_Click(Formular& f) {
  if (!StornoDovoleno() || !HesloEditoruPlati(f)) return;
  if (const auto chybi = CoChybi(f)) {
    port<Dialogy>().Zprava(*chybi, NazevAplikace, styl::Ok | styl::Vykricnik);
    return;
  }
  // Without a time nor a condition the action comes at once: the question says what that costs.
  const bool hned = !f[O::tlHNOdDo].TrueFalse && Orizni(f[O::txtHNCas].text).empty() && PodminkaRadku(f).empty();
  std::string otazka = hned ? OtazkaHned(static_cast<std::uint8_t>(VybranaVolba(f))) : std::string();
  const unsigned tlacitka = styl::AnoNe | styl::Otaznik | (otazka.empty() ? 0 : styl::DruheVychozi);
  if (otazka.empty()) otazka = "Opravdu si přejete aktivovat nastavené parametry?";
  if (!f[O::tlHNOdDo].TrueFalse) {
    const std::string buzeni = TextBezProbuzeni(static_cast<std::uint8_t>(VybranaVolba(f)));
    const std::string nebezi = TextProgramNebezi(PodminkyHned(f, port<Hodiny>().Ted()));
    // The system's idle sleep would cut off the job the action waits for: held from the not-before moment.
    const bool od_casu = !Orizni(f[O::txtHNCas].text).empty();
    const std::string bdely = PodminkaRadku(f).empty() ? ""
                              : od_casu ? "Od zadaného času, dokud se na podmínku čeká, počítač sám neusne."
                                        : "Dokud se na podmínku čeká, počítač sám neusne.";
    for (const std::string* veta : {&buzeni, &bdely, &nebezi}) {
      if (!veta->empty()) otazka.append("\r\n\r\n").append(*veta);
    }
  }
  if (port<Dialogy>().Zprava(otazka, NazevAplikace, tlacitka) != odpoved::Ano) {
    tlHNStorno_Click(f);
    return;
  }
  if (!SpravceDovoli()) return;  // the policy may have changed while the question was up
  const bool posunuti = f[O::tlHNastaveniP].TrueFalse;
  // The schedule a postponement stands in for: after it, its stored time comes back.
  const Plan nahrazeny = stav.Posunuti == 1 ? stav.PredPosunutim : static_cast<const Plan&>(stav);
  f[O::lblHN].text.clear();
  tlHNParametr_Click(f);
  const Rozbor rozbor = NahradPlan(f.Tag, true, posunuti);
  if (rozbor == Rozbor::Aktivni) {
    if (posunuti) ZapamatujPosunuti(nahrazeny);
    tlHNStorno_Click(f);
    const bool jen_cas = stav.Dny == dny::Kazdy && stav.Podminka.Zadne();
    f[O::lblHN].text = jen_cas ? stav.AkceNazev + " " + TextCile(stav.CilovyCas) : TextShrnuti();
    Publikuj(f, TipPoAktivaci());
    return;
  }
  PublikujPlan(f);
  if (rozbor == Rozbor::Provedeno) {
    tlHNStorno_Click(f);
    return;
  }
  // The user's entries stay in the editor to be put right.
  f[O::lblHN].text = TextShrnuti();
  port<Dialogy>().Zprava(rozbor == Rozbor::Vyprselo ? "Nastavení nebylo aktivováno: zadaný čas už uplynul."
                                                    : "Nastavení nebylo aktivováno: zadání není platné.",
                         NazevAplikace, styl::Ok | styl::Vykricnik);
  f.fokus = O::txtHNCas;
}

void tlHNStop_Click(Formular& f) {
  // The session is being ended, or ";zs" forbids it.
  if (!StornoDovoleno() || !HesloEditoruPlati(f, Zasah::Storno)) return;
  const std::string text = TextStornovano();
  ZrusAkci();                             // the programs may be being closed: the action stops there
  if (stav.UpozorneniBezi == 1) Skryj();  // a countdown ends with its schedule
  // A postponement gives way to the moment it stood in for.
  if (stav.Posunuti == 1 && ZrusPosunuti()) {
    PublikujPlan(f);
  } else {
    ZrusPlan();
    Publikuj(f, text);
    f.Tag.clear();
  }
  tlHNStorno_Click(f);
}

void KontrolaPriOdchodu(Formular& f, Ovladac pole) {
  PoleVstupu vstup{f[pole].text, 0};
  const bool prijato = pole == O::txtHNCas || OdDo(f) ? KontrolaCasu(vstup) : KontrolaData(vstup);
  f[pole].text = vstup.text;
  if (prijato) return;
  f.fokus = pole;
  f.kurzor = vstup.kurzor;
}

// The user's entries in an open editor are theirs: only a closed one shows the new schedule.
void PlanZvenku(Formular& f, std::string_view text) {
  if (!f[O::frHN].povoleny) ZobrazNastaveni(f, false);
  Publikuj(f, text);
}
