#pragma once

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

#include "core/dny.h"
#include "core/heslo.h"
#include "core/kodovani.h"
#include "core/prikazovy_radek.h"
#include "core/spanek.h"
#include "falesne_porty.h"
#include "platform/okna_programu.h"
#include "platform/plocha.h"
#include "platform/probouzeni.h"
#include "platform/relace.h"
#include "platform/schranka.h"
#include "platform/sit.h"
#include "platform/system.h"
#include "platform/uloziste.h"
#include "platform/zasady.h"
#include "program/nabidka_ikony.h"
#include "program/predani.h"
#include "program/start.h"
#include "scheduler/akce.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/odlozeni.h"
#include "scheduler/planovac_programu.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zavirani.h"
#include "scheduler/zmena_planu.h"
#include "scheduler/zmeskane.h"
#include "scheduler/zpravy_okna.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/filtr_klaves.h"
#include "ui/main_window/hlavni_okno.h"
#include "ui/main_window/napovedy.h"
#include "ui/main_window/parametr_z_formulare.h"
#include "ui/main_window/podminka_formulare.h"
#include "ui/main_window/zobraz_nastaveni.h"
#include "ui/warning/umisteni.h"
#include "zaklad.h"

using O = Ovladac;

// A moment of the tests' day, 4 December 2026 (a Friday) unless another day is given.
inline Cas V(int hodina, int minuta, int sekunda = 0, int den = 4) {
  return SlozCas(2026, 12, den, hodina, minuta, sekunda);
}

// The moment a schedule is armed for, as the tray says it: "5.12.2026 10:01:00", or "-" with none.
inline std::string Cil() {
  return stav.Neaktivni ? "-" : FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas);
}

// The lines joined into one, to be compared with one expected line.
inline std::string Spoj(const std::vector<std::string>& radky, std::string_view mezi = ", ") {
  std::string vysledek;
  for (std::size_t i = 0; i < radky.size(); ++i) vysledek += (i ? std::string(mezi) : "") + radky[i];
  return vysledek;
}

// A table: each row is what is given and the one line expected of it, which `radek` makes.
using Radky = std::vector<std::pair<std::string, std::string>>;
inline void Tabulka(const Radky& radky, const std::function<std::string(const std::string&)>& radek) {
  for (const auto& [vstup, cekano] : radky) EXPECT_EQ(radek(vstup), cekano) << vstup;
}

// Implements the ports listed, each installed for the lifetime of the object.
template <class... Rozhrani>
struct Implementace : Rozhrani... {
  std::tuple<Pripojeni<Rozhrani>...> pripojeni_{static_cast<Rozhrani&>(*this)...};
};

