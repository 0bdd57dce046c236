#include "program/start.h"
#include "program/predani.h"

#include <gtest/gtest.h>

#include "core/kodovani.h"
#include "core/prikazovy_radek.h"
#include "falesny_svet.h"
#include "scheduler/casovac.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmena_planu.h"

// What is in force after a start, what the store holds, and what the window that opens says (nothing
// opens while a schedule is armed): "in force | stored | window".
std::string PoStartu(const FalesnySvet& svet) {
  std::string okno;
  for (const auto& radek : svet.log) {
    if (radek == "hlavni okno") okno = "okno";
    if (radek.starts_with("sb ")) okno = radek.substr(radek.find(' ', 3) + 1);
  }
  const std::string ulozeno = RozbalUlozenyTvar(svet.ulozeny_parametr).value_or(svet.ulozeny_parametr);
  return (stav.Neaktivni == 0 ? stav.Parametr : "-") + " | " + (ulozeno.empty() ? "-" : ulozeno) + " | " + okno +
         (svet.dialogy.zpravy.empty() ? "" : " +" + std::to_string(svet.dialogy.zpravy.size()) + " box");
}

// A typed line wins over the stored schedule (behind its password); what it does not arm leaves the
// stored one in force. The autostart entry's marker, or nothing, brings the stored one back.
TEST(Start, KteryParametrPlatiACoSeOtevre) {
  const std::string denni = "/restart;kd;t/20:00/", chraneny = "/restart;kd;h/tajne/;t/20:00/";
  const std::string ulozeny = UlozenyTvar(denni);
  const struct {
    std::string v_ulozisti, argument;
    std::optional<std::string> heslo;
    std::string po_startu;
  } pripady[] = {
      {"", "", {}, "- | - | okno"},
      {"", "/vypnuti;t/15:32/", {}, "/vypnuti;t/15:32/ | /vypnuti;t/15:32/;d/4.12.2026/ | "},
      {"", "/vypnuti;t/9:00/", {}, "- | - | Čas 9:00 už dnes uplynul, nic není naplánováno."},
      {UlozenyTvar("/vypnuti;t/8:00/;d/1.1.2020/"), "", {}, "- | - | okno"},  // stored and passed: without a word
      {ulozeny, "/vypnuti;t/15:32/", {}, "/vypnuti;t/15:32/ | /vypnuti;t/15:32/;d/4.12.2026/ | "},
      {ulozeny, UlozenyTvar(""), {}, denni + " | " + denni + " | "},  // the autostart entry's marker
      {ulozeny, ulozeny, {}, denni + " | " + denni + " | "},          // an older build's autostart entry
      {"", ulozeny, {}, "- | - | okno"},                              // its store was emptied: cancelled
      {ulozeny,
       "/vypnuti;t/9:00/",
       {},
       denni + " | " + denni + " | Čas 9:00 už dnes uplynul; platí dál uložené nastavení."},
      {ulozeny, "/foo", {}, denni + " | " + denni + " |  +1 box"},
      {UlozenyTvar(chraneny), "/vypnuti;t/15:32/", "spatne", chraneny + " | " + chraneny + " |  +2 box"},
      {UlozenyTvar(chraneny), "/vypnuti;t/15:32/", "tajne",
       "/vypnuti;t/15:32/ | /vypnuti;t/15:32/;d/4.12.2026/ |  +1 box"},
      {"", "/vypnuti;t/99/;x", {}, "/vypnuti;t/99/;x | - | "},  // minutes count from now: never stored
      {"", "/foo", {}, "- | - | okno +1 box"},
      {UlozenyTvar("/vypnuti;po/render.exe/"), "", {}, "- | - | okno"},  // an older build stored it
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    stav.CasSpusteni = svet.hodiny.ted;
    svet.ulozeny_parametr = p.v_ulozisti;
    svet.dialogy.vstupy = {p.heslo};
    Start(p.argument);
    const std::string kontext = "stored '" + p.v_ulozisti + "', argument '" + p.argument + "'";
    EXPECT_EQ(PoStartu(svet), p.po_startu) << kontext;
    EXPECT_EQ(stav.PriSpusteni, 0) << kontext;
    EXPECT_EQ(svet.Log().at(0), "nacti upozorneni") << kontext;
  }
  // A cancel while the typed line's own action closes the programs: the stored schedule does not come back.
  FalesnySvet svet;
  stav.CasSpusteni = svet.hodiny.ted;
  svet.ulozeny_parametr = ulozeny;
  svet.priZavirani = [] { PrijmiPokyn("/storno"); };
  Start("/restart;kv");
  EXPECT_EQ(PoStartu(svet), "- | - | okno");
}

