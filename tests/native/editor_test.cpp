#include "falesny_svet.h"

namespace {

// The form in one line: the selected option, the five boxes (a capital letter: greyed or hidden) and
// the three texts.
std::string Shrnuti(const Formular& f) {
  std::string s = std::to_string(VybranaVolba(f)) + " ";
  for (int i = 0; i < 5; ++i) s += (f[chHN(i)].povoleny && f[chHN(i)].viditelny ? "-x" : "_X")[f[chHN(i)].hodnota == 1];
  return s + " [" + f[O::txtHNCas].text + "|" + (f[O::txtHNDatum].viditelny ? f[O::txtHNDatum].text : "skryto") + "|" +
         f[O::txtHNHeslo].text + "]";
}

// Which controls the user can reach ('+'), sees greyed ('-') or does not see ('.'), in a fixed order:
// frHA, Nové, Změnit, Posunutí, S, Od-Do, Čas, Datum, Heslo, the six actions, the five boxes; '*' when
// the password box hides what it holds.
std::string Dosah(const Formular& f) {
  std::string s;
  for (const O o :
       {O::tlKZ0,      O::tlHNastaveni, O::tlHNastaveniZ, O::tlHNastaveniP, O::tlHNStop, O::tlHNOdDo, O::txtHNCas,
        O::txtHNDatum, O::txtHNHeslo,   O::opHN1,         O::opHN2,         O::opHN3,    O::opHN4,    O::opHN5,
        O::opHN6,      O::chHN0,        O::chHN1,         O::chHN2,         O::chHN3,    O::chHN4})
    s += !f[o].viditelny ? '.' : f.Aktivni(o) ? '+' : '-';
  return s + (f[O::txtHNHeslo].maska ? "*" : "");
}

// The program started at 10:00 on 4 December 2026 with this schedule, its main window loaded.
struct Editor : ::testing::Test {
  void Spust(const std::string& parametr) {
    svet.ZacniV(V(10, 0));
    ASSERT_TRUE(parametr.empty() || RozeberParametr(parametr, false, false)) << parametr;
    f = Formular{};
    NactiHlavniOkno(f, "");
    svet.log.clear();
    svet.dialogy.zpravy.clear();
  }

  // The editor driven by a line of words, left to right. A button's name clicks it (Nove, Zmenit, Posunuti,
  // S, Storno, OdDo, Parametr, Aktivace, den=N); "pole=hodnota" fills a box or makes a choice ('_' stands
  // for a blank), box=N and !box=N check and uncheck one; "ano", "ne" and "vstup=..." answer the next
  // question or password prompt; "+N" moves the clock N minutes on, "@H:MM:SS" sets it that day, "tik"
  // lets the timer tick. A word with '?' reads something, and the readings come back joined by " | ".
  // An unknown word fails the test.
  std::string Skript(const std::string& radek) {
    std::string vysledek, mezi;
    std::istringstream slova(radek);
    for (std::string slovo; slova >> slovo;) {
      if (slovo[0] == '?') {
        vysledek += std::exchange(mezi, " | ") + Cti(slovo.substr(1));
        continue;
      }
      std::ranges::replace(slovo, '_', ' ');
      const bool znak = slovo[0] == '+' || slovo[0] == '@';  // "+N" and "@H:MM:SS" have no '='
      const auto rovna = znak ? 1 : slovo.find('=');
      const std::string w = slovo.substr(0, rovna), h = rovna >= slovo.size() ? "" : slovo.substr(rovna + !znak);
      const auto cislo = [&] { return std::stoi(h); };
      int shod = 0;
      const auto je = [&](std::string_view jmeno) { return w == jmeno && ++shod; };
      if (tlacitka.contains(w) && ++shod) tlacitka.at(w)(f);
      if (pole.contains(w) && ++shod) f[pole.at(w)].text = h;
      if (je("den")) KlikNaTlacitko(f, tlHNDen(cislo()));
      if (je("akce")) VyberVolbu(f, cislo());
      if (je("box") || je("!box")) NastavZaskrtnuti(f, cislo(), w == "box");
      if (je("podminka")) cbHNPodminka_Click(f, cislo());
      if (je("odchod")) KontrolaPriOdchodu(f, pole.at(h));
      if (je("bezfokusu")) f.fokus.reset();
      if (je("ano") || je("ne")) svet.dialogy.odpovedi.push_back(w == "ano" ? odpoved::Ano : odpoved::Ne);
      if (je("vstup")) svet.dialogy.vstupy.emplace_back(h);
      if (je("+")) svet.hodiny.ted += minutes{cislo()};
      if (je("@")) svet.hodiny.ted = SlozCas(2026, 12, 4, cislo(), std::stoi(h.substr(3)), std::stoi(h.substr(6)));
      if (je("tik")) CasovacTik();
      if (je("cmKZS")) cmKZS_Click();
      if (!shod) ADD_FAILURE() << "unknown word " << slovo;
    }
    return vysledek;
  }

