#include "zaklad.h"

#include "core/kodovani.h"
#include "falesny_svet.h"
#include "program/nabidka_ikony.h"
#include "program/predani.h"
#include "program/start.h"
#include "program/zasady.h"
#include "scheduler/odlozeni.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/hlavni_okno.h"

namespace {

// The program started at 10:00 with the policy's Parametr of the computer and of the user (empty: not
// set), the user's own schedule stored, and a command line.
void Spust(FalesnySvet& svet, const std::string& pocitac, const std::string& uzivatel, const std::string& ulozeny,
           const std::string& argument = "") {
  svet.ZacniV(V(10, 0));
  if (!pocitac.empty()) svet.zasady_pocitace[zasada::Parametr] = pocitac;
  if (!uzivatel.empty()) svet.zasady_uzivatele[zasada::Parametr] = uzivatel;
  svet.ulozeny_parametr = ulozeny.empty() ? "" : UlozenyTvar(ulozeny);
  Start(argument);
}

// What is armed, what the user's store holds, and what was said: the boxes, a warning in the status bar
// (now, or when the main window opens), the countdown window.
std::string Stav(const FalesnySvet& svet) {
  std::string reklo = Spoj(svet.dialogy.Texty()) + stav.HlaseniOkna;
  for (const auto& radek : svet.log)
    if (radek.starts_with("sb 32515 ") || radek.starts_with("ukaz ")) reklo += (reklo.empty() ? "" : " ") + radek;
  return Cil() + " | " + RozbalUlozenyTvar(svet.ulozeny_parametr).value_or("") + " | " + reklo;
}

constexpr const char* Ulozeny = "/spanek;kd;t/20:00/";
constexpr const char* Odmitnuti = "Akci naplánoval správce počítače. Změnit ji nelze.";

}  // namespace

// Per value the computer's over the user's, and either over the user's own stored schedule, which stays
// stored. A string that would act at once or count from each start is refused like a bad one.
TEST(Zasady, KteryPlanPlati) {
  Tabulka({{"/vypnuti;kd;t/22:00/ | /restart;kd;t/21:00/", "4.12.2026 22:00:00 | /spanek;kd;t/20:00/ | "},
           {" | /restart;kd;t/21:00/", "4.12.2026 21:00:00 | /spanek;kd;t/20:00/ | "},
           {" | ", "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | "},
           {"/vypnuti;t/90/ | /restart;kd;t/21:00/",
            "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | Zásada správce obsahuje chybné zadání."},
           {"/vypnuti | ", "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | Zásada správce obsahuje chybné zadání."},
           {"/vypnuti;t/9:00/ | ", "- | /spanek;kd;t/20:00/ | "}},
          [](const std::string& radek) {
            FalesnySvet svet;
            const auto mezi = radek.find(" | ");
            Spust(svet, radek.substr(0, mezi), radek.substr(mezi + 3), Ulozeny);
            return Stav(svet) + (svet.Log({"ExitWindowsEx"}).size() == svet.log.size() ? "" : " acted!");
          });
}