// A damaged stored string goes with one box, and the command line, if any, then counts as usual. A
// stored action without a time (an earlier build stored "/vypnuti;kd") is damaged too: never carried out.
TEST(Start, PoskozenyUlozenyRetezecZmiziJednou) {
  for (const auto& [ulozeny, argument] :
       std::initializer_list<std::pair<const char*, const char*>>{{"/vypnuti;t/1.1/", ""},
                                                                  {"/spanek;t/23:00/;klid/15/", ""},  // on XP
                                                                  {"/vypnuti;t/1.1/", "/restart;t/13:30/"},
                                                                  {"/vypnuti;kd", ""},
                                                                  {"/restart;kd;zs", "/restart;t/13:30/"}}) {
    FalesnySvet svet;
    svet.meri_sit = false;
    stav.CasSpusteni = svet.hodiny.ted;
    svet.ulozeny_parametr = UlozenyTvar(ulozeny);
    svet.run = svet.run_once = "\"C:\\vypnuti.exe\" " + svet.ulozeny_parametr;
    // The window a second start hands its request to is there while the box is up.
    svet.dialogy.priZprave = [&] { EXPECT_EQ(svet.Log().at(0), "nacti upozorneni"); };
    Start(argument);
    // A command line replaces the damaged string before it is read; without one it goes with a word.
    if (*argument) {
      EXPECT_TRUE(svet.dialogy.zpravy.empty()) << argument;
    } else {
      ASSERT_EQ(svet.dialogy.zpravy.size(), 1u) << ulozeny;
      EXPECT_EQ(
          svet.dialogy.zpravy[0].text,
          "Uložené nastavení programu bylo poškozené, a proto bylo odstraněno.\r\nZadejte prosím nastavení znovu.");
    }
    EXPECT_EQ(svet.ulozeny_parametr, *argument ? UlozenyTvar(argument + std::string(";d/4.12.2026/")) : "") << argument;
    EXPECT_EQ(svet.run.empty(), !*argument) << argument;
    EXPECT_EQ(stav.Neaktivni, *argument ? 0 : 1) << argument;
    for (const auto& radek : svet.log) EXPECT_FALSE(radek.starts_with("ExitWindowsEx")) << ulozeny;
  }
}

namespace {

// 4 December 2026.
Cas V(int hodina, int minuta, int den = 4) { return SlozCas(2026, 12, den, hodina, minuta); }

// Ticks every 10 s until the moment, render.exe running until `bezi_do`; the number of power actions.
int Tikej(FalesnySvet& svet, Cas konec, Cas bezi_do = {}) {
  int akci = 0;
  while (svet.hodiny.ted < konec) {
    svet.procesy =
        svet.hodiny.ted < bezi_do ? std::vector<std::string>{"zaloha.exe", "render.exe"} : std::vector<std::string>{};
    svet.hodiny.ted += std::chrono::seconds{10};
    const auto pred = svet.log.size();
    CasovacTik();
    for (auto i = pred; i < svet.log.size(); ++i) {
      akci += svet.log[i].starts_with("ExitWindowsEx") || svet.log[i].starts_with("SetSuspendState");
    }
  }
  return akci;
}

// The program ends (its exit, or the session's), and the autostart entry starts it again at a log-on.
void Prihlaseni(FalesnySvet& svet, Cas kdy) {
  Casovac(false);
  stav = StavPlanu{};
  svet.hodiny.ted = stav.CasSpusteni = kdy;
  Start(TextArgumentu(svet.run));
}

}  // namespace

