#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/stav.h"
#include "falesne_porty.h"
#include "platform/cinnost.h"
#include "platform/napajeni.h"
#include "platform/okna_procesu.h"
#include "platform/okna_programu.h"
#include "platform/planovac.h"
#include "platform/plocha.h"
#include "platform/probouzeni.h"
#include "platform/relace.h"
#include "platform/schranka.h"
#include "platform/system.h"
#include "platform/uloziste.h"
#include "scheduler/planovac_programu.h"

// Everything the scheduler reaches, faked in one place: each effect is written to one log as a short
// line, so a test can compare what happened, in order, with a list.
class FalesnySvet : public FalesnePorty,
                    CasovacOkna,
                    OknoUpozorneni,
                    IkonaListy,
                    HlavniOkno,
                    Uloziste,
                    Napajeni,
                    InfoSystemu,
                    Plocha,
                    Aplikace,
                    Schranka,
                    Probouzeni,
                    Cinnost,
                    Relace {
 public:
  std::vector<std::string> log;
  std::string ulozeny_parametr;
  std::string vyrizeno;       // the store's day's moment dealt with
  std::string run, run_once;  // empty: the value does not exist
  bool autostart_povolen = true;                                          // the user's switch in Startup apps
  Selhani selhani;                                                        // what the power calls answer: nothing, done
  std::optional<PrihlaseniUzivatelu> prihlaseni = PrihlaseniUzivatelu{};  // nobody else signed in
  int win_platform = 2, win_version = 11;
  SchopnostiSpanku schopnosti;
  bool hint = false;
  bool otevrit_hlavni = true;  // opening the main window succeeds
  bool vzdalena_pc = true;      // the remote-PC dialog starts
  bool zastupce = false;        // the desktop shortcut exists
  std::string tip;              // the tray icon's text
  std::string schranka = "(nic)";  // the clipboard
  std::vector<std::string> probuzeni;  // the wake timer: each moment set, "zrus" for each cancel
  std::vector<int> ohlasy;              // the seconds left at each announcement of the countdown
  int zazneni = 0;                      // the warning sounds played
  int stav_uzivatele = 5;               // the shell's notification state: accepts notifications
  bool probuzeni_selze = false;         // the system refuses the wake timer
  // Each change of the hold that keeps the computer awake, with the number of log lines before it.
  std::vector<std::pair<std::uint32_t, std::size_t>> bdelost;
  std::optional<unsigned> buzeni;       // the power plan's wake-timer setting; none: unreadable
  bool ikona_pryc = false;              // the tray icon was taken away
  // What the computer does: the processes that run, the counters (the test moves them on), the last
  // input on the steady clock; nothing can be read while cinnost_selze.
  std::vector<std::string> procesy;
  CasyProcesoru procesor;
  std::uint64_t bajty = 0;
  std::chrono::milliseconds posledni_vstup{0};
  bool cinnost_selze = false;
  bool meri_sit = true;               // the system has the network counters
  int dotazu_cinnosti = 0;            // every question asked of it
  std::function<void()> priZavirani;  // what happens while the programs are being closed

  FalesnySvet() { stav = StavPlanu{}; }
  ~FalesnySvet() override { stav = StavPlanu{}; }

  // The log without the lines that start with any of the prefixes.
  std::vector<std::string> Log(std::initializer_list<std::string_view> bez = {}) const {
    std::vector<std::string> vysledek;
    for (const auto& radek : log) {
      bool vynechat = false;
      for (auto p : bez) vynechat |= radek.starts_with(p);
      if (!vynechat) vysledek.push_back(radek);
    }
    return vysledek;
  }

 private:
  void Zapis(std::string radek) { log.push_back(std::move(radek)); }

  std::uintptr_t Zapni() override { Zapis("SetTimer"); return 1225; }
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

  void NastavTip(std::string_view text) override {
    tip = text;
    Zapis("tip " + tip);
  }
  std::string Tip() const override { return tip; }
  void Bublina(std::string_view text) override { Zapis("bublina " + std::string(text)); }
  int StavUzivatele() override { return stav_uzivatele; }
  void Odeber() override {
    ikona_pryc = true;
    Zapis("ikona pryc");
  }
  void Vrat() override {
    if (ikona_pryc) Zapis("ikona zpet");
    ikona_pryc = false;
  }

  void Otevri() override {
    Zapis("hlavni okno");
    if (otevrit_hlavni) stav.HlavniOtevreno = 1;
  }
  void UkazCas(std::string_view cas, std::string_view datum) override {
    Zapis("hodiny " + std::string(cas) + " " + std::string(datum));
  }
  void StavovyRadek(std::string_view text, int ikona) override {
    Zapis("sb " + std::to_string(ikona) + " " + std::string(text));
  }
  bool mmeActive() override { return hint; }
  void ZrusHint() override { hint = false; Zapis("zrus hint"); }
  void PlanZvenku(std::string_view text) override { Zapis("plan zvenku " + std::string(text)); }

  std::string CtiParametr() override { return ulozeny_parametr; }
  std::string CtiVyrizeno() override { return vyrizeno; }
  void ZapisVyrizeno(std::string_view okamzik) override { vyrizeno = okamzik; }
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
    Zapis(text);
    return selhani;
  }
  Selhani SetSuspendState(bool h, bool v, bool b) override {
    Zapis("SetSuspendState " + std::to_string(h) + " " + std::to_string(v) + " " + std::to_string(b));
    return selhani;
  }
  Selhani LockWorkStation() override {
    Zapis("LockWorkStation");
    return selhani;
  }
  std::optional<PrihlaseniUzivatelu> Prihlaseni() override { return prihlaseni; }
  SchopnostiSpanku Schopnosti() override { return schopnosti; }
  void VypniObrazovku() override { Zapis("SC_MONITORPOWER 2"); }
  void UkonciProgman() override { Zapis("TerminateProcess progman"); }
  bool DialogVzdalenychPC() override {
    Zapis("shutdown.exe /i");
    return vzdalena_pc;
  }

  bool MaZastupce() override { return zastupce; }
  void SmazZastupce() override {
    zastupce = false;
    Zapis("smaz zastupce");
  }
  void VytvorZastupce() override {
    zastupce = true;
    Zapis("vytvor zastupce");
  }

  void Ukonci() override { Zapis("konec programu"); }
  void Vloz(std::string_view text) override { schranka = text; }
  bool Nastav(Cas kdy) override {
    probuzeni.push_back(FormatDatum(kdy) + " " + FormatCasSekundy(kdy) + (probuzeni_selze ? " selhalo" : ""));
    return !probuzeni_selze;
  }
  void Zrus() override { probuzeni.push_back("zrus"); }
  void DrzBdely(std::uint32_t priznaky) override { bdelost.emplace_back(priznaky, log.size()); }
  std::optional<unsigned> NastaveniBuzeni() override { return buzeni; }

  std::optional<bool> BeziProgram(std::string_view jmeno) override {
    ++dotazu_cinnosti;
    if (cinnost_selze) return std::nullopt;
    const auto stejne = [&](const std::string& p) {
      return std::equal(p.begin(), p.end(), jmeno.begin(), jmeno.end(),
                        [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    };
    return std::any_of(procesy.begin(), procesy.end(), stejne);
  }
  std::optional<CasyProcesoru> Procesor() override {
    ++dotazu_cinnosti;
    return cinnost_selze ? std::nullopt : std::optional(procesor);
  }
  std::optional<std::uint64_t> BajtySite() override {
    ++dotazu_cinnosti;
    return cinnost_selze ? std::nullopt : std::optional(bajty);
  }
  bool MeriSit() override { return meri_sit; }
  std::optional<std::chrono::milliseconds> BezVstupu() override {
    ++dotazu_cinnosti;
    return cinnost_selze ? std::nullopt : std::optional(hodiny.Tik() - posledni_vstup);
  }

  int WinPlatform() const override { return win_platform; }
  int WinVersion() const override { return win_version; }
  std::string WinVersionS() const override { return "Windows"; }

  // No other program's window: the closing of programs is only written down, as in a dry run.
  class ZadnaOkna final : public OknaProcesu {
   public:
    explicit ZadnaOkna(FalesnySvet& svet) : svet_(svet) {}
    bool ZacniZavirani() override {
      svet_.Zapis("ZavriProgramy");
      if (svet_.priZavirani) svet_.priZavirani();
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

   private:
    FalesnySvet& svet_;
  };

  PlanovacProgramu planovac_;
  ZadnaOkna okna_{*this};
  Pripojeni<CasovacOkna> p1_{*this};
  Pripojeni<OknoUpozorneni> p2_{*this};
  Pripojeni<IkonaListy> p3_{*this};
  Pripojeni<HlavniOkno> p4_{*this};
  Pripojeni<Uloziste> p5_{*this};
  Pripojeni<Napajeni> p6_{*this};
  Pripojeni<InfoSystemu> p7_{*this};
  Pripojeni<Planovac> p9_{planovac_};
  Pripojeni<Plocha> p10_{*this};
  Pripojeni<Aplikace> p11_{*this};
  Pripojeni<Schranka> p12_{*this};
  Pripojeni<Probouzeni> p13_{*this};
  Pripojeni<Cinnost> p14_{*this};
  Pripojeni<Relace> p15_{*this};
  Pripojeni<OknaProcesu> p16_{okna_};
};