// Every way to change, cancel or end the administrator's schedule says why it cannot; the warning's
// snooze and STORNO keep the schedule's own rules. Without a schedule of the administrator's, a ban on
// own schedules refuses what would set one, and the program may still end.
TEST(Zasady, CoSeOdmitne) {
  const std::string odmitnuto = "4.12.2026 22:00:00 | /spanek;kd;t/20:00/ | "s + Odmitnuti;
  Tabulka({{"Nove", odmitnuto},
           {"Zmenit", odmitnuto},
           {"Posunuti", odmitnuto},
           {"S", odmitnuto},
           {"Ukoncit", odmitnuto},
           {"/storno", odmitnuto + " 2"},
           {"/restart;t/23:00/", odmitnuto + " 2"},
           {"nabidka=Stornovat", odmitnuto},
           {"start=/restart;t/23:00/", odmitnuto},
           {"Odlozit", "4.12.2026 22:09:00 | /spanek;kd;t/20:00/ | ukaz storno | Učebna se zavírá."},
           {"zakaz Nove", "- | /spanek;kd;t/20:00/ | "s + Odmitnuti},
           {"zakaz /restart;t/23:00/", "- | /spanek;kd;t/20:00/ | "s + Odmitnuti + " 2"},
           {"zakaz Ukoncit", "- | /spanek;kd;t/20:00/ | Přejete si aplikaci \"Vypnutí počítače\" ukončit?"}},
          [](const std::string& radek) {
            FalesnySvet svet;
            const bool zakaz = radek.starts_with("zakaz ");
            const std::string co = zakaz ? radek.substr(6) : radek;
            svet.zasady_pocitace[zasada::Zprava] = "Učebna se zavírá.";
            if (zakaz) svet.zasady_uzivatele[zasada::ZakazatVlastniPlany] = "1";
            Spust(svet, zakaz ? "" : "/vypnuti;kd;t/22:00/", "", Ulozeny, co.starts_with("start=") ? co.substr(6) : "");
            Formular f;
            NactiHlavniOkno(f, "");
            svet.log.clear();
            svet.dialogy.odpovedi = {odpoved::Ne};
            std::string kod;
            if (co == "Nove") tlHNastaveni_Click(f);
            if (co == "Zmenit") tlHNastaveniZ_Click(f);
            if (co == "Posunuti") tlHNastaveniP_Click(f);
            if (co == "S") tlHNStop_Click(f);
            if (co == "Ukoncit") tlHZavrit_Click();
            if (co == "nabidka=Stornovat") VyberZNabidky(PolozkaNabidky::Stornovat);
            if (co.starts_with("/")) kod = " " + std::to_string(PrijmiPokyn(co).kod);
            if (co == "Odlozit") {
              svet.Tikej(V(23, 0), 1s, {}, true);
              Odloz();
            }
            return Stav(svet) + kod;
          });
}

// A changed Parametr takes over at once, one unchanged (the refresh every 90 minutes) is left running,
// a refused or removed one gives back the user's own stored schedule; the store is never written.
TEST(Zasady, ZmenaZasad) {
  FalesnySvet svet;
  Spust(svet, "/vypnuti;kd;t/22:00/", "", Ulozeny);
  Formular f;
  NactiHlavniOkno(f, "");
  EXPECT_EQ(f[Ovladac::lblHN].text, "Vypnutí 4.12.2026 v 22:00 (nastavuje správce).");
  Tabulka({{"/vypnuti;kd;t/21:00/", "4.12.2026 21:00:00 | /spanek;kd;t/20:00/ | "},
           {"/vypnuti;kd;t/21:00/ +1h", "4.12.2026 21:00:00 | /spanek;kd;t/20:00/ | "},
           {"/vypnuti;t/ted/", "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | sb 32515 Zásada správce obsahuje chybné zadání."},
           {"/vypnuti;t/ted/ +1h", "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | "},
           {"/restart;kd;t/21:30/", "4.12.2026 21:30:00 | /spanek;kd;t/20:00/ | "},
           {"", "4.12.2026 20:00:00 | /spanek;kd;t/20:00/ | "}},
          [&](const std::string& radek) {
            svet.log.clear();
            if (radek.ends_with(" +1h")) svet.hodiny.ted += 1h;
            const std::string parametr = radek.substr(0, radek.find(' '));
            if (parametr.empty()) svet.zasady_pocitace.erase(zasada::Parametr);
            else svet.zasady_pocitace[zasada::Parametr] = parametr;
            UplatniZasady();
            return Stav(svet);
          });
}

// The administrator's line in the warning: one line, at most 200 letters (a Czech one is two bytes).
TEST(Zasady, ZpravaJedenRadek) {
  FalesnySvet svet;
  std::string dlouha;
  for (int i = 0; i < 250; ++i) dlouha += "č";
  svet.zasady_uzivatele[zasada::Zprava] = "Učebna\r\nse zavírá.";
  EXPECT_EQ(CtiZasady().zprava, "Učebna  se zavírá.");
  svet.zasady_pocitace[zasada::Zprava] = dlouha;
  EXPECT_EQ(CtiZasady().zprava, dlouha.substr(0, 400));
}
