#include "falesny_svet.h"

// The program started with a command line at a moment, the store holding a schedule (its stored form).
static void Spust(FalesnySvet& svet, const std::string& argument, const std::string& ulozeny = "", Cas kdy = V(10, 0)) {
  svet.hodiny.ted = stav.CasSpusteni = kdy;
  svet.ulozeny_parametr = ulozeny;
  Start(argument);
}

// What is in force after a start, what the store holds, and what the window that opens says (nothing
// opens while a schedule is armed): "in force | stored | window".
static std::string PoStartu(const FalesnySvet& svet) {
  std::string okno;
  for (const auto& radek : svet.log) {
    if (radek == "hlavni okno") okno = "okno";
    if (radek.starts_with("sb ")) okno = radek.substr(radek.find(' ', 3) + 1);
  }
  const std::string ulozeno = RozbalUlozenyTvar(svet.ulozeny_parametr).value_or(svet.ulozeny_parametr);
  return (stav.Neaktivni == 0 ? stav.Parametr : "-") + " | " + (ulozeno.empty() ? "-" : ulozeno) + " | " + okno +
         (svet.dialogy.zpravy.empty() ? "" : " +" + std::to_string(svet.dialogy.zpravy.size()) + " box");
}

// A typed time already passed arms nothing; a stored schedule passed, or one an older build stored, is
// dropped without a word: either way the window opens.
TEST(Start, KteryParametrPlatiACoSeOtevre) {
  const std::tuple<std::string, std::string, std::string> pripady[] = {
      // stored, argument, after the start
      {"", "/vypnuti;t/9:00/", "- | - | Čas 9:00 už dnes uplynul, nic není naplánováno."},
      {UlozenyTvar("/vypnuti;t/8:00/;d/1.1.2020/"), "", "- | - | okno"},  // stored and passed: without a word
      {UlozenyTvar("/vypnuti;po/render.exe/"), "", "- | - | okno"},       // an older build stored it
  };
  for (const auto& [v_ulozisti, argument, po_startu] : pripady) {
    FalesnySvet svet;
    svet.dialogy.vstupy = {std::optional<std::string>{}};
    Spust(svet, argument, v_ulozisti);
    EXPECT_EQ(PoStartu(svet) + " " + std::to_string(stav.PriSpusteni) + " " + svet.Log().at(0),
              po_startu + " 0 nacti upozorneni")
        << "stored '" + v_ulozisti + "', argument '" + argument + "'";
  }
}

// A damaged stored string goes with one box, and the command line, if any, then counts as usual. A
// stored action without a time (an earlier build stored "/vypnuti;kd") is damaged too: never carried out.
TEST(Start, PoskozenyUlozenyRetezecZmiziJednou) {
  // clang-format off
  for (const auto& [ulozeny, argument] : std::initializer_list<std::pair<const char*, const char*>>{
           {"/vypnuti;t/1.1/", ""}, {"/spanek;t/23:00/;klid/15/", ""} /* on XP */, {"/vypnuti;kd", ""},
           {"/vypnuti;t/1.1/", "/restart;t/13:30/"}, {"/restart;kd;zs", "/restart;t/13:30/"}}) {
    // clang-format on
    FalesnySvet svet;
    svet.meri_sit = false;
    svet.run = svet.run_once = "\"C:\\vypnuti.exe\" " + UlozenyTvar(ulozeny);
    // The window a second start hands its request to is there while the box is up.
    svet.dialogy.priZprave = [&] { EXPECT_EQ(svet.Log().at(0), "nacti upozorneni"); };
    Spust(svet, argument, UlozenyTvar(ulozeny));
    // A command line replaces the damaged string before it is read; without one it goes with a word.
    EXPECT_EQ(Spoj(svet.dialogy.Texty()),
              *argument ? ""
                        : "Uložené nastavení programu bylo poškozené, a proto bylo odstraněno.\r\n"
                          "Zadejte prosím nastavení znovu.")
        << ulozeny;
    EXPECT_EQ(svet.ulozeny_parametr, *argument ? UlozenyTvar(argument + ";d/4.12.2026/"s) : "") << argument;
    EXPECT_EQ(std::pair(svet.run.empty(), stav.Neaktivni == 1), std::pair(!*argument, !*argument)) << argument;
    for (const auto& radek : svet.log) EXPECT_FALSE(radek.starts_with("ExitWindowsEx")) << ulozeny;
  }
}

// A day's moment dealt with (carried out, cancelled, stood in for by a postponement) does not come back
// at a log-on later that day, and a condition's watch does not outlive the session it began in.
TEST(Start, PoPrihlaseniNicZnovu) {
  enum Udalost { Nic, Storno, Posunuti };
  // A row: the schedule, render.exe and zaloha.exe run until, what the user does at the warning (or at 20:00
  // for the postponement), the log-on, and what is armed after it with the power actions after it.
  const std::tuple<const char*, Cas, Udalost, Cas, const char*> pripady[] = {
      {"/restart;kd;zs;t/22:00/;po/zaloha.exe/", V(23, 0), Nic, V(23, 3), "5.12.2026 22:00:00, 0"},
      {"/vypnuti;kd;t/20:00/;po/render.exe/", V(20, 30), Storno, V(21, 0), "5.12.2026 20:00:00, 0"},
      {"/vypnuti;t/20:00/;po/render.exe/", V(23, 0), Nic, V(20, 35), "-, 0"},
      {"/restart;kd;t/22:00/", {}, Posunuti, V(21, 3), "5.12.2026 22:00:00, 0"},
  };
  for (const auto& [parametr, bezi_do, udalost, prihlaseni, potom] : pripady) {
    FalesnySvet svet;
    const auto programy = [&, bezi_do = bezi_do] {
      svet.procesy =
          svet.hodiny.ted < bezi_do ? std::vector<std::string>{"zaloha.exe", "render.exe"} : std::vector<std::string>{};
    };
    svet.Arm(parametr, V(19, 0));
    if (udalost == Posunuti) {
      svet.Tikej(V(20, 0), 10s);
      const Plan nahrazeny = stav;  // as the window's editor does it
      ASSERT_EQ(NahradPlan("/restart;kd;t/21:00/", true, true), Rozbor::Aktivni);
      ZapamatujPosunuti(nahrazeny);
    }
    svet.Tikej(prihlaseni, 10s, programy, true);
    if (udalost == Storno) cmKZS_Click();
    svet.Tikej(prihlaseni - 2min, 10s, programy);
    // The program ends (its exit, or the session's), and the autostart entry starts it again at a log-on.
    Casovac(false);
    stav = StavPlanu{};
    Spust(svet, std::string(TextArgumentu(svet.run)), svet.ulozeny_parametr, prihlaseni);
    const int akci = svet.Tikej(prihlaseni + 30min, 10s, [&] { svet.procesy.clear(); });
    EXPECT_EQ(Cil() + ", " + std::to_string(akci), potom) << parametr;
  }
}