  std::string Cti(const std::string& co) {
    if (pole.contains(co)) return f[pole.at(co)].text;
    if (co == "tag") return f.Tag;
    if (co == "schranka") return svet.schranka;
    if (co == "form") return Shrnuti(f);
    if (co == "dosah") return Dosah(f);
    if (co == "editor") return f.Aktivni(O::txtHNCas) ? "otevreny" : "zavreny";
    if (co == "parametr") return stav.Parametr;
    if (co == "ulozeno") return svet.ulozeny_parametr;
    if (co == "tip") return svet.tip;
    if (co == "kurzor") return f.kurzor ? std::to_string(*f.kurzor) : "-";
    if (co == "cil") return Cil();
    if (co == "barvaP") return std::to_string(f[O::tlHNastaveniP].barva);
    if (co == "stav")
      return "P" + std::to_string(stav.Posunuti) + " N" + std::to_string(stav.Neaktivni) + " M" +
             std::to_string(stav.Minuta);
    if (co == "fokus") {
      for (const auto& [jmeno, o] : pole)
        if (f.fokus == o) return jmeno;
      return f.fokus ? "jiny" : "zadny";
    }
    if (co == "zpravy") {  // the messages shown since the last reading, with their styles
      std::string s;
      for (const auto& z : std::exchange(svet.dialogy.zpravy, {}))
        s += (s.empty() ? "" : " / ") + z.text + " (" + std::to_string(z.styl) + ")";
      return s;
    }
    if (co == "dny") {  // the day buttons shown or not, the days pressed from Monday on, and Tuesday's reachable
      std::string s = f[O::tlHNDen0].viditelny && f[O::tlHNDen6].viditelny ? "" : "skryte ";
      for (int den = 0; den < 7; ++den) s += VybraneDny(f) >> den & 1 ? 'x' : '-';
      return s + (f.Aktivni(O::tlHNDen1) ? " +" : f[O::tlHNDen1].povoleny ? " =" : " -");  // '=': in a greyed frame
    }
    if (co == "podminka") {  // the choice (greyed '-', several kept as they are), label and box shown, their texts
      const auto& cb = f[O::cbHNPodminka];
      return (cb.viditelny ? std::to_string(cb.hodnota) : ".") + (f.Aktivni(O::cbHNPodminka) ? "" : "-") +
             (cb.text.ends_with("více podmínek (beze změny)") ? " vice " : " ") +
             (f[O::lblHNPodminka].viditelny ? "L" : ".") + (f[O::txtHNPodminka].viditelny ? "T " : ". ") +
             f[O::txtHNPodminka].text + "/" + f[O::lblHNUdaj].text;
    }
    ADD_FAILURE() << "unknown reading " << co;
    return "?";
  }

  // clang-format off
  static inline const std::map<std::string, void (*)(Formular&)> tlacitka = {
      {"Nove", tlHNastaveni_Click}, {"Zmenit", tlHNastaveniZ_Click}, {"Posunuti", tlHNastaveniP_Click},
      {"S", tlHNStop_Click}, {"Storno", tlHNStorno_Click}, {"OdDo", tlHNOdDo_Click},
      {"Parametr", tlHNParametr_Click}, {"Aktivace", tlHNAktivace_Click}};
  static inline const std::map<std::string, O> pole = {{"cas", O::txtHNCas}, {"datum", O::txtHNDatum},
      {"heslo", O::txtHNHeslo}, {"udaj", O::txtHNPodminka}, {"souhrn", O::lblHN}};
  // clang-format on
  FalesnySvet svet;
  Formular f;
};

}  // namespace

