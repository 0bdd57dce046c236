// A second start hands its command line to the running program: what each request does to the
// schedule in force, and the exit code the second start ends with.
#include "zaklad.h"

#include "core/kodovani.h"
#include "falesny_svet.h"
#include "program/predani.h"
#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"
#include "scheduler/upozorneni.h"
#include "scheduler/zmena_planu.h"

namespace {

// What has happened to the running program before the request comes.
enum Pred {
  Nic,
  Odpocet,  // the warning counts down
  Zruseny,  // disarmed, but still stored (as after a cancelled warning of an older build)
};

// The running program at 10:00 on 4 December 2026, with this schedule armed ("" for none), its timer off.
void Arm(FalesnySvet& svet, const std::string& parametr, Pred pred = Nic) {
  svet.Arm(parametr, V(10, 0), false);
  if (pred == Odpocet) Zobraz(40s);
  if (pred == Zruseny) stav.Neaktivni = 1;
  svet.log.clear();
}

}  // namespace

// The exit code and the schedule in force (its string and moment); the store then holds the schedule in
// force (or nothing) when the request was done, what it held when not. The program's own autostart entry
// arms its schedule again; a cancel with nothing armed is refused.
TEST(Predani, CoPredanyTextUdelaSPlanem) {
  const std::string heslem = "/vypnuti;h/tajne/;t/15:00/";
  const struct {
    std::string v_platnosti;
    Pred pred;
    std::string text;
    std::optional<std::string> heslo;  // typed into the prompt; nothing: cancelled
    std::string vysledek;
  } pripady[] = {
      {heslem, Nic, UlozenyTvar(heslem), {}, "0 | " + heslem + " 15:00:00"},           // its own autostart entry
      {heslem, Zruseny, UlozenyTvar(heslem), "tajne", "0 | " + heslem + " 15:00:00"},  // idle: armed again
      {"", Nic, "/storno", {}, "1 | -"},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Arm(svet, p.v_platnosti, p.pred);
    const std::string ulozeno = svet.ulozeny_parametr;
    svet.dialogy.vstupy = {p.heslo};
    const std::string kontext = "'" + p.text + "' to '" + p.v_platnosti + "'";
    const int kod = PrijmiPokyn(p.text).kod;
    EXPECT_EQ(std::to_string(kod) + " | " +
                  (stav.Neaktivni ? "-" : stav.Parametr + " " + FormatCasSekundy(stav.CilovyCas)) +
                  (stav.Posunuti == 1 ? " posunuto" : ""),
              p.vysledek)
        << kontext;
    // Not a number of minutes; a one-off time goes to the store with its day.
    const bool ulozit = stav.Neaktivni == 0 && stav.JenRelace == 0;
    const std::string den = stav.KazdyDen == 1 || stav.SDatem == 1 ? "" : ";d/4.12.2026/";
    EXPECT_EQ(svet.ulozeny_parametr, !p.vysledek.starts_with("0") ? ulozeno
                                     : ulozit                     ? UlozenyTvar(stav.Parametr + den)
                                                                  : "")
        << kontext;
    EXPECT_EQ(svet.run.empty(), svet.ulozeny_parametr.empty()) << kontext;
  }
}

// A refused string's box comes once the schedule in force is back: it ticks on behind the box, and a
// stop made meanwhile is not undone by the box's end.
TEST(Predani, BoxOdmitnutiNezdrziPlan) {
  for (const bool stop : {false, true}) {
    FalesnySvet svet;
    Arm(svet, "/vypnuti;t/15:00/");
    bool aktivni_za_boxu = false;
    svet.dialogy.priZprave = [&] {
      aktivni_za_boxu = stav.Neaktivni == 0;
      if (stop) ZrusPlan();
    };
    EXPECT_EQ(PrijmiPokyn("/vypnuti;t/x/").kod, kod::Odmitnuto);
    EXPECT_EQ(svet.dialogy.zpravy.size(), 1u);
    EXPECT_TRUE(aktivni_za_boxu);
    EXPECT_EQ(stav.Neaktivni, stop ? 1 : 0);
    EXPECT_EQ(svet.ulozeny_parametr.empty(), stop);
  }
}

// The tray and an open main window say what became of the schedule; a second start with nothing
// brings up the main window, unless a box of ours is up.
TEST(Predani, OznameniAOkno) {
  FalesnySvet svet;
  Arm(svet, "/vypnuti;t/15:00/");
  stav.HlavniOtevreno = 1;
  EXPECT_EQ(PrijmiPokyn("/restart;t/13:20/").kod, kod::Hotovo);
  EXPECT_EQ(PrijmiPokyn("/storno").kod, kod::Hotovo);
  EXPECT_EQ(PrijmiPokyn("").kod, kod::Hotovo);
  svet.dialogy.otevreno = true;
  EXPECT_EQ(PrijmiPokyn("").kod, kod::Odmitnuto);
  EXPECT_EQ(Spoj(svet.Log({"KillTimer", "schovej"})),
            "tip Restartování za 3 hodiny a 20 minut., plan zvenku Restartování za 3 hodiny a 20 minut., "
            "tip Restartování bylo stornováno., plan zvenku Restartování bylo stornováno., hlavni okno");
}

// The exit code and the line of "/stav"; a box of ours changes nothing of the answer, nothing happens.
TEST(Predani, StavVKazdemStavu) {
  const struct {
    const char* v_platnosti;
    Pred pred;
    const char* radek;
  } pripady[] = {
      {"", Nic, "1 Nic není naplánováno."},
      {"/vypnuti;t/12:05/", Nic, "0 Vypnutí za 2 hodiny a 5 minut (12:05)."},
      {"/zamceni;t/10:01/", Odpocet, "0 Uzamčení za 1 minutu (10:01)."},
      {"/vypnuti;od/22:00-06:00/", Nic, "0 Vypnutí od 22:00 do 06:00."},
      {"/vypnuti;po/render.exe/;t/23:00/", Nic, "0 Vypnutí po skončení programu render.exe, nejdříve dnes ve 23:00."},
      {"/vypnuti;po/render.exe/", Odpocet, "0 Vypnutí za 1 minutu (10:00)."},  // its countdown
      {"/vypnuti;dny/po-pa/;t/21:00/", Zruseny,
       "1 Vypnutí v pracovní dny ve 21:00 se naplánuje při příštím přihlášení."},
      {"/vypnuti;dny/pa/;t/24:00/;po/x.exe/", Zruseny,
       "1 Vypnutí po skončení programu x.exe, nejdříve v pá ve 24:00 se naplánuje při příštím přihlášení."},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    Arm(svet, p.v_platnosti, p.pred);
    svet.dialogy.otevreno = true;
    const Odpoved odpoved = PrijmiPokyn("/stav");
    EXPECT_EQ(std::to_string(odpoved.kod) + " " + odpoved.radek + Spoj(svet.log), p.radek) << p.v_platnosti;
  }
}