// A day's moment dealt with (carried out, cancelled, stood in for by a postponement) does not come back
// at a log-on later that day, and a condition's watch does not outlive the session it began in.
TEST(Start, PoPrihlaseniNicZnovu) {
  enum Udalost { Nic, Storno, Posunuti };
  const struct {
    const char* parametr;
    Cas bezi_do;      // render.exe and zaloha.exe run until then
    Udalost udalost;  // at the warning, or at 20:00 for the postponement
    Cas prihlaseni;
    const char* potom;  // what is armed after the log-on, and the power actions after it
  } pripady[] = {
      {"/restart;kd;zs;t/22:00/;po/zaloha.exe/", V(23, 0), Nic, V(23, 3), "5.12.2026 22:00:00, 0"},
      {"/vypnuti;kd;t/20:00/;po/render.exe/", V(20, 30), Storno, V(21, 0), "5.12.2026 20:00:00, 0"},
      {"/vypnuti;t/20:00/;po/render.exe/", V(23, 0), Nic, V(20, 35), "nic, 0"},
      {"/restart;kd;t/22:00/", {}, Posunuti, V(21, 3), "5.12.2026 22:00:00, 0"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.hodiny.ted = stav.CasSpusteni = V(19, 0);
    ASSERT_TRUE(RozeberParametr(p.parametr, false, false)) << p.parametr;
    Casovac(true);
    if (p.udalost == Posunuti) {
      Tikej(svet, V(20, 0));
      const Plan nahrazeny = stav;  // as the window's editor does it
      ASSERT_EQ(NahradPlan("/restart;kd;t/21:00/", true, true), Rozbor::Aktivni);
      ZapamatujPosunuti(nahrazeny);
    }
    while (stav.UpozorneniBezi == 0 && svet.hodiny.ted < p.prihlaseni)
      Tikej(svet, svet.hodiny.ted + std::chrono::seconds{10}, p.bezi_do);
    if (p.udalost == Storno) cmKZS_Click();
    Tikej(svet, p.prihlaseni - std::chrono::minutes{2}, p.bezi_do);
    Prihlaseni(svet, p.prihlaseni);
    const int akci = Tikej(svet, p.prihlaseni + std::chrono::minutes{30});
    const std::string armed =
        stav.Neaktivni == 0 ? FormatDatum(stav.CilovyCas) + " " + FormatCasSekundy(stav.CilovyCas) : "nic";
    EXPECT_EQ(armed + ", " + std::to_string(akci), p.potom) << p.parametr;
  }
}

// Started with a program to wait for that does not run, the tray says so, and its first tick leaves it.
TEST(Start, RekneZeProgramNebezi) {
  FalesnySvet svet;
  svet.hodiny.ted = stav.CasSpusteni = V(10, 7);
  Start("/vypnuti;po/render.exe/");
  svet.hodiny.ted += std::chrono::seconds{1};
  CasovacTik();
  EXPECT_EQ(svet.tip, "Program render.exe teď neběží: akce proběhne hned.");
}

// The autostart command holds only what a command line keeps, whatever the password: the schedule,
// password and all, comes back from the store at the log-on (every character of the code page).
TEST(Start, HesloKazdymZnakemPresPrihlaseni) {
  for (int bajt = 1; bajt < 256; ++bajt) {
    if (bajt == '/') continue;
    const std::string heslo = "a" + ZCp1250(std::string(1, static_cast<char>(bajt))) + "b";
    FalesnySvet svet;
    svet.hodiny.ted = stav.CasSpusteni = V(10, 0);
    ASSERT_TRUE(RozeberParametr("/vypnuti;kd;h/" + heslo + "/;t/22:30/", true, false)) << bajt;
    const std::string_view argument = TextArgumentu(svet.run);
    EXPECT_EQ(argument.find_first_of(std::string("\"\0 ", 3)), std::string_view::npos) << bajt;
    Prihlaseni(svet, V(11, 0));
    EXPECT_EQ(stav.Heslo, heslo) << bajt;
    EXPECT_EQ(stav.Neaktivni, 0) << bajt;
  }
}