TEST_F(Editor, StavyEditoru) {
  const char* pripady[][2] = {{"", "++++.---------------* | zadny"},
                              {"Nove", "--...+++++++++++++++ | cas"},
                              {"Zmenit", "----++++++++++++++++ | cas"},
                              {"Posunuti", "----+.+-------------* | cas"}};
  for (const auto& [skript, dosah] : pripady) {
    Spust("/restart;t/22:30/");
    EXPECT_EQ(Skript(skript + " ?dosah ?fokus Storno ?dosah"s), dosah + " | ++++.---------------*"s) << skript;
  }
}

TEST_F(Editor, SestaveniParametru) {
  // clang-format off
  const std::pair<const char*, const char*> pripady[] = {
      {"akce=1 box=0 cas=22:30 datum=4.5.2027", "/vypnuti;kd;t/22:30/"},
      {"akce=2 box=1 cas=15:32 datum=4.5.2005", "/restart;zs;t/15:32/;d/4.5.2005/"},
      {"akce=4 cas=125", "/spanek;t/125/"}, {"akce=6 cas=23:00", "/hibernace;t/23:00/"},
      {"akce=5 box=3 box=4 box=2 cas=_1:00_ heslo=_tajné", "/zamceni;zs;h/tajné/;ss;kv;t/1:00/"},
      {"akce=3 box=2 cas=8:00", "/odhlaseni;t/8:00/"},  // no password, no ";h"
      {"akce=1", "/vypnuti"} /* at once */, {"akce=0 cas=15:32", ""} /* no action */, {"OdDo akce=0 cas=22:00", ""},
      {"OdDo akce=0 box=0 cas=22:00 datum=06:00", ";od/22:00-06:00/;kd;zs"},
      {"akce=1 podminka=1 udaj=_C:\\Render\\render.exe", "/vypnuti;po/render.exe/"},
      {"akce=4 cas=23:00 podminka=2 udaj=15_", "/spanek;klid/15/;t/23:00/"},
      {"akce=1 box=0 cas=22:00 podminka=3 udaj=30", "/vypnuti;kd;necinnost/30/;t/22:00/"}};
  // clang-format on
  for (const auto& [zadani, parametr] : pripady) {
    Spust("");
    f[O::frHN].povoleny = true;
    // The clipboard holds the same, an empty text too.
    EXPECT_EQ(Skript(zadani + " Parametr ?tag ?schranka"s), parametr + " | "s + parametr);
  }
}

// Checking "password" puts the caret in its box; unchecking it forgets what was typed.
TEST_F(Editor, HesloAOdchodZPole) {
  Spust("");
  EXPECT_EQ(Skript("Nove bezfokusu box=2 ?fokus heslo=x !box=2 ?heslo"), "heslo | ");
  // Leaving a box checks it; the end time in the from-to mode is a time, not a date.
  Spust("");
  EXPECT_EQ(Skript("Nove bezfokusu cas=12:x odchod=cas ?cas ?kurzor OdDo bezfokusu datum=6:00 odchod=datum ?fokus "
                   "?zpravy"),
            "12: | 3 | zadny | Doplňte prosím minuty. (48)");
}

TEST(FiltrKlaves, KazdaTridaZnaku) {
  // Per key what the time box, the date box and the from-to end box let through ('_' nothing).
  const auto znak = [](int z) {
    return z == 0 ? "_"s : z > ' ' && z < 127 ? std::string(1, char(z)) : "#" + std::to_string(z);
  };
  std::string s;
  for (const int z : std::initializer_list<int>{'0', '9', ':', ',', '.', 8, 13, 22, 'a', 'Z', ' ', '-', '/', 0x11B}) {
    const auto k = static_cast<std::int16_t>(z);
    s += znak(FiltrCasu(k)) + znak(FiltrData(k, false)) + znak(FiltrData(k, true)) + " ";
  }
  EXPECT_EQ(s, "000 999 :.: :.: :.: #8#8#8 ___ ___ ___ ___ ___ ___ ___ ___ ");
  EXPECT_EQ(FiltrujVlozeni("15.32 hod", false, false), "15:32");
  EXPECT_EQ(FiltrujVlozeni("4,5,2005\r\n", true, false), "4.5.2005");
  EXPECT_EQ(FiltrujVlozeni("6.00 ráno", true, true), "6:00");
}

