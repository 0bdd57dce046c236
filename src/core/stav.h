#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/kalendar.h"
#include "core/podminky.h"
#include "platform/produkt.h"

// Action codes of Akce and of ProvedAkci's argument.
namespace akce {
inline constexpr std::uint8_t Zadna = 0;
inline constexpr std::uint8_t Vypnuti = 1;
inline constexpr std::uint8_t Restart = 2;
inline constexpr std::uint8_t Odhlaseni = 3;
inline constexpr std::uint8_t Spanek = 4;
inline constexpr std::uint8_t Zamceni = 5;
inline constexpr std::uint8_t Hibernace = 6;
}  // namespace akce

// The local time as the tick reads it.
struct MistniCasZaznam {
  int rok = 0, mesic = 0, den_tydne = 0, den = 0, hodina = 0, minuta = 0, sekunda = 0, milisekundy = 0;
};

// The schedule: what the parser writes. Flags hold only 0 or 1. Everything starts zero or empty.
struct Plan {
  std::uint8_t Akce = 0;
  std::string AkceNazev;
  std::uint8_t OdDo = 0;
  std::uint8_t RezimMinuty = 0;
  std::int16_t Den = 0, Mesic = 0, Rok = 0, Hodina = 0, Minuta = 0;  // the warning minute
  std::int16_t DoHodina = 0, DoMinuta = 0;                           // end of a from-to window
  std::chrono::seconds DoCas{0};                                     // that end as a time of day
  Cas CilovyCas{};
  Cas CasSpusteni{};
  std::uint8_t KazdyDen = 0;
  std::uint8_t Dny = 0;        // the days of the week a daily schedule keeps to (core/dny.h); 0: every day
  Podminky Podminka;           // what it waits for from CilovyCas on (core/podminky.h); none: that moment alone
  std::uint8_t BezCasu = 0;    // 1: a condition given without a time, watched from the moment it was armed
  std::uint8_t JenRelace = 0;  // 1: Parametr counts from now (minutes, a condition without a time): never stored
  std::uint8_t KonecDne = 0;   // 1: the time was 24:00, the end of the day named, which is the next day's 0:00
  std::uint8_t SDatem = 0;     // 1: the string names the day (";d/…/")
  std::uint8_t ZakazStorna = 0;
  std::uint8_t SkrytStorno = 0;
  // A snooze's minutes are real minutes: its warning never before this moment of the steady clock, whatever
  // the wall clock does meanwhile (the hour daylight saving skips, a clock set forward). 0: no such floor.
  std::chrono::milliseconds NejdriveVarovani{0};
  std::uint8_t KontrolovaneVypnuti = 0;
  std::uint8_t HesloZapnuto = 0;
  std::string Heslo;
  std::string Parametr;
  std::uint8_t Neaktivni = 0;
  std::uint8_t Posunuti = 0;
  Cas Vyrizeno{};      // the last day's moment of Parametr dealt with (carried out, cancelled, passed)
  std::uint8_t PriSpusteni = 0;
  std::uint8_t PriPrihlaseni = 0;  // 1 while start-up parses what the autostart entry brought at a log-on
};

// A call that was to end the session: on the steady clock, when it was made, and for which action; and
// whether it was the schedule's own.
struct VolaniKonce {
  std::chrono::milliseconds od{0};
  std::uint8_t akce = 0;
  bool plan = false;
};

// The one schedule of the process and the few facts about the program's windows that the scheduler
// needs.
struct StavPlanu : Plan {
  Plan PredPosunutim;  // with Posunuti: the schedule in force the postponement stands in for
  std::uint8_t HlavniOtevreno = 0;
  std::uint8_t UpozorneniBezi = 0;
  std::uint8_t ZbyvaSekund = 0;
  // The action under way: 1 while the programs are being closed (a cancel may still stop it), 2 once the
  // session-ending call is made; 0 otherwise.
  std::uint8_t AkceBezi = 0;
  std::uint8_t AkceZrusena = 0;            // a cancel came while AkceBezi was 1
  std::uint8_t BeziciAkce = 0;             // with AkceBezi: which action
  std::uint8_t AkcePlanu = 0;              // with AkceBezi: the schedule's own (its password still guards it)
  std::uint8_t AkceBezStorna = 0;          // the action under way may not be cancelled (its own ";zs")
  std::uint8_t SpanekBehemAkce = 0;        // the computer slept while the programs were being closed
  std::optional<VolaniKonce> KonecSezeni;  // the session-ending call was made: when, for which action
  std::uintptr_t CasovacID = 0;
  std::chrono::milliseconds KonecOdpoctu{0};  // when the countdown ends, on the steady clock
  std::chrono::milliseconds Zpozdeni{0};      // how late after its warning minute began, in real time, the
                                              // countdown under way began
  std::chrono::milliseconds PosledniTik{0};   // the steady clock at the last tick
  std::optional<Cas> Probuzeni;               // the moment the computer is to wake for, when set
  std::optional<Cas> Probuzeno;               // when the program's own wake timer woke the computer
  HlidaniPodminek Hlidani;                    // how the schedule's conditions are being watched
  std::uint32_t Bdely = 0;                    // what the computer is kept from (bdelost:: besides Trvale)
  std::string OdlozenaBublina;                // a balloon that would not have been seen yet
  std::uint8_t AutostartHlasen = 0;           // the switched-off Startup entry has been told once
  // What the administrator set (Group Policy): the schedule in force that nobody else changes or ends
  // (empty: none, or one the parser refused), a line for the warning, and whether users may not set
  // schedules of their own. Neither the store nor the autostart values are written while either holds.
  std::string ZasadaParametr;
  std::string ZasadaZprava;
  std::uint8_t ZakazVlastnich = 0;
  std::string ZasadaChybna;  // a string of the administrator's the program refused, said once
  std::string HlaseniOkna;   // said once by the main window's status bar, now or when it next opens
  int PosledniMinuta = 0;
  MistniCasZaznam MistniCas;
  std::vector<std::uint32_t> UkonceneProcesy;
  int UkoncenychPocet = 0;
  int ObrazovkaSirka = 0, ObrazovkaVyska = 0;
};

extern StavPlanu stav;

// Whether the plan acts on the day of this moment of it, the day as the user named it: 24:00 belongs to
// the day before midnight.
bool VPovolenyDen(const Plan& plan, Cas okamzik);

// The end of the watch of a condition that begins at `od`: 06:00 the morning after the day named, or for
// a daily plan its next day's moment if that comes first.
Cas KonecHlidani(const Plan& plan, Cas od);

// Whether a moment of the plan is still to come at `ted`: a plain moment until it has passed, a
// condition's until the watch it begins has ended.
bool JesteNastane(const Plan& plan, Cas okamzik, Cas ted);
