#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/kalendar.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/hodiny.h"
#include "platform/port.h"

// What one parameter string comes to, as one line. The recorder (tools/korpus/zaznam.cpp) builds this
// header against an old build and korpus_test.cpp against today's, so both must compile it.

// Days and conditions came later, together: an old plan has none, and a plan without them writes nothing.
template <class P>
std::string DnyAPodminky(const P& p) {
  std::string text;
  if constexpr (requires { p.Podminka; }) {
    if (p.Dny != 0) text += " dny=" + std::to_string(p.Dny);
    if (!p.Podminka.program.empty()) text += " po=[" + p.Podminka.program + "]";
    if (p.Podminka.klid != 0) text += " klid=" + std::to_string(p.Podminka.klid);
    if (p.Podminka.necinnost != 0) text += " necinnost=" + std::to_string(p.Podminka.necinnost);
    if (p.BezCasu != 0) text += " bezcasu";
  }
  return text;
}

// The world of both builds: Friday 4 December 2026, 10:00:00, a Czech decimal comma, a machine that can
// sleep (the fake world's, tests/native/falesny_svet.h).
template <class Svet>
void PripravSvet(Svet& svet) {
  svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
  svet.mistni.oddelovac = ",";
  svet.schopnosti.spanek = true;
}

// A session's end by what it does, not by the reason it gives the event log, nor by whether programs
// registered for a restart reopen (both came later): "ExitWindowsEx 0x00000006".
inline std::string BezDuvodu(const std::string& volani) {
  if (!volani.starts_with("ExitWindowsEx ")) return volani;
  const unsigned priznaky = std::stoul(volani.substr(14, 10), nullptr, 16) & ~0x40u;
  char text[32];
  std::snprintf(text, sizeof text, "ExitWindowsEx 0x%08X", priznaky);
  return text;
}

// A fresh schedule, started at the clock's present moment, given the string as a command line would.
// An action carried out at once is told by the power calls it left in the fake world's log.
inline std::string RadekKorpusu(const std::string& text, const std::vector<std::string>& log) {
  stav = StavPlanu{};
  stav.CasSpusteni = port<Hodiny>().Ted();
  const auto pred = log.size();
  const auto c = [](int priznak) { return std::to_string(priznak); };
  const Rozbor rozbor = Rozeber(text, /*BezHlaseni*/ true, /*NeUkladat*/ false);
  if (rozbor == Rozbor::Odmitnuto) return "Odmitnuto";
  if (rozbor == Rozbor::Vyprselo) return "Vyprselo";
  if (rozbor == Rozbor::Provedeno) {
    std::string radek = "Provedeno";
    for (auto i = pred; i < log.size(); ++i)
      for (const std::string_view v : {"ZavriProgramy", "ExitWindowsEx", "SetSuspendState", "LockWorkStation",
                                       "SC_MONITORPOWER", "TerminateProcess"})
        if (log[i].starts_with(v)) radek += " " + BezDuvodu(log[i]) + ";";
    return radek;
  }
  return "Aktivni akce=" + c(stav.Akce) + " cil=" + FormatDatum(stav.CilovyCas) + " " +
         FormatCasSekundy(stav.CilovyCas) + " kd=" + c(stav.KazdyDen) + " zs=" + c(stav.ZakazStorna) +
         " ss=" + c(stav.SkrytStorno) + " kv=" + c(stav.KontrolovaneVypnuti) + " od=" + c(stav.OdDo) +
         " do=" + (stav.OdDo ? FormatHodinyMinuty(stav.DoCas) : "-") +
         " heslo=" + (stav.HesloZapnuto ? "[" + stav.Heslo + "]" : "-") + DnyAPodminky(stav);
}