// Nothing chosen: the editor says what is missing and stays open, and the schedule in force stays.
TEST_F(Editor, AktivaceHlasiCoChybi) {
  const char* minuty = "Zadejte počet minut od 1 do 1440.";
  const std::pair<const char*, const char*> pripady[] = {
      {"akce=0 cas=15:32", "Vyberte akci: Vypnout, Restartovat, Odhlásit, Uspat, Zamknout nebo Hibernovat."},
      {"OdDo akce=0 cas=22:00", "Zadejte oba časy, od kdy a do kdy má být počítač vypnutý."},
      {"akce=1 box=2 cas=22:00 heslo=a/b", "Heslo nesmí obsahovat lomítko \"/\"."},
      {"akce=1 podminka=1 udaj=_", "Zadejte název programu, na jehož skončení se má čekat, například render.exe."},
      {"akce=1 podminka=1 udaj=a;b.exe", "Název programu nesmí obsahovat znaky / ; : * ? \" < > |."},
      {"akce=1 podminka=2 udaj=0", minuty},
      {"akce=1 podminka=3 udaj=1441", minuty},
      {"akce=1 cas=90 podminka=2 udaj=15",
       "Podmínku nelze spojit s počtem minut. Zadejte čas jako hodina:minuta, nebo pole Čas nechte prázdné."},
      {"akce=1 box=0 podminka=3 udaj=5", "S opakováním nebo s datem zadejte i čas, od kterého se má podmínka hlídat."},
      {"akce=1 datum=5.12.2026", "Zadejte k datu i čas."},  // it would act at once
  };
  for (const auto& [zadani, zprava] : pripady) {
    Spust("/vypnuti;t/23:00/");
    EXPECT_EQ(Skript("Nove "s + zadani + " Aktivace ?zpravy ?editor ?parametr"),
              zprava + " (48) | otevreny | /vypnuti;t/23:00/"s);
  }
}

// Without a time the action comes at once: a shut-down, restart or log-off asks as the top row's
// buttons do, No the default; a postponement without a time is refused, never carried out.
TEST_F(Editor, BezCasuHned) {
  for (const auto& [skript, zprava] : std::initializer_list<std::pair<const char*, const char*>>{
           {"Nove akce=1",
            "Opravdu chcete hned vypnout počítač? Neuložená práce v otevřených programech se ztratí. (292)"},
           {"Nove akce=5", "Opravdu si přejete aktivovat nastavené parametry? (36)"},
           {"Posunuti", "Zadejte čas, na který se má akce posunout. (48)"}}) {
    Spust("/vypnuti;t/23:00/");
    EXPECT_EQ(Skript("ne "s + skript + " cas= Aktivace ?zpravy ?parametr"), zprava + " | /vypnuti;t/23:00/"s);
    EXPECT_EQ(svet.Log({"schovej"}), std::vector<std::string>{});
  }
}

