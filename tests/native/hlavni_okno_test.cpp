#include "falesny_svet.h"

// The messages shown, each with its style, and the log, in one line.
static std::string Zaznam(const FalesnySvet& svet) {
  std::string s;
  for (const auto& z : svet.dialogy.zpravy) s += z.text + " (" + std::to_string(z.styl) + ") / ";
  for (const auto& r : svet.log) s += r + "; ";
  return s;
}

// "Ukončit" lets through only the exact password, then asks; a wrong or cancelled one ends nothing.
TEST(Ukoncit, StrazOtazkaAKonec) {
  const std::string otazka = "Přejete si aplikaci \"Vypnutí počítače\" ukončit? (36) / ";
  // A row: the answer to the password prompt, to the question, and what is shown and done.
  const std::tuple<std::optional<std::string>, int, std::string> pripady[] = {
      {"Tajné", odpoved::Ano, "Zadejte heslo!|Tajné (0) / " + otazka + "konec programu; "},
      {"Tajné", odpoved::Ne, "Zadejte heslo!|Tajné (0) / " + otazka},
      {"tajné", odpoved::Ano, "Zadejte heslo!|tajné (0) / Neplatné heslo. (48) / "},
      {std::nullopt, odpoved::Ano, "Zadejte heslo!|zrušeno (0) / "},
  };
  for (const auto& [heslo, odpoved, zaznam] : pripady) {
    FalesnySvet svet;
    stav.HesloZapnuto = 1;
    stav.Heslo = "Tajné";
    svet.dialogy.vstupy = {heslo};
    svet.dialogy.odpovedi = {odpoved};
    tlHZavrit_Click();
    EXPECT_EQ(Zaznam(svet), zaznam);
  }
}

// No password before a tool button's action, even with settings protected. A shut-down, restart or
// log-off asks first, No the default (a touch tap brings no hint); sleep and lock lose nothing. The
// shortcut button toggles the shortcut.
TEST(NastrojovaTlacitka, KazdeDelaSve) {
  const auto otazka = [](const char* co, const char* kod) {  // asked twice: No, then Yes
    const std::string q =
        "Opravdu chcete hned "s + co + "? Neuložená práce v otevřených programech se ztratí. (292) / ";
    return q + q + "privilegium; KillTimer; ExitWindowsEx 0x000000" + kod + " 0x80040001; SetTimer; ";
  };
  // clang-format off
  const std::pair<int, std::string> pripady[] = {
      {0, otazka("vypnout počítač", "0D")}, {1, otazka("restartovat počítač", "46")}, {2, otazka("odhlásit se", "04")},
      {3, "privilegium; schovej; tip Spuštěné uspání dokončeno.; SetSuspendState 0 0 0; "},
      {4, "privilegium; schovej; tip Spuštěné uzamčení dokončeno.; LockWorkStation; "},
      {5, "shutdown.exe /i; "}, {6, "vytvor zastupce; "}, {8, ""}};
  // clang-format on
  for (const auto& [index, zaznam] : pripady) {
    FalesnySvet svet;
    stav.HesloZapnuto = 1;
    svet.dialogy.odpovedi = {odpoved::Ne, odpoved::Ano};
    tlKZ_Click(index);
    if (index < 3 && svet.log.empty()) tlKZ_Click(index);  // No did nothing: the second click is answered Yes
    EXPECT_EQ(Zaznam(svet), zaznam) << index;
  }
}

// The hints of "Od-Do" and "S" outside an edit, and the status bar follows the pointer.
TEST(Napovedy, StavEditoruAUkazatel) {
  FalesnySvet svet;
  Formular f;
  EXPECT_EQ(NapovedaTlacitka(f, O::tlHNOdDo).text + " " + NapovedaTlacitka(f, O::tlHNStop).text,
            "Aktivujete nastavení vypnutí v čase Od - Do. Stornujete (ukončíte) aktivní nastavení.");

  // The pointer on a button puts its hint in the status bar; leaving puts the tray text back.
  svet.tip = "Vypnutí za 5 minut.";
  const auto radek = [&] { return f.sbText + " " + std::to_string(f.sbIkona) + " " + std::to_string(f.mmeActive); };
  tl_MouseMoveEnabled(f, O::tlKZ3, true);
  EXPECT_EQ(radek(), "Přejdete do režimu spánku. 32516 1");
  tl_MouseMoveEnabled(f, O::tlKZ3, false);
  EXPECT_EQ(radek(), "Vypnutí za 5 minut. 32516 0");

  // "Ukončit" says what will really become of the schedule: a number of minutes is not kept.
  stav.Neaktivni = 1;
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/90/", true, false));
  EXPECT_EQ(NapovedaTlacitka(Formular{}, O::tlHZavrit).text,
            "Ukončíte program. Naplánovaná akce se zruší: počet minut ani podmínka bez času se neukládají.");
}

// The warning shows on the monitor the user looks at: the foreground window's, else the pointer's.
TEST(Upozorneni, NaMonitoruUzivatele) {
  const Obdelnik levy{0, 0, 1920, 1040}, pravy{1920, 0, 3840, 1040};
  EXPECT_EQ(UmisteniUpozorneni(pravy, levy, levy, 480, 88), (Bod{2640, 476}));
  EXPECT_EQ(UmisteniUpozorneni(std::nullopt, pravy, levy, 480, 88), (Bod{2640, 476}));
}

TEST(HlavniOkno, NacteniUkazeStavAVerzi) {
  FalesnySvet svet;
  svet.tip = "Vypnutí počítače";
  svet.hodiny.ted = SlozCas(2026, 12, 5, 7, 5, 9);
  Formular f;
  NactiHlavniOkno(f, TextVerze("© 2026 ZD", 2008, 1, 23));
  EXPECT_EQ(f[O::lblVC].text + "|" + f[O::lblVD].text + "|" + f[O::lblHA].text + "|" + f.sbText + " " +
                std::to_string(f.sbIkona) + "|" + std::to_string(stav.HlavniOtevreno),
            "7:05:09|sobota, 5.prosince 2026|© 2026 ZD (2008.1.23)|Vypnutí počítače 32516|1");
  Form_Unload();
  EXPECT_EQ(stav.HlavniOtevreno, 0);
}
