#include "program/zasady.h"
#include "falesny_svet.h"

// At 10:00, the user's own daily schedule stored, a script: "pocitac=…", "uzivatel=…" set the policy's
// Parametr (nothing after '=': removed), "zprava=…" its line, "zakaz" and "povolit" ban own schedules or
// lift that, "vypnuto" switches the program off in Startup apps, "start[=line]" starts it, "znovu" again
// at a later log-on, "zmena" reads the policy again ("vbox": while each box is up), Nove, Zmenit,
// Posunuti, S, Ukoncit press the button, "/…" is a second start's line, "Stornovat" the tray's item,
// "varuj" waits for the warning, "Odlozit" and "SS" press its buttons. The line: the summary of what is
// armed, the store, and what was said (boxes, the status bar's warning, the warning window, exit codes).
static std::string Hraj(const std::string& skript) {
  FalesnySvet svet;
  svet.ZacniV(V(10, 0));
  svet.ulozeny_parametr = UlozenyTvar("/spanek;kd;t/20:00/");
  svet.zasady_pocitace[zasada::Zprava] = "Učebna se\r\nzavírá." + std::string(200, '!');
  svet.dialogy.odpovedi = {odpoved::Ne};
  Formular f;
  std::string kody;
  std::istringstream slova(skript);
  for (std::string slovo; slova >> slovo;) {
    const auto rovno = slovo.find('=');
    const std::string co = slovo.substr(0, rovno), text = rovno == std::string::npos ? "" : slovo.substr(rovno + 1);
    auto& zasady = co == "uzivatel" ? svet.zasady_uzivatele : svet.zasady_pocitace;
    if (co == "pocitac" || co == "uzivatel")
      text.empty() ? void(zasady.erase(zasada::Parametr)) : void(zasady[zasada::Parametr] = text);
    if (co == "zakaz") svet.zasady_uzivatele[zasada::ZakazatVlastniPlany] = "1";
    if (co == "povolit") svet.zasady_uzivatele.clear();
    if (co == "zprava") svet.zasady_pocitace[zasada::Zprava] = text;
    if (co == "vypnuto") svet.autostart_povolen = false;
    if (co == "start") Start(text), NactiHlavniOkno(f, "");
    if (co == "znovu") stav = StavPlanu{}, Start(text);  // a log-on later: a new process
    if (co == "vbox") svet.dialogy.odpovedi.clear(), svet.dialogy.priZprave = UplatniZasady;
    if (co == "zmena") UplatniZasady();
    if (co == "Nove") tlHNastaveni_Click(f);
    if (co == "Zmenit") tlHNastaveniZ_Click(f);
    if (co == "Posunuti") tlHNastaveniP_Click(f);
    if (co == "S") tlHNStop_Click(f);
    if (co == "Ukoncit") tlHZavrit_Click();
    if (co == "Stornovat") VyberZNabidky(PolozkaNabidky::Stornovat);
    if (co.starts_with("/")) kody += " " + std::to_string(PrijmiPokyn(co).kod);
    if (co == "Odlozit") svet.Tikej(V(23, 0), 1s, {}, true), Odloz();
    if (co == "varuj" || co == "SS") svet.Tikej(V(23, 0), 1s, {}, true);
    if (co == "SS") cmKZS_Click();  // S T O R N O in the warning
  }
  std::string reklo = Spoj(svet.dialogy.Texty()) + (f.sbIkona == ikona::Vykricnik ? f.sbText : "");
  for (const auto& radek : svet.log)
    if (radek.starts_with("sb 32515 ") || radek.starts_with("ukaz ") || radek.starts_with("ExitWindowsEx"))
      reklo += (reklo.empty() ? "" : " ") + radek;
  return TextShrnuti() + " | " + RozbalUlozenyTvar(svet.ulozeny_parametr).value_or("") + " | " + reklo + kody;
}

const std::string Ulozeny = " | /spanek;kd;t/20:00/ | ", Vlastni = "Spánek 4.12.2026 v 20:00." + Ulozeny,
                  Spravce = "Vypnutí 4.12.2026 v 22:00 (nastavuje správce)." + Ulozeny,
                  Nelze = "Akci naplánoval správce počítače. Změnit ji nelze.",
                  Chybne = "Zásada správce obsahuje chybné zadání.",
                  Varovani = "ukaz storno | Učebna se  zavírá." + std::string(182, '!');

// Per value the computer's over the user's, either over the user's own stored schedule, which stays
// stored; a string that would act at once or count from each start anew is refused like a bad one.
// Every way to change, cancel or end the administrator's schedule says why it cannot; the warning keeps
// the schedule's own rules and shows the administrator's line (one line, 200 letters). A change is taken
// up at once, and a removed or refused value gives the user's own schedule back.
TEST(Zasady, KdoPlanujeACoSeOdmitne) {
  Tabulka({{"pocitac=/vypnuti;kd;t/22:00/ uzivatel=/restart;kd;t/21:00/ start", Spravce},
           {"uzivatel=/restart;kd;t/21:00/ start", "Restartování 4.12.2026 v 21:00 (nastavuje správce)." + Ulozeny},
           {"pocitac=/vypnuti;t/90/ uzivatel=/vypnuti;kd;t/22:00/ start", Spravce + Chybne},
           {"pocitac=/vypnuti start", Vlastni + Chybne},
           {"pocitac=/vypnuti;t/9:00/ start", Ulozeny},
           {"pocitac=/vypnuti;kd;t/22:00/ start=/restart;t/23:00/ Nove Zmenit Posunuti S Ukoncit Stornovat /storno "
            "/restart;t/23:00/",
            Spravce + Spoj(std::vector(9, Nelze)) + " 2 2"},
           {"pocitac=/vypnuti;kd;t/22:00/ start Odlozit",
            "Vypnutí 4.12.2026 v 22:09 (nastavuje správce)." + Ulozeny + Varovani},
           {"zakaz start Nove /restart;t/23:00/ Ukoncit",
            Ulozeny + Nelze + ", " + Nelze + ", Přejete si aplikaci \"Vypnutí počítače\" ukončit? 2"},
           {"pocitac=/vypnuti;kd;t/22:00/ start pocitac=/vypnuti;kd;t/21:00/ zmena",
            "Vypnutí 4.12.2026 v 21:00 (nastavuje správce)." + Ulozeny},
           {"pocitac=/vypnuti;kd;t/22:00/ start pocitac=/vypnuti;t/x/ zmena zmena", Vlastni + "sb 32515 " + Chybne},
           {"pocitac=/vypnuti;kd;t/22:00/ start pocitac= zmena", Vlastni},
           {"start pocitac=/vypnuti;kd;t/22:00/ vbox Ukoncit",
            Spravce + "Přejete si aplikaci \"Vypnutí počítače\" ukončit?, " + Nelze},
           {"start zakaz zmena /storno", " |  |  0"},
           {"start zakaz zmena povolit zmena", Vlastni},
           {"vypnuto start=/prihlaseni", Ulozeny},
           {"pocitac=/vypnuti;kd;t/22:00/ start varuj zprava=Domů! zmena", Spravce + Varovani + " ukaz storno | Domů!"},
           {"pocitac=/vypnuti;kd;t/22:00/ start SS znovu",
            "Vypnutí 5.12.2026 v 22:00 (nastavuje správce)." + Ulozeny + Varovani}},
          Hraj);
}
