#include "ui/main_window/hlavni_okno.h"
#include "core/heslo.h"
#include "ui/warning/umisteni.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/parametr.h"
#include "falesny_svet.h"
#include "ui/main_window/napovedy.h"

using ::testing::ElementsAre;
using O = Ovladac;

// "Ukončit" lets through only the exact password, then asks; a wrong or cancelled one ends nothing.
TEST(Ukoncit, StrazOtazkaAKonec) {
  const std::string otazka = "Přejete si aplikaci \"Vypnutí počítače\" ukončit?";
  const struct {
    std::optional<std::string> heslo;  // the answer to the password prompt
    int odpoved;                        // to the question
    std::vector<std::string> okna;
  } pripady[] = {
      {"Tajné", odpoved::Ano, {"Zadejte heslo!|Tajné", otazka}},
      {"Tajné", odpoved::Ne, {"Zadejte heslo!|Tajné", otazka}},
      {"tajné", odpoved::Ano, {"Zadejte heslo!|tajné", "Neplatné heslo."}},
      {" Tajné", odpoved::Ano, {"Zadejte heslo!| Tajné", "Neplatné heslo."}},
      {"", odpoved::Ano, {"Zadejte heslo!|", "Neplatné heslo."}},
      {std::nullopt, odpoved::Ano, {"Zadejte heslo!|zrušeno"}},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.HesloZapnuto = 1;
    stav.Heslo = "Tajné";
    svet.dialogy.vstupy = {p.heslo};
    svet.dialogy.odpovedi = {p.odpoved};
    tlHZavrit_Click();
    const bool konec = p.heslo == "Tajné" && p.odpoved == odpoved::Ano;
    EXPECT_EQ(svet.Log() == std::vector<std::string>{"konec programu"}, konec) << p.heslo.value_or("-");
    EXPECT_EQ(svet.dialogy.Texty(), p.okna) << p.heslo.value_or("-");
    EXPECT_EQ(svet.dialogy.zpravy.back().styl, p.okna.back() == otazka ? styl::AnoNe | styl::Otaznik
                                               : p.heslo               ? styl::Vykricnik
                                                                       : 0u);
  }
  FalesnySvet svet;
  stav.HesloZapnuto = 0;
  EXPECT_TRUE(NastaveniHeslo()) << "no password: nothing asked";
  EXPECT_TRUE(svet.dialogy.zpravy.empty());
}