TEST_F(Editor, Stop) {
  // Without a postponement "S" cancels the schedule, and the store forgets it at once; with one it drops
  // the postponement and arms the stored schedule again, 23:00 as before.
  Spust("/vypnuti;t/23:00/");
  EXPECT_EQ(Skript("Zmenit S ?ulozeno"), "");
  Spust("/vypnuti;t/23:00/");
  EXPECT_EQ(Skript("Posunuti cas=23:30 Aktivace ?stav ?barvaP Zmenit S ?stav ?tip ?barvaP"),
            "P1 N0 M29 | " + std::to_string(Rgb(255, 0, 0)) + " | P0 N0 M59 | Vypnutí za 13 hodin. | " +
                std::to_string(BarvaTextuTlacitka));

  // The moment it stood in for comes back as it was ("in 30 minutes" is not counted again); passed
  // meanwhile, a one-off one is cancelled and a daily one moves on: nothing comes late. "Změnit" left with
  // "Storno" keeps the postponement.
  // A row: the schedule, the minutes until "S", the tooltip then, and what follows.
  const std::tuple<const char*, const char*, const char*, const char*> pripady[] = {
      {"/vypnuti;t/10:30/", "45", "Vypnutí bylo stornováno.", ""},
      {"/vypnuti;t/30/", "45", "Vypnutí bylo stornováno.", ""},
      {"/vypnuti;t/30/", "10", "Vypnutí za 20 minut.", ""},
      {"/hibernace;t/10:30/", "45", "Hibernace byla stornována.", ""},
      {"/vypnuti;kd;t/10:30/", "45", "Vypnutí za 23 hodin a 45 minut.", ""},
      // Friday's 24:00 comes back as itself, and its warning cancelled, the next one is the next Friday's.
      {"/spanek;dny/pa/;t/24:00/", "10", "Spánek za 13 hodin a 50 minut. | 12.12.2026 0:00:00",
       " @23:59:05 tik cmKZS ?cil"},
  };
  for (const auto& [parametr, za, tip, dale] : pripady) {
    Spust(parametr);
    EXPECT_EQ(Skript("Posunuti cas=11:00 Aktivace ?stav ?zpravy +"s + za + " Zmenit Storno Zmenit S ?tip" + dale +
                     " ?zpravy"),
              "P1 N0 M59 | Opravdu si přejete aktivovat nastavené parametry? (36) | "s + tip + " | ")
        << parametr << " " << za;
  }
}

// "Od-Do" and "Zpět" inside an edit give back the editor's own entries, never the schedule in force;
// the from-to mode clears what means nothing in a window (closing programs) and forces not cancelling.
TEST_F(Editor, ZpetVraciVlastniZaznamy) {
  Spust(";od/22:00-06:00/;h/stare/");
  EXPECT_EQ(Skript("vstup=stare Nove OdDo ?form akce=3 box=2 box=3 cas=7:00 datum=5.12.2026 heslo=nove podminka=0 "
                   "udaj= OdDo ?form ?dosah cas=21:00 OdDo ?form ?dosah ano Aktivace ?parametr"),
            "0 ----- [||] | 1 -Xx_- [||nove] | --...++++-.....+-+.+ | 3 --xx- [7:00|5.12.2026|nove] | "
            "--...+++++++++++++++ | /odhlaseni;h/nove/;kv;t/7:00/;d/5.12.2026/");
}

// The question before arming names what would surprise the user. A shut-down or restart the power plan
// will not wake the computer for is said there and in the status bar; a plan that allows it, or cannot be
// read, and the other actions say nothing. A program the schedule is to wait for that does not run even now
// is named: the action would come at once (a typo, another extension); with a time the watch begins later.
// A condition says that the computer stays awake while it is awaited.
TEST_F(Editor, OtazkaRikaCoPrekvapi) {
  const std::string veta = "Plán napájení nedovoluje probuzení: ze spánku počítač v naplánovanou dobu nevstane.";
  const std::string bdely = "Dokud se na podmínku čeká, počítač sám neusne.";
  const std::string od = "Od zadaného času, dokud se na podmínku čeká, počítač sám neusne.";
  const std::string program = "\r\n\r\nProgram render.exe teď neběží: akce proběhne hned.";
  // A row: the power plan's wake-timer setting, the script, and what the question adds ("": nothing).
  // clang-format off
  const std::tuple<std::optional<unsigned>, const char*, std::string> pripady[] = {
      {0, "akce=1 cas=23:00", veta}, {2, "akce=2 cas=23:00", veta}, {1, "akce=1 cas=23:00", ""},
      {std::nullopt, "akce=1 cas=23:00", ""}, {0, "akce=4 cas=23:00", ""}, {0, "akce=5 cas=23:00", ""},
      {0, "OdDo datum=06:00 cas=22:00", ""},
      {std::nullopt, "akce=1 cas= podminka=1 udaj=render.exe ne", bdely + program},
      {std::nullopt, "akce=1 cas=9:00 podminka=1 udaj=render.exe ne", od + program},
      {std::nullopt, "akce=1 cas=23:00 podminka=1 udaj=render.exe ne", od},
      {std::nullopt, "akce=1 cas= podminka=1 udaj=notepad ne", bdely}};
  // clang-format on
  for (const auto& [buzeni, skript, dodatek] : pripady) {
    Spust("");
    svet.buzeni = buzeni;
    svet.hint = false;
    svet.procesy = {"notepad.exe"};
    Skript("Nove "s + skript + " Aktivace");
    ASSERT_FALSE(svet.dialogy.Texty().empty()) << skript;
    const std::string otazka = svet.dialogy.Texty()[0];
    const auto konec = otazka.find("\r\n\r\n");
    EXPECT_EQ(konec == std::string::npos ? "" : otazka.substr(konec + 4), dodatek) << otazka;
    Skript("+1 tik");
    EXPECT_EQ(std::ranges::any_of(svet.log, [&](auto& r) { return r.starts_with("sb ") && r.ends_with(" " + veta); }),
              dodatek == veta);
  }
}

