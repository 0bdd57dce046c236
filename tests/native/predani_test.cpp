// A second start hands its command line to the running program: what each request does to the
// schedule in force, and the exit code the second start ends with.

#include "falesny_svet.h"

// What has happened to the running program before the request comes.
enum Pred {
  Nic,
  Odpocet,  // the warning counts down
  Zruseny,  // disarmed, but still stored (as after a cancelled warning of an older build)
};

// The running program at 10:00 on 4 December 2026, with this schedule armed ("" for none), its timer off.
static void Arm(FalesnySvet& svet, const std::string& parametr, Pred pred = Nic) {
  svet.Arm(parametr, V(10, 0), false);
  if (pred == Odpocet) Zobraz(40s);
  if (pred == Zruseny) stav.Neaktivni = 1;
  svet.log.clear();
}

// The exit code, the schedule in force (its string and moment), and what the store then holds ("-":
// nothing) with " run" when the autostart entry is there: the schedule in force when the request was done
// (a one-off time with its day), what it held when not. The program's own autostart entry arms its
// schedule again; a cancel with nothing armed is refused. A row: the schedule in force, what happened to
// it, the text, what is typed into the password prompt (nothing: cancelled), the line.
TEST(Predani, CoPredanyTextUdelaSPlanem) {
  const std::string heslem = "/vypnuti;h/tajne/;t/15:00/", znovu = "0 | " + heslem + " 15:00:00 | " + heslem;
  const std::tuple<std::string, Pred, std::string, std::optional<std::string>, std::string> pripady[] = {
      {heslem, Nic, UlozenyTvar(heslem), {}, znovu + ";d/4.12.2026/ run"},           // its own autostart entry
      {heslem, Zruseny, UlozenyTvar(heslem), "tajne", znovu + ";d/4.12.2026/ run"},  // idle: armed again
      {"", Nic, "/storno", {}, "1 | - | -"},
  };
  for (const auto& [v_platnosti, pred, text, heslo, vysledek] : pripady) {
    FalesnySvet svet;
    Arm(svet, v_platnosti, pred);
    svet.dialogy.vstupy = {heslo};
    const int kod = PrijmiPokyn(text).kod;
    EXPECT_EQ(std::to_string(kod) + " | " +
                  (stav.Neaktivni ? "-" : stav.Parametr + " " + FormatCasSekundy(stav.CilovyCas)) +
                  (stav.Posunuti == 1 ? " posunuto" : "") + " | " +
                  RozbalUlozenyTvar(svet.ulozeny_parametr).value_or("-") + (svet.run.empty() ? "" : " run"),
              vysledek)
        << "'" + text + "' to '" + v_platnosti + "'";
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
    const int kod = PrijmiPokyn("/vypnuti;t/x/").kod;
    EXPECT_EQ(std::tuple(kod, svet.dialogy.zpravy.size(), aktivni_za_boxu, stav.Neaktivni == 1,
                         svet.ulozeny_parametr.empty()),
              std::tuple(kod::Odmitnuto, 1u, true, stop, stop));
  }
  // The tray and an open main window say what became of the schedule; a second start with nothing
  // brings up the main window, unless a box of ours is up.
  FalesnySvet svet;
  Arm(svet, "/vypnuti;t/15:00/");
  stav.HlavniOtevreno = 1;
  for (const char* text : {"/restart;t/13:20/", "/storno", ""}) EXPECT_EQ(PrijmiPokyn(text).kod, kod::Hotovo) << text;
  svet.dialogy.otevreno = true;
  EXPECT_EQ(PrijmiPokyn("").kod, kod::Odmitnuto);
  EXPECT_EQ(Spoj(svet.Log({"KillTimer", "schovej"})),
            "tip Restartování za 3 hodiny a 20 minut., plan zvenku Restartování za 3 hodiny a 20 minut., "
            "tip Restartování bylo stornováno., plan zvenku Restartování bylo stornováno., hlavni okno");
}

// The exit code and the line of "/stav"; a box of ours changes nothing of the answer, nothing happens.
TEST(Predani, StavVKazdemStavu) {
  const std::tuple<const char*, Pred, const char*> pripady[] = {
      // clang-format off
      {"", Nic, "1 Nic není naplánováno."}, {"/vypnuti;t/12:05/", Nic, "0 Vypnutí za 2 hodiny a 5 minut (12:05)."},
      {"/zamceni;t/10:01/", Odpocet, "0 Uzamčení za 1 minutu (10:01)."},
      {"/vypnuti;od/22:00-06:00/", Nic, "0 Vypnutí od 22:00 do 06:00."},
      // clang-format on
      {"/vypnuti;po/render.exe/;t/23:00/", Nic, "0 Vypnutí po skončení programu render.exe, nejdříve dnes ve 23:00."},
      {"/vypnuti;po/render.exe/", Odpocet, "0 Vypnutí za 1 minutu (10:00)."},  // its countdown
      {"/vypnuti;dny/po-pa/;t/21:00/", Zruseny,
       "1 Vypnutí v pracovní dny ve 21:00 se naplánuje při příštím přihlášení."},
      {"/vypnuti;dny/pa/;t/24:00/;po/x.exe/", Zruseny,
       "1 Vypnutí po skončení programu x.exe, nejdříve v pá ve 24:00 se naplánuje při příštím přihlášení."},
  };
  for (const auto& [v_platnosti, pred, radek] : pripady) {
    FalesnySvet svet;
    Arm(svet, v_platnosti, pred);
    svet.dialogy.otevreno = true;
    const Odpoved odpoved = PrijmiPokyn("/stav");
    EXPECT_EQ(std::to_string(odpoved.kod) + " " + odpoved.radek + Spoj(svet.log), radek) << v_platnosti;
  }
}
