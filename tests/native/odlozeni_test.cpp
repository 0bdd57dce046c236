// "Odložit o 10 minut" in the warning and the tray icon's menu.

#include "falesny_svet.h"

using Odlozeni = Svet;

// Armed at 15:00 (">H:MM": then postponed to that time) and put off in each warning, so many times, 30 s
// into it (or on its first second, with "@"; while its programs are being closed, with "Z"; followed by
// "S" in the main window, with "S"; with "H", the wall clock moved an hour on five minutes after the press,
// as daylight saving's skipped hour does): the warnings, the tooltip after each press (and whether the
// store changed), the action, and what is armed after it. A daily one keeps its time for tomorrow; with
// ";zs" there is nothing to put off; "S" does not bring back the moment whose warning was put off; the ten
// minutes are real minutes.
TEST_F(Odlozeni, JakoPosunutiODesetMinut) {
  Tabulka(
      {{"/vypnuti;t/15:32/ 1", "15:31:00, POSUNUTÍ - Vypnutí za 10 minut., 15:41:00, akce 15:42:00 | -"},
       {"/vypnuti;t/15:32/ 1@", "15:31:00, POSUNUTÍ - Vypnutí za 10 minut., 15:40:00, akce 15:41:00 | -"},
       {"/spanek;h/x/;t/15:32/ 2",
        "15:31:00, POSUNUTÍ - Spánek za 10 minut., 15:41:00, POSUNUTÍ - Spánek za 10 minut., 15:51:00, akce "
        "15:52:00 | -"},
       {"/spanek;kd;dny/pa/;t/15:32/ 1",
        "15:31:00, POSUNUTÍ - Spánek za 10 minut., 15:41:00, akce 15:42:00 | 11.12.2026 15:32:00"},
       {"/vypnuti;zs;t/15:32/ 1", "15:31:00, nelze, 15:31:30, akce 15:32:00 | -"},
       {"/vypnuti;t/15:32/ 1H", "15:31:00, POSUNUTÍ - Vypnutí za 10 minut., 16:40:00, akce 16:41:00 | -"},
       {"/vypnuti;t/15:32/ 1S", "15:31:00, POSUNUTÍ - Vypnutí za 10 minut., akce 17:00:00 | -"},
       {"/vypnuti;kd;kv;t/23:00/>15:32 1Z", "15:31:00, POSUNUTÍ - Vypnutí za 10 minut., 15:41:00, akce 15:42:00 | -"}},
      [&](const std::string& radek) {
        std::istringstream slova(radek);
        std::string parametr, kolikrat;
        slova >> parametr >> kolikrat;
        const auto posun = parametr.find('>');
        svet.Arm(parametr.substr(0, posun), V(15, 0));
        if (posun != std::string::npos) {
          const Plan puvodni = stav;
          NahradPlan(parametr.substr(0, parametr.find(";t/")) + ";t/" + parametr.substr(posun + 1) + "/", true, true);
          ZapamatujPosunuti(puvodni);
        }
        int pri_zavirani = kolikrat.ends_with('Z');  // pressed once, while the programs are being closed
        svet.priZavirani = [&] {
          if (pri_zavirani > 0 && pri_zavirani--) Odloz();
        };
        const std::string ulozeno = svet.ulozeny_parametr, run = svet.run;
        std::string deje;
        for (int i = 0; i <= kolikrat[0] - '0'; ++i) {
          svet.Tikej(V(17, 0), 1s, {}, true);
          deje += FormatCasSekundy(svet.hodiny.ted) + ", ";
          if (i == kolikrat[0] - '0') break;
          if (kolikrat.size() == 1 || kolikrat.ends_with('S')) svet.Tikej(30s);
          const bool lze = OdlozeniMozne();
          kolikrat.ends_with('Z') ? void(svet.Tikej(61s)) : Odloz();
          deje += (lze ? svet.tip : "nelze") + (svet.ulozeny_parametr + svet.run == ulozeno + run ? "" : " (uloženo)") +
                  ", ";
          if (kolikrat.ends_with('H')) svet.Tikej(5min), svet.hodiny.Posun(1h);
          if (kolikrat.ends_with('S')) {
            Formular f;
            NactiHlavniOkno(f, "");
            tlHNastaveniZ_Click(f);
            tlHNStop_Click(f);
            break;
          }
        }
        while (svet.hodiny.ted < V(17, 0) && svet.Tikej(1s) == 0) {
        }
        return deje + "akce " + FormatCasSekundy(svet.hodiny.ted) + " | " + Cil();
      });
}

// The menu's items in each state: under a box of ours only what asks nothing. Each choice is the command of
// the same name elsewhere, behind the same guard ("/storno", "Ukončit").
TEST_F(Odlozeni, NabidkaIkony) {
  const auto polozky = [] {
    std::string s;
    for (const Polozka& p : NabidkaIkony()) s += std::string(p.text) + " ";
    return s;
  };
  // clang-format off
  Tabulka({{"", "&Otevřít &Ukončit "}, {"/vypnuti;t/15:32/", "&Otevřít &Stornovat &Ukončit "},
           {"/vypnuti;t/15:32/ varování", "&Otevřít O&dložit o 10 minut &Stornovat &Ukončit "},
           {"/vypnuti;zs;t/15:32/", "&Otevřít &Stornovat &Ukončit "},
           {"/vypnuti;zs;t/15:32/ varování", "&Otevřít &Ukončit "}, {";od/15:00-16:00/ varování", "&Otevřít &Ukončit "},
           {"/vypnuti;t/15:32/ box", "&Otevřít "}},
          // clang-format on
          [&](const std::string& radek) {
            svet.Arm(radek.substr(0, radek.find(' ')), V(15, 0));
            if (radek.ends_with("varování")) svet.Tikej(V(17, 0), 1s, {}, true);
            svet.dialogy.otevreno = radek.ends_with("box");
            return polozky();
          });
}