// No password before a tool button's action, even with settings protected. A shut-down, restart or
// log-off asks first, No the default (a touch tap brings no hint); sleep and lock lose nothing.
TEST(NastrojovaTlacitka, KazdeDelaSve) {
  const std::string ztrata = "? Neuložená práce v otevřených programech se ztratí.";
  const struct {
    int index;
    std::vector<std::string> log;
    std::string otazka = "";
  } pripady[] = {
      {0, {"privilegium", "KillTimer", "ExitWindowsEx 0x0000000D 0x80040001", "SetTimer"}, "vypnout počítač"},
      {1, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000046 0x80040001", "SetTimer"}, "restartovat počítač"},
      {2, {"privilegium", "KillTimer", "ExitWindowsEx 0x00000004 0x80040001", "SetTimer"}, "odhlásit se"},
      {3, {"privilegium", "schovej", "tip Spuštěné uspání dokončeno.", "SetSuspendState 0 0 0"}},
      {4, {"privilegium", "schovej", "tip Spuštěné uzamčení dokončeno.", "LockWorkStation"}},
      {5, {"shutdown.exe /i"}},
      {6, {"vytvor zastupce"}},
      {8, {}},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.HesloZapnuto = 1;
    for (const int odpoved : {odpoved::Ne, odpoved::Ano}) {
      svet.dialogy.odpovedi = {odpoved};
      tlKZ_Click(p.index);
      if (p.otazka.empty()) break;
      EXPECT_EQ(svet.Log().empty(), odpoved == odpoved::Ne) << p.index;
    }
    EXPECT_EQ(svet.Log(), p.log) << p.index;
    if (p.otazka.empty()) {
      EXPECT_TRUE(svet.dialogy.zpravy.empty()) << p.index;
      continue;
    }
    ASSERT_EQ(svet.dialogy.zpravy.size(), 2u) << p.index;
    EXPECT_EQ(svet.dialogy.zpravy[0].text, "Opravdu chcete hned " + p.otazka + ztrata);
    EXPECT_EQ(svet.dialogy.zpravy[0].styl, styl::AnoNe | styl::Otaznik | styl::DruheVychozi);
  }
}

TEST(NastrojovaTlacitka, ZastupceSePrepinaAChybySeHlasi) {
  FalesnySvet svet;
  tlKZ_Click(6);
  tlKZ_Click(6);
  EXPECT_THAT(svet.Log(), ElementsAre("vytvor zastupce", "smaz zastupce"));

  svet.vzdalena_pc = false;
  tlKZ_Click(5);
  ASSERT_EQ(svet.dialogy.zpravy.size(), 1u);
  EXPECT_EQ(svet.dialogy.zpravy[0].styl, styl::Vykricnik);

  svet.dialogy.zpravy.clear();
  tlKZ_Click(7);  // the list of parameters, the same help as the parser's
  ASSERT_EQ(svet.dialogy.zpravy.size(), 1u);
  EXPECT_EQ(svet.dialogy.zpravy[0].styl, styl::Informace);
}

// Two hints follow the editor's state, and the status bar follows the pointer.
TEST(Napovedy, StavEditoruAUkazatel) {
  FalesnySvet svet;
  Formular f;
  EXPECT_EQ(NapovedaTlacitka(f, O::tlHNOdDo).text, "Aktivujete nastavení vypnutí v čase Od - Do.");
  EXPECT_EQ(NapovedaTlacitka(f, O::tlHNStop).text, "Stornujete (ukončíte) aktivní nastavení.");
  f[O::tlHNOdDo].TrueFalse = true;
  stav.Posunuti = 1;
  EXPECT_EQ(NapovedaTlacitka(f, O::tlHNOdDo).text, "Vrátíte se do nastavení Čas - Datum.");
  EXPECT_EQ(NapovedaTlacitka(f, O::tlHNStop).text, "Zrušíte posunutí a aktivujete původní nastavení.");

  // The pointer on a button puts its hint in the status bar; leaving puts the tray text back.
  svet.tip = "Vypnutí za 5 minut.";
  tl_MouseMoveEnabled(f, O::tlKZ3, true);
  EXPECT_EQ(f.sbText + " " + std::to_string(f.sbIkona), "Přejdete do režimu spánku. 32516");
  EXPECT_TRUE(f.mmeActive);
  tl_MouseMoveEnabled(f, O::tlKZ3, false);
  EXPECT_EQ(f.sbText + " " + std::to_string(f.sbIkona), "Vypnutí za 5 minut. 32516");
  EXPECT_FALSE(f.mmeActive);
}

// "Ukončit" says what will really become of the schedule.
TEST(Napovedy, UkoncitRikaCoBudeSPlanem) {
  const struct {
    const char* parametr;  // empty: nothing armed
    bool posunuti;
    const char* text;
  } pripady[] = {
      {"", false, "Nic není naplánováno."},
      {"/vypnuti;t/23:00/", false, "Naplánovaná akce proběhne, přihlásíte-li se před jejím časem."},
      {"/vypnuti;kd;t/23:00/", false, "Naplánovaná akce bude platit od příštího přihlášení."},
      {";od/22:00-06:00/", false, "Naplánovaná akce bude platit od příštího přihlášení."},
      {"/vypnuti;t/23:00/", true, "Při příštím přihlášení bude platit původní nastavení, bez posunutí."},
      {"/vypnuti;t/90/", false, "Naplánovaná akce se zruší: počet minut ani podmínka bez času se neukládají."},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.Neaktivni = 1;
    if (*p.parametr) {
      ASSERT_TRUE(RozeberParametr(p.parametr, true, false));
    }
    stav.Posunuti = p.posunuti ? 1 : 0;
    EXPECT_EQ(NapovedaTlacitka(Formular{}, O::tlHZavrit).text, std::string("Ukončíte program. ") + p.text)
        << p.parametr;
  }
}

// The corner of the work area, wherever the taskbar took its part of the screen.
TEST(HlavniOkno, UmisteniVPracovniPlose) {
  EXPECT_EQ(UmisteniOkna({60, 30, 1024, 738}, 441, 332), (Bod{1024 - 441, 738 - 332}));
}

// The warning shows on the monitor the user looks at: the foreground window's, else the pointer's.
TEST(Upozorneni, NaMonitoruUzivatele) {
  const Obdelnik levy{0, 0, 1920, 1040}, pravy{1920, 0, 3840, 1040};
  EXPECT_EQ(UmisteniUpozorneni(pravy, levy, levy, 480, 88), (Bod{2640, 476}));
  EXPECT_EQ(UmisteniUpozorneni(std::nullopt, pravy, levy, 480, 88), (Bod{2640, 476}));
  EXPECT_EQ(UmisteniUpozorneni(std::nullopt, std::nullopt, levy, 480, 88), (Bod{720, 476}));
}

TEST(HlavniOkno, NacteniUkazeStavAVerzi) {
  FalesnySvet svet;
  svet.tip = "Vypnutí počítače";
  svet.hodiny.ted = SlozCas(2026, 12, 5, 7, 5, 9);
  Formular f;
  NactiHlavniOkno(f, TextVerze("© 2026 ZD", 2008, 1, 23));
  EXPECT_EQ(f[O::lblVC].text, "7:05:09");
  EXPECT_EQ(f[O::lblVD].text, "sobota, 5.prosince 2026");
  EXPECT_EQ(f[O::lblHA].text, "© 2026 ZD (2008.1.23)");
  EXPECT_EQ(f.sbText + " " + std::to_string(f.sbIkona), "Vypnutí počítače 32516");
  EXPECT_EQ(stav.HlavniOtevreno, 1);
  Form_Unload();
  EXPECT_EQ(stav.HlavniOtevreno, 0);
}
