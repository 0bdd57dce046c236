// A second start hands its command line to the running program: what each request does to the
// schedule in force, and the exit code the second start ends with.
#include "core/predani.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "falesny_svet.h"
#include "scheduler/upozorneni.h"

using namespace std::chrono;

namespace {

// The running program at 10:00 on 4 December 2026, with this schedule armed ("" for none).
void Arm(FalesnySvet& svet, const std::string& parametr, bool odpocet) {
  svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
  stav.CasSpusteni = svet.hodiny.ted;
  if (!parametr.empty()) {
    ASSERT_TRUE(RozeberParametr(parametr, true, false)) << parametr;
  } else {
    stav.Neaktivni = 1;
  }
  if (odpocet) Zobraz(seconds{40});
  svet.log.clear();
}

std::string VPlatnosti() { return stav.Neaktivni == 0 ? stav.Parametr : ""; }

}  // namespace

TEST(Predani, CoPredanyTextUdelaSPlanem) {
  const std::string heslem = "/vypnuti;h/tajne/;t/300/";
  // Password-protected too: during its countdown nobody is asked, the answer is no.
  const std::string zakazane = "/vypnuti;zs;h/tajne/;t/300/";
  const struct {
    std::string v_platnosti;
    int odpocet;  // 1: running; 2: begins while the password is asked for, which wins over the right one
    bool box_otevren;
    std::string text;
    std::optional<std::string> heslo;  // typed into the prompt; nothing: cancelled
    int kod;
    std::string potom;  // the schedule in force afterwards, and in the store
  } pripady[] = {
      {"", false, false, "/restart;t/200/", {}, kod::Hotovo, "/restart;t/200/"},
      {"/vypnuti;t/300/", false, false, "/restart;t/200/", {}, kod::Hotovo, "/restart;t/200/"},
      {"/vypnuti;t/300/", true, false, "/restart;t/200/", {}, kod::Hotovo, "/restart;t/200/"},
      {heslem, false, false, "/restart;t/200/", "tajne", kod::Hotovo, "/restart;t/200/"},
      {heslem, false, false, "/restart;t/200/", "spatne", kod::Odmitnuto, heslem},
      {heslem, false, false, UlozenyTvar(heslem), {}, kod::Hotovo, heslem},  // its own autostart entry
      {"/vypnuti;t/300/", false, false, "/foo", {}, kod::Odmitnuto, "/vypnuti;t/300/"},
      {"/vypnuti;t/300/", false, false, "/restart;t/9:00/", {}, kod::Nic, "/vypnuti;t/300/"},  // passed
      {zakazane, true, false, "/restart;t/200/", "tajne", kod::Odmitnuto, zakazane},
      {"/vypnuti;t/300/", false, true, "/restart;t/200/", {}, kod::Odmitnuto, "/vypnuti;t/300/"},
      {"/vypnuti;t/300/", false, false, "/storno", {}, kod::Hotovo, ""},
      {"/vypnuti;t/300/", true, false, "/storno", {}, kod::Hotovo, ""},
      {"", false, false, "/storno", {}, kod::Nic, ""},
      {heslem, false, false, "/storno", "tajne", kod::Hotovo, ""},
      {zakazane, true, false, "/storno", "tajne", kod::Odmitnuto, zakazane},
      {zakazane, false, false, "/storno", "tajne", kod::Hotovo, ""},  // before its countdown it may go
      {zakazane, 2, false, "/storno", "tajne", kod::Odmitnuto, zakazane},
      {zakazane, 2, false, "/restart;t/200/", "tajne", kod::Odmitnuto, zakazane},
      {"/vypnuti;t/300/", false, true, "/storno", {}, kod::Odmitnuto, "/vypnuti;t/300/"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Arm(svet, p.v_platnosti, p.odpocet == 1);
    svet.dialogy.vstupy = {p.heslo};
    if (p.odpocet == 2) svet.dialogy.priVstupu = [] { Zobraz(seconds{40}); };
    svet.dialogy.otevreno = p.box_otevren;
    const std::string kontext = "'" + p.text + "' to '" + p.v_platnosti + "'";
    EXPECT_EQ(PrijmiPokyn(p.text).kod, p.kod) << kontext;
    EXPECT_EQ(VPlatnosti(), p.potom) << kontext;
    EXPECT_EQ(RozbalUlozenyTvar(svet.ulozeny_parametr).value_or(""), p.potom) << kontext;
    EXPECT_EQ(svet.run.empty(), p.potom.empty()) << kontext;
    if (p.odpocet) {
      EXPECT_EQ(stav.UpozorneniBezi == 1, p.potom == p.v_platnosti) << kontext << ": the countdown";
      EXPECT_TRUE(svet.dialogy.zpravy.empty() || p.v_platnosti != zakazane || p.odpocet == 2)
          << kontext << ": asked for nothing";
    }
  }
}

// The tray and an open main window say what became of the schedule; a second start with nothing
// brings up the main window, unless a box of ours is up.
TEST(Predani, OznameniAOkno) {
  FalesnySvet svet;
  Arm(svet, "/vypnuti;t/300/", false);
  stav.HlavniOtevreno = 1;
  EXPECT_EQ(PrijmiPokyn("/restart;t/200/").kod, kod::Hotovo);
  EXPECT_EQ(PrijmiPokyn("/storno").kod, kod::Hotovo);
  EXPECT_EQ(PrijmiPokyn("").kod, kod::Hotovo);
  svet.dialogy.otevreno = true;
  EXPECT_EQ(PrijmiPokyn("").kod, kod::Odmitnuto);
  EXPECT_EQ(svet.Log({"KillTimer", "schovej"}),
            (std::vector<std::string>{
                "tip Restartování za 3 hodiny a 20 minut.", "plan zvenku Restartování za 3 hodiny a 20 minut.",
                "tip Restartování bylo stornováno.", "plan zvenku Restartování bylo stornováno.", "hlavni okno"}));
}

TEST(Predani, StavVKazdemStavu) {
  const struct {
    const char* v_platnosti;
    bool odpocet;
    int kod;
    const char* radek;
  } pripady[] = {
      {"", false, kod::Nic, "Nic není naplánováno."},
      {"/vypnuti;t/12:05/", false, kod::Hotovo, "Vypnutí za 2 hodiny a 5 minut (12:05)."},
      {"/zamceni;t/10:01/", true, kod::Hotovo, "Uzamčení za 1 minutu (10:01)."},
      {"/vypnuti;od/22:00-06:00/", false, kod::Hotovo, "Vypnutí od 22:00 do 06:00."},
      {"/vypnuti;po/render.exe/;t/23:00/", false, kod::Hotovo,
       "Vypnutí po skončení programu render.exe, nejdříve dnes ve 23:00."},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Arm(svet, p.v_platnosti, p.odpocet);
    svet.dialogy.otevreno = true;  // a box of ours changes nothing of the answer
    const Odpoved odpoved = PrijmiPokyn("/stav");
    EXPECT_EQ(odpoved.kod, p.kod) << p.v_platnosti;
    EXPECT_EQ(odpoved.radek, p.radek) << p.v_platnosti;
    EXPECT_TRUE(svet.log.empty()) << p.v_platnosti;
  }
}

// "/storno" given to a program that does not run: the stored schedule and its autostart values go,
// behind the stored schedule's own password.
TEST(Predani, StornoBezBezicihoProgramu) {
  const struct {
    const char* ulozeny;
    std::optional<std::string> heslo;
    int kod;
    bool zustane;
  } pripady[] = {
      {"", {}, kod::Nic, false},
      {"/vypnuti;kd;t/22:00/", {}, kod::Hotovo, false},
      {"/vypnuti;h/tajne/;t/22:00/", "tajne", kod::Hotovo, false},
      {"/vypnuti;h/tajne/;t/22:00/", "spatne", kod::Odmitnuto, true},
      {"/vypnuti;h/tajne/;t/22:00/", std::nullopt, kod::Odmitnuto, true},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    svet.hodiny.ted = SlozCas(2026, 12, 4, 10, 0, 0);
    stav.CasSpusteni = svet.hodiny.ted;
    const std::string ulozeny = *p.ulozeny ? UlozenyTvar(p.ulozeny) : "";
    svet.ulozeny_parametr = ulozeny;
    svet.run = svet.run_once = *p.ulozeny ? "\"C:\\vypnuti.exe\" " + ulozeny : "";
    svet.dialogy.vstupy = {p.heslo};
    EXPECT_EQ(ZrusUlozenyPlan(), p.kod) << p.ulozeny;
    EXPECT_EQ(svet.ulozeny_parametr, p.zustane ? ulozeny : "") << p.ulozeny;
    EXPECT_EQ(svet.run.empty() && svet.run_once.empty(), !p.zustane) << p.ulozeny;
    EXPECT_EQ(svet.Log({"tip"}), std::vector<std::string>{}) << p.ulozeny << ": nothing armed or carried out";
  }
}

TEST(Predani, CoPrikazovyRadekChce) {
  const struct {
    const char* argument;
    Pokyn pokyn;
  } pripady[] = {
      {"", Pokyn::Okno},         {"/storno", Pokyn::Storno},        {"/storno  ", Pokyn::Storno},
      {"/stav", Pokyn::Stav},    {"/storno;t/1/", Pokyn::Plan},     {"/STORNO", Pokyn::Plan},
      {"/vypnuti", Pokyn::Plan}, {"/vypnuti;t/stav/", Pokyn::Plan},
  };
  for (const auto& p : pripady) EXPECT_EQ(PokynZ(p.argument), p.pokyn) << p.argument;
}
