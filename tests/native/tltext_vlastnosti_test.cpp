#include "controls/soft_button/tltext_vlastnosti.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/zdroje.h"
#include "controls/soft_button/tltext_navrh.h"
#include "platform/port.h"
#include "platform/shell.h"

namespace {

const Okoli okoli{.BackColor = 0x80000005, .ForeColor = 0x80000008, .Font = {.velikost = 10}, .jmeno = "tlHNStop"};

Okoli Jmeno(const char* jmeno) {
  Okoli o;
  o.jmeno = jmeno;
  return o;
}

// Records change notices and what the properties ask of the window, in one sequence.
class Zaznam : public TlTextVlastnosti {
 public:
  Zaznam() {
    ZmenaVlastnosti = [this](std::string_view klic) { log.emplace_back(klic); };
  }
  void Zobraz() { zobrazeno_ = true; }
  std::vector<std::string> log;

 protected:
  void Prekresli(Oblast o) override { log.push_back(o == Oblast::klient ? "~klient" : "~vnitrek"); }
  void ZmenVelikost(int w, int h) override { log.push_back("~" + std::to_string(w) + "x" + std::to_string(h)); }
};

class SpoustecZaznam final : public Spoustec {
 public:
  void Otevri(std::string_view cil, std::string_view parametry) override {
    volani.push_back(std::string(cil) + "|" + std::string(parametry));
  }
  std::vector<std::string> volani;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(TlTextVlastnosti, NastaveniMaUcinkyVDanemPoradi) {
  const struct {
    const char* jak;
    std::function<void(Zaznam&)> pred, akce;
    Log log;
  } pripady[] = {
      {"case alone is no change", [](Zaznam& t) { t.Caption("STORNO"); }, [](Zaznam& t) { t.Caption("Storno"); }, {}},
      {"new caption, shown", [](Zaznam& t) { t.Zobraz(); }, [](Zaznam& t) { t.Caption("&Aktivace"); }, {"C", "~vnitrek"}},
      {"flat turns the focus look off", {}, [](Zaznam& t) { t.DEMove(true); }, {"DEM", "FoD", "DEB", "~klient"}},
      {"flat off, shown", [](Zaznam& t) { t.Zobraz(); }, [](Zaznam& t) { t.DEMove(false); }, {"DEM", "~klient"}},
      {"border repaints even hidden", {}, [](Zaznam& t) { t.DEBorder(1); }, {"DEB", "~klient"}},
      {"colour repaints once shown", [](Zaznam& t) { t.Zobraz(); }, [](Zaznam& t) { t.ForeColor(1); }, {"FC", "~vnitrek"}},
      {"enabled, hidden", {}, [](Zaznam& t) { t.Enabled(false); }, {"E"}},
      {"font repaints even hidden", {}, [](Zaznam& t) { t.Font({}); }, {"~vnitrek", "F"}},
      {"mode 1 set-up", [](Zaznam& t) { t.SEParameters("-x"); }, [](Zaznam& t) { t.SEMode(1); }, {"C", "SEP", "SEM"}},
      {"unknown mode sets nothing up", {}, [](Zaznam& t) { t.SEMode(5); }, {"SEM"}},
      {"list style", {},
       [](Zaznam& t) { t.StyleForList(true); },
       {"SFL", "DEM", "FoD", "DEB", "~klient", "~225x225", "C"}},
      {"cursor beyond 16 bits", {}, [](Zaznam& t) { EXPECT_FALSE(t.MousePointer(32768)); }, {}},
      {"cursor within 16 bits", {}, [](Zaznam& t) { EXPECT_TRUE(t.MousePointer(-32768)); }, {"MP"}},
  };
  for (const auto& p : pripady) {
    Zaznam t;
    if (p.pred) p.pred(t);
    t.log.clear();
    p.akce(t);
    EXPECT_EQ(t.log, p.log) << p.jak;
  }
}

TEST(TlTextVlastnosti, HodnotyPoNastaveni) {
  Zaznam t;
  t.DEMove(true);
  t.DEBorder(1);
  EXPECT_EQ(t.DEBorder(), 0);  // a flat button keeps border style 0
  t.DEMove(false);
  EXPECT_EQ(t.FocusDraw(), 2);  // not restored
  t.MousePointer(99);
  t.MousePointer(70000);
  EXPECT_EQ(t.MousePointer(), 99);

  t.StyleForList(true);
  EXPECT_EQ(t.Caption(), "...");
  EXPECT_TRUE(t.DEMove());
  EXPECT_EQ(t.FocusDraw(), 2);
}

TEST(TlTextVlastnosti, NovePolozeniDavaVychoziHodnoty) {
  Zaznam t;
  t.NovePolozeni(okoli);
  EXPECT_EQ(t.Caption(), "tlHNStop");
  EXPECT_EQ(t.FocusDraw(), 0);
  EXPECT_EQ(t.FocusColor(), 0xC0FFC0U);
  EXPECT_EQ(t.BackColor(), okoli.BackColor);
  EXPECT_EQ(t.ForeColor(), okoli.ForeColor);
  EXPECT_EQ(t.MoveColor(), 0xFF0000U);
  EXPECT_EQ(t.DownColor(), 0x00FF00U);
  EXPECT_EQ(t.Font(), okoli.Font);
  EXPECT_TRUE(t.Enabled());
  EXPECT_EQ(t.MousePointer(), 0);
  EXPECT_FALSE(t.TrueFalse());
}

TEST(TlTextVlastnosti, NacteniZBaliku) {
  auto balik = [](std::vector<BalikVlastnosti::Polozka> polozky) {
    BalikVlastnosti b;
    for (auto& [k, h] : polozky) b.Zapis(k, h);
    return b;
  };
  const struct {
    const char* jak;
    BalikVlastnosti balik;
    std::string SEFile, SEParameters, Caption;
    int FocusDraw, MousePointer;
    bool TrueFalse;
    Barva ForeColor;
  } pripady[] = {
      {"mode 1 after file and parameters",
       balik({{"SEP", std::string("-p")}, {"SEF", std::string("zd.cz")}, {"SEM", 1}, {"C", std::string("Web")}}),
       "zd.cz", "", "Web", 0, 0, false, okoli.ForeColor},
      {"mode 3 keeps both", balik({{"SEP", std::string("-p")}, {"SEF", std::string("a.exe")}, {"SEM", 3}}),
       "a.exe", "-p", "tlHNStop", 0, 0, false, okoli.ForeColor},  // no saved caption: the instance's name
      {"mode 0 empties both", balik({{"SEP", std::string("-p")}, {"SEF", std::string("a.exe")}, {"SEM", 0}}),
       "", "", "tlHNStop", 0, 0, false, okoli.ForeColor},
      {"nothing saved", {}, "", "", "tlHNStop", 0, 0, false, okoli.ForeColor},
      {"keys in another case, narrower numbers",
       balik({{"fod", std::int16_t{1}}, {"Fc", std::uint8_t{7}}, {"tf", true}}), "", "", "tlHNStop", 1, 0, true, 7},
      {"cursor overflow keeps loading", balik({{"MP", 40000}, {"TF", true}}), "", "", "tlHNStop", 0, 0, true,
       okoli.ForeColor},
      {"a value of the wrong kind reads as missing", balik({{"FoD", std::string("1")}, {"C", 5}}), "", "", "tlHNStop",
       0, 0, false, okoli.ForeColor},
  };
  for (const auto& p : pripady) {
    Zaznam t;
    t.Nacti(p.balik, okoli);
    EXPECT_EQ(t.SEFile(), p.SEFile) << p.jak;
    EXPECT_EQ(t.SEParameters(), p.SEParameters) << p.jak;
    EXPECT_EQ(t.Caption(), p.Caption) << p.jak;
    EXPECT_EQ(t.FocusDraw(), p.FocusDraw) << p.jak;
    EXPECT_EQ(t.MousePointer(), p.MousePointer) << p.jak;
    EXPECT_EQ(t.TrueFalse(), p.TrueFalse) << p.jak;
    EXPECT_EQ(t.ForeColor(), p.ForeColor) << p.jak;
  }
}

TEST(TlTextVlastnosti, UlozeniZapiseVsechnyKliceAVratiSeZpet) {
  Zaznam t;
  t.NovePolozeni(okoli);
  t.SEMode(3);
  t.SEFile("C:\\a.exe");
  t.SEParameters("/x");
  t.Caption("&Spustit");
  t.MouseIcon({IDC_RUKA});
  t.HelpTools(200);
  const BalikVlastnosti ulozeno = t.Uloz();

  std::vector<std::string> klice;
  for (const auto& [k, h] : ulozeno.Polozky()) klice.push_back(k);
  EXPECT_EQ(klice, (std::vector<std::string>{"FoD", "FoC", "SEP", "SEF", "SEM", "DEM", "DEB", "E", "BC", "FC",
                                              "MC", "DC", "F", "C", "MP", "MI", "TF", "SFL", "HT"}));
  EXPECT_TRUE(std::holds_alternative<std::uint8_t>(*ulozeno.Najdi("HT")));
  EXPECT_TRUE(std::holds_alternative<bool>(*ulozeno.Najdi("DEM")));

  Zaznam znovu;
  znovu.Nacti(ulozeno, Jmeno("jine"));
  EXPECT_EQ(znovu.Uloz().Polozky(), ulozeno.Polozky());
}

TEST(TlTextVlastnosti, StiskPodleRezimu) {
  const struct {
    int SEMode;
    const char* SEFile;
    int kliknuti;
    std::vector<std::string> volani;
  } pripady[] = {
      {0, "", 1, {}},
      {1, "www.zd.cz", 0, {"http://www.zd.cz|-x -y"}},
      {1, "http://zd.cz", 0, {"http://http://zd.cz|-x -y"}},  // the scheme is added, never checked
      {2, "zd@zd.cz", 0, {"mailto:zd@zd.cz|-x -y"}},
      {3, "C:\\a.exe", 0, {"C:\\a.exe|-x -y"}},
      {5, "x", 0, {"|-x -y"}},
  };
  for (const auto& p : pripady) {
    SpoustecZaznam spoustec;
    Pripojeni<Spoustec> pripojeni(spoustec);
    Zaznam t;
    int kliknuti = 0;
    t.Click = [&] { ++kliknuti; };
    t.SEMode(p.SEMode);
    t.SEFile(p.SEFile);
    t.SEParameters("-x -y");
    t.SEExecute(false);
    EXPECT_EQ(kliknuti, p.kliknuti) << p.SEMode;
    EXPECT_EQ(spoustec.volani, p.volani) << p.SEMode;
  }
}

TEST(NavrhTlText, StornoVarovnehoOkna) {
  const NavrhTlText* navrh = NajdiNavrh("cmKZS");
  ASSERT_NE(navrh, nullptr);
  EXPECT_EQ(NajdiNavrh("neni"), nullptr);
  Zaznam t;
  t.Nacti(UlozeneHodnoty(*navrh), Jmeno("cmKZS"));
  EXPECT_EQ(t.Caption(), "S T O R N O");
  EXPECT_EQ(t.ForeColor(), 0x000000FFU);
  EXPECT_EQ(t.MoveColor(), 0x0000C000U);
  EXPECT_EQ(t.BackColor(), 0x8000000FU);
  EXPECT_EQ(t.FocusDraw(), 2);
  EXPECT_EQ(t.DEBorder(), 2);
  EXPECT_EQ(t.MousePointer(), 99);
  EXPECT_EQ(t.MouseIcon(), Obrazek{IDC_RUKA});
  EXPECT_EQ(t.Font().velikost, 13.5);
  EXPECT_EQ(t.Font().vaha, 700);
  EXPECT_EQ(t.Uloz().Polozky().size(), 19U);
}