// A schedule on chosen days keeps them through "Změnit", "Posunutí" and the activation; the day
// buttons show them and change them only in an edit.
TEST_F(Editor, DnyVTydnuPrezijiUpravu) {
  for (const auto& [klik, dny] :
       std::initializer_list<std::pair<const char*, const char*>>{{"Zmenit", "x-x-x-- +"}, {"Posunuti", "x-x-x-- -"}}) {
    Spust("/vypnuti;dny/po,st,pa/;t/16:00/");
    EXPECT_EQ(Skript("?dny "s + klik + " ?dny cas=17:00 Parametr ?tag"),
              "x-x-x-- = | "s + dny + " | /vypnuti;kd;dny/po,st,pa/;t/17:00/");
  }
  // "Storno" after "Posunutí" gives the days back.
  EXPECT_EQ(Skript("Storno ?dny Zmenit den=0 den=5 Aktivace ?parametr ?souhrn"),
            "x-x-x-- = | /vypnuti;kd;dny/st,pa,so/;t/16:00/ | Vypnutí v st, pá, so v 16:00.");
}

// Conditions live through "Změnit" and "Posunutí", which changes only the time and leaves the stored
// string. The row shows one condition to edit and keeps several as they are; a condition alone shows no
// time and comes back as it was given.
TEST_F(Editor, PodminkyPrezijiUpravu) {
  const char *klid = "/spanek;t/23:00/;klid/15/", *vice = "/vypnuti;po/render.exe/;necinnost/5/";
  const char *po = "/restart;po/render.exe/", *klid_z = "/spanek;klid/15/;t/23:30/;d/4.12.2026/";
  const char* klid_s = " | Spánek po 15 minutách klidu, nejdříve 4.12.2026 v 23:30. | ";
  const char* vice_s =
      " |  | /vypnuti;po/render.exe/;necinnost/5/ | Vypnutí po skončení programu render.exe a po 5 "
      "minutách nečinnosti. | ";
  const char* po_s = " |  | /restart;po/render.exe/ | Restartování po skončení programu render.exe. | ";
  const std::tuple<const char*, const char*, const char*, std::string> pripady[] = {
      {klid, "Zmenit", "23:30",
       "2- LT 15/Minut | 2 LT 15/Minut | 23:00 | "s + klid_z + klid_s + "P0 N0 M29 | " + klid_z},
      {klid, "Posunuti", "23:30",
       "2- LT 15/Minut | 2- LT 15/Minut | 23:00 | "s + klid_z + klid_s + "P1 N0 M29 | " + klid},
      {vice, "Zmenit", "", "4- vice L. / | 4 vice L. /"s + vice_s + "P0 N0 M59 | " + vice},
      {vice, "Posunuti", "", "4- vice L. / | 4- vice L. /"s + vice_s + "P1 N0 M59 | " + vice},
      {po, "Zmenit", "", "1- LT render.exe/Název | 1 LT render.exe/Název"s + po_s + "P0 N0 M59 | " + po},
      {po, "Posunuti", "", "1- LT render.exe/Název | 1- LT render.exe/Název"s + po_s + "P1 N0 M59 | " + po},
  };
  for (const auto& [parametr, klik, cas, vysledek] : pripady) {
    Spust(parametr);
    EXPECT_EQ(Skript("?podminka "s + klik + " ?podminka ?cas cas=" + cas + " Aktivace ?tag ?souhrn ?stav ?parametr"),
              vysledek)
        << parametr << " " << klik;
  }

  // "Změnit" puts another condition in; a name does not become minutes.
  EXPECT_EQ(Skript("Zmenit podminka=3 ?podminka udaj=20 podminka=2 ?udaj Aktivace ?parametr"),
            "3 LT /Minut | 20 | /restart;klid/20/");
  // "Nové" starts without one; the from-to mode waits for nothing and "Zpět" gives the row back.
  EXPECT_EQ(Skript("Nove ?podminka podminka=1 udaj=render podminka=0 podminka=1 OdDo ?podminka akce=0 cas=22:00 "
                   "datum=6:00 heslo= podminka=1 udaj=render Parametr ?tag OdDo ?podminka"),
            "0 L. /Minut | . .. render/Název | ;od/22:00-6:00/;zs | 1 LT render/Název");
}