// Everything the scheduler reaches, faked in one place: each effect is written to one log as a short
// line, so a test can compare what happened, in order, with a list.
class FalesnySvet
    : public FalesnePorty,
      public Implementace<CasovacOkna, OknoUpozorneni, IkonaListy, HlavniOkno, Uloziste, Napajeni, InfoSystemu, Plocha,
                          Aplikace, Schranka, Probouzeni, Cinnost, Relace, OknaProcesu, Zasady> {
 public:
  std::vector<std::string> log;
  // The store: the schedule, the day's moment dealt with, the autostart values (empty: none); the user
  // never switched them off in Startup apps.
  std::string ulozeny_parametr, vyrizeno, vyrizeno_spravce, run, run_once;
  Selhani selhani;                                                        // what the power calls answer: nothing, done
  std::optional<PrihlaseniUzivatelu> prihlaseni = PrihlaseniUzivatelu{};  // nobody else signed in
  int win_platform = 2, win_version = 11;
  SchopnostiSpanku schopnosti;
  // A button's hint in the main window, the desktop shortcut exists, the tray icon was taken away; the
  // tray icon's text and the clipboard. The main window and the remote-PC dialog always open.
  bool hint = false, zastupce = false, ikona_pryc = false;
  std::string tip, schranka = "(nic)";
  // The wake timer: each moment set, "zrus" for each cancel; the power plan's wake-timer setting (none:
  // unreadable).
  std::vector<std::string> probuzeni;
  std::optional<unsigned> buzeni;
  // The seconds left at each announcement of the countdown, the warning sounds played, and the shell's
  // notification state (5: accepts notifications).
  std::vector<int> ohlasy;
  int zazneni = 0, stav_uzivatele = 5;
  // Each change of the hold that keeps the computer awake, with the number of log lines before it.
  std::vector<std::pair<std::uint32_t, std::size_t>> bdelost;
  // What the computer does: the processes that run, the counters (the test moves them on), the last
  // input on the steady clock; nothing can be read while cinnost_selze; the network counters exist;
  // every question asked of it.
  std::vector<std::string> procesy;
  CasyProcesoru procesor;
  std::uint64_t bajty = 0;
  std::chrono::milliseconds posledni_vstup{0};
  bool cinnost_selze = false, meri_sit = true, autostart_povolen = true;
  int dotazu_cinnosti = 0;
  std::function<void()> priZavirani;  // what happens while the programs are being closed
  // Group Policy: the values of the computer and of the user by name (a number written as text); none.
  std::map<std::string, std::string, std::less<>> zasady_pocitace, zasady_uzivatele;

  FalesnySvet() { stav = StavPlanu{}; }
  ~FalesnySvet() override { stav = StavPlanu{}; }

  // The program started at a moment, nothing armed yet, the log empty.
  void ZacniV(Cas kdy) {
    stav = StavPlanu{};
    hodiny.ted = stav.CasSpusteni = kdy;
    log.clear();
  }
  // The same with a schedule ("" for none), its timer on if asked.
  void Arm(const std::string& parametr, Cas kdy = V(10, 0), bool casovac = true) {
    ZacniV(kdy);
    if (parametr.empty()) stav.Neaktivni = 1;
    EXPECT_TRUE(parametr.empty() || RozeberParametr(parametr, true, false)) << parametr;
    if (casovac) Casovac(true);
    log.clear();
  }
  // Ticks every krok until the moment, `kazdy` saying first what the computer does in that step; ends
  // early once the warning is up if asked. The power calls made meanwhile.
  int Tikej(Cas konec, seconds krok = 1s, const std::function<void()>& kazdy = {}, bool do_varovani = false) {
    int akci = 0;
    while (hodiny.ted < konec && !(do_varovani && stav.UpozorneniBezi == 1)) {
      if (kazdy) kazdy();
      const auto pred = log.size();
      TikejV(hodiny.ted + krok);
      for (auto i = pred; i < log.size(); ++i) akci += Akce(log[i]) != 0;
    }
    return akci;
  }
  // The power action a line of the log carried out (akce::), 0 for none.
  static int Akce(const std::string& radek) {
    if (radek.starts_with("SetSuspendState")) return akce::Spanek;
    if (radek.starts_with("LockWorkStation")) return akce::Zamceni;
    if (!radek.starts_with("ExitWindowsEx")) return 0;
    const unsigned priznaky = static_cast<unsigned>(std::stoul(radek.substr(14, 10), nullptr, 16));
    return priznaky & 0x2 ? akce::Restart : priznaky & 0x9 ? akce::Vypnuti : akce::Odhlaseni;
  }
  int Tikej(seconds jak_dlouho) { return Tikej(hodiny.ted + jak_dlouho); }
  // One tick at the moment; a timer never set delivers none.
  void TikejV(Cas kdy) {
    hodiny.ted = kdy;
    if (stav.CasovacID != 0) CasovacTik();
  }
  // The log of ticking until the moment, without the lines that start with any of the prefixes.
  std::string Behem(Cas konec, std::initializer_list<std::string_view> bez = {}) {
    log.clear();
    Tikej(konec);
    return Spoj(Log(bez));
  }
  // Asleep for a while, then resumed: the system says so before the next tick, unless it is to say so
  // later (Spi(0s) then).
  void Spi(seconds jak_dlouho, bool ohlasit = true) {
    hodiny.ted += jak_dlouho;
    if (ohlasit) ZpracujZpravuOkna(zpravy_okna::Napajeni, zpravy_okna::Probuzeni, 0);
  }
  // The log without the lines that start with any of the prefixes.
  std::vector<std::string> Log(std::initializer_list<std::string_view> bez = {}) const {
    std::vector<std::string> vysledek;
    for (const auto& radek : log)
      if (std::none_of(bez.begin(), bez.end(), [&](auto p) { return radek.starts_with(p); })) vysledek.push_back(radek);
    return vysledek;
  }

 private:
  // Writes the line down and answers what the call returns.
  template <class T = bool>
  T Zapis(std::string radek, T vysledek = {}) {
    log.push_back(std::move(radek));
    return vysledek;
  }
  // A question about what the computer does: counted, and not answered while cinnost_selze.
  template <class T>
  std::optional<T> Odpovez(T odpoved) {
    ++dotazu_cinnosti;
    return cinnost_selze ? std::nullopt : std::optional(odpoved);
  }

  std::uintptr_t Zapni() override { return Zapis<std::uintptr_t>("SetTimer", 1225); }
  void Vypni() override { Zapis("KillTimer"); }

  void Nacti() override { Zapis("nacti upozorneni"); }
  void Ukaz(bool storno_povoleno, std::string_view poznamka) override {
    Zapis(std::string(storno_povoleno ? "ukaz storno" : "ukaz bez storna") + (poznamka.empty() ? "" : " | ") +
          std::string(poznamka));
  }
  void ZakazStorno() override {}
  void Schovej() override { Zapis("schovej"); }
  void NastavText(std::string_view text) override { Zapis("lblUC " + std::string(text)); }
  void Ohlas() override { ohlasy.push_back(stav.ZbyvaSekund); }
  void Zazni() override { ++zazneni; }

  void NastavTip(std::string_view text) override { Zapis("tip " + (tip = text)); }
  std::string Tip() const override { return tip; }
  void Bublina(std::string_view text) override { Zapis("bublina " + std::string(text)); }
  int StavUzivatele() override { return stav_uzivatele; }
  void Odeber() override { ikona_pryc = Zapis("ikona pryc", true); }
  void Vrat() override {
    if (std::exchange(ikona_pryc, false)) Zapis("ikona zpet");
  }

  void Otevri() override { stav.HlavniOtevreno = Zapis("hlavni okno", 1); }
  void UkazCas(std::string_view cas, std::string_view datum) override {
    Zapis("hodiny " + std::string(cas) + " " + std::string(datum));
  }
  void StavovyRadek(std::string_view text, int ikona) override {
    Zapis("sb " + std::to_string(ikona) + " " + std::string(text));
  }
  bool mmeActive() override { return hint; }
  void ZrusHint() override { hint = Zapis("zrus hint", false); }
  void PlanZvenku(std::string_view text) override { Zapis("plan zvenku " + std::string(text)); }

  std::string CtiParametr() override { return ulozeny_parametr; }
  std::string CtiVyrizeno() override { return vyrizeno; }
  void ZapisVyrizeno(std::string_view okamzik) override { vyrizeno = okamzik; }
  std::string CtiVyrizenoSpravce() override { return vyrizeno_spravce; }
  void ZapisVyrizenoSpravce(std::string_view okamzik_a_plan) override { vyrizeno_spravce = okamzik_a_plan; }
  void ZapisParametr(std::string_view ulozeny_tvar) override { ulozeny_parametr = ulozeny_tvar; }
  void NastavAutostart(Autostart klic, std::string_view prikaz) override {
    (klic == Autostart::Run ? run : run_once) = prikaz;
  }
  void SmazAutostart(Autostart klic) override { (klic == Autostart::Run ? run : run_once).clear(); }
  bool AutostartPovolen() override { return autostart_povolen; }
  std::string CestaProgramu() override { return "C:\\Program Files\\ZD\\vypnuti.exe"; }

  void PovolVypnuti() override { Zapis("privilegium"); }
  Selhani ExitWindowsEx(unsigned priznaky, unsigned duvod) override {
    char text[64];
    std::snprintf(text, sizeof text, "ExitWindowsEx 0x%08X 0x%08X", priznaky, duvod);
    return Zapis(text, selhani);
  }
  Selhani SetSuspendState(bool h, bool v, bool b) override {
    return Zapis("SetSuspendState " + std::to_string(h) + " " + std::to_string(v) + " " + std::to_string(b), selhani);
  }
  Selhani LockWorkStation() override { return Zapis("LockWorkStation", selhani); }
  std::optional<PrihlaseniUzivatelu> Prihlaseni() override { return prihlaseni; }
  SchopnostiSpanku Schopnosti() override { return schopnosti; }
  void VypniObrazovku() override { Zapis("SC_MONITORPOWER 2"); }
  void UkonciProgman() override { Zapis("TerminateProcess progman"); }
  bool DialogVzdalenychPC() override { return Zapis("shutdown.exe /i", true); }

  bool MaZastupce() override { return zastupce; }
  void SmazZastupce() override { zastupce = Zapis("smaz zastupce", false); }
  void VytvorZastupce() override { zastupce = Zapis("vytvor zastupce", true); }

  void Ukonci() override { Zapis("konec programu"); }
  void Vloz(std::string_view text) override { schranka = text; }
  bool Nastav(Cas kdy) override { return probuzeni.push_back(FormatDatum(kdy) + " " + FormatCasSekundy(kdy)), true; }
  void Zrus() override { probuzeni.push_back("zrus"); }
  void DrzBdely(std::uint32_t priznaky) override { bdelost.emplace_back(priznaky, log.size()); }
  std::optional<unsigned> NastaveniBuzeni() override { return buzeni; }

  std::optional<bool> BeziProgram(std::string_view jmeno) override {
    const auto stejne = [&](const std::string& p) {
      return std::equal(p.begin(), p.end(), jmeno.begin(), jmeno.end(),
                        [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    };
    return Odpovez(std::any_of(procesy.begin(), procesy.end(), stejne));
  }
  std::optional<CasyProcesoru> Procesor() override { return Odpovez(procesor); }
  std::optional<std::uint64_t> BajtySite() override { return Odpovez(bajty); }
  bool MeriSit() override { return meri_sit; }
  std::optional<std::chrono::milliseconds> BezVstupu() override { return Odpovez(hodiny.Tik() - posledni_vstup); }

  int WinPlatform() const override { return win_platform; }
  int WinVersion() const override { return win_version; }
  std::string WinVersionS() const override { return "Windows"; }

  // No other program's window: the closing of programs is only written down, as in a dry run.
  bool ZacniZavirani() override {
    Zapis("ZavriProgramy");
    if (priZavirani) priZavirani();
    return false;
  }
  void ProjdiOkna(ZpetneVolani, std::intptr_t) override {}
  std::uint32_t Styl(HandleOkna) override { return 0; }
  std::uint32_t RozsirenyStyl(HandleOkna) override { return 0; }
  std::string Trida(HandleOkna) override { return {}; }
  std::uint32_t Proces(HandleOkna) override { return 0; }
  std::uint32_t VlastniProces() override { return 0; }
  std::uint32_t ProcesShellu() override { return 0; }
  std::string JmenoProcesu(std::uint32_t) override { return {}; }
  void Posli(HandleOkna, unsigned, std::uintptr_t, std::intptr_t) override {}
  bool PosliACekej(HandleOkna, unsigned, std::uintptr_t, std::intptr_t, std::uint32_t, std::uintptr_t&) override {
    return false;
  }
  bool UkonciProces(std::uint32_t) override { return false; }
  void Cekej(std::uint32_t) override {}

  std::optional<std::string> Text(Rozsah rozsah, std::string_view nazev) override {
    const auto& zasady = rozsah == Rozsah::Pocitac ? zasady_pocitace : zasady_uzivatele;
    const auto i = zasady.find(nazev);
    return i == zasady.end() ? std::nullopt : std::optional(i->second);
  }
  std::optional<std::uint32_t> Cislo(Rozsah rozsah, std::string_view nazev) override {
    const auto text = Text(rozsah, nazev);
    return text ? std::optional(static_cast<std::uint32_t>(std::stoul(*text))) : std::nullopt;
  }

  PlanovacProgramu planovac_;
  Pripojeni<Planovac> planovac_pripojeni_{planovac_};
};

// A test with the world faked around it.
struct Svet : ::testing::Test {
  FalesnySvet svet;
};