TEST(ZobrazNastaveni, UkazeRozvrhVeFormulari) {
  const std::pair<const char*, const char*> pripady[] = {
      {"", "0 ----- [||] "},  // nothing armed
      {"/vypnuti;t/15:32/;d/4.5.2005/", "1 ----- [15:32|4.5.2005|] Vypnutí 4.5.2005 v 15:32. Změnit Posunutí"},
      {"/restart;t/7:05/;d/6.5.2005/", "2 ----- [07:05|6.5.2005|] Restartování 6.5.2005 v 07:05. Změnit Posunutí"},
      {"/spanek;kd;kv;h/Tajné/;t/23:00/", "4 x-xx- [23:00|skryto|Tajné] Spánek 4.5.2005 v 23:00. Změnit Posunutí"},
      {"/zamceni;ss;t/23:00/", "5 -X--x [23:00|4.5.2005|] Uzamčení 4.5.2005 v 23:00. Změnit Posunutí"},
      {"/hibernace;t/23:00/", "6 ----- [23:00|4.5.2005|] Hibernace 4.5.2005 v 23:00. Změnit Posunutí"},
      {";od/22:00-06:00/;kd", "1 xX-_- [22:00|06:00|] Vypnutí od 22:00 do 06:00. Změnit Posunutí"},
  };
  for (const auto& [parametr, formular] : pripady) {
    FalesnySvet svet;
    stav.CasSpusteni = svet.hodiny.ted = SlozCas(2005, 5, 4, 10, 0);  // armed at 10:00 on 4 May 2005
    ASSERT_TRUE(!*parametr || RozeberParametr(parametr, false, false)) << parametr;
    Formular f;
    ZobrazNastaveni(f, false);
    std::string s = Shrnuti(f) + " " + f[O::lblHN].text;
    for (const O o : {O::tlHNastaveniZ, O::tlHNastaveniP, O::tlHNStop})
      if (f[o].viditelny) s += " " + f[o].text;
    EXPECT_EQ(s, formular) << parametr;
  }
  // The from-to mode has labels of its own.
  FalesnySvet svet;
  stav.CasSpusteni = svet.hodiny.ted = SlozCas(2005, 5, 4, 5, 0);
  ASSERT_TRUE(RozeberParametr(";od/22:00-06:00/", false, false));
  Formular f;
  const auto popisky = [&] {
    std::string s = f[lblN(0)].text + " " + f[lblN(1)].text + " " + f[O::Label2].text + " " + f[O::Label1].text + " " +
                    f[O::tlHNOdDo].text + " ";
    for (int i = 1; i <= PocetAkci; ++i) s += !f[opHN(i)].viditelny ? '.' : f[opHN(i)].povoleny ? '+' : '-';
    return s + " " + (f[chHN(1)].povoleny ? '+' : '-') + (f[chHN(3)].viditelny ? '+' : '.');
  };
  ZobrazNastaveni(f, false);
  EXPECT_EQ(popisky(), "Od Do hodina:minuta hodina:minuta Zpět -..... -.");
  stav = StavPlanu{};  // nothing armed: back to the time and date
  ZobrazNastaveni(f, false);
  EXPECT_EQ(popisky(), "Čas Datum hodina:minuta den.měsíc.rok Od-Do ++++++ ++");
}
