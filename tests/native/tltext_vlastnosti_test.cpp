#include "zaklad.h"

#include "controls/soft_button/tltext_vlastnosti.h"

#include <functional>

#include "platform/port.h"
#include "platform/shell.h"
#include "ui/navrh_oken.h"

namespace {

const Okoli okoli{.ForeColor = 7, .Font = {}, .jmeno = "tlHNStop"};

// Records change notices and what the properties ask of the window, in one sequence.
class Zaznam : public TlTextVlastnosti {
 public:
  Zaznam() {
    ZmenaVlastnosti = [this](std::string_view klic) { log.emplace_back(klic); };
  }
  std::vector<std::string> log;

 protected:
  void Prekresli(Oblast o) override { log.push_back(o == Oblast::klient ? "~klient" : "~vnitrek"); }
  void ZmenVelikost(int w, int h) override { log.push_back("~" + std::to_string(w) + "x" + std::to_string(h)); }
};

using Polozky = std::vector<BalikVlastnosti::Polozka>;

// The values the button would save under the given keys.
void Ocekavej(const TlTextVlastnosti& t, const Polozky& ocekavano, const char* jak) {
  const BalikVlastnosti ulozeno = t.Uloz();
  for (const auto& [k, h] : ocekavano) EXPECT_EQ(*ulozeno.Najdi(k), h) << jak << ", " << k;
}

}  // namespace

TEST(TlTextVlastnosti, NastaveniMaUcinkyVDanemPoradi) {
  Zaznam plochy, rezim, seznam;
  plochy.DEMove(true);  // flat turns the focus look off and keeps border 0
  plochy.DEBorder(1);
  rezim.SEMode(1);  // mode 1 sets itself up
  seznam.StyleForList(true);
  EXPECT_EQ(plochy.log, (std::vector<std::string>{"DEM", "FoD", "DEB", "~klient", "DEB", "~klient"}));
  Ocekavej(plochy, {{"FoD", 2}, {"DEB", 0}}, "flat");
  EXPECT_EQ(rezim.log, (std::vector<std::string>{"C", "SEP", "SEM"}));
  Ocekavej(rezim, {{"C", "Internet"s}}, "mode 1");
  EXPECT_EQ(seznam.log, (std::vector<std::string>{"SFL", "DEM", "FoD", "DEB", "~klient", "~225x225", "C"}));
  Ocekavej(seznam, {{"C", "..."s}, {"DEM", true}}, "list style");
}

// Mode 1 loads after its file and parameters; keys come in another case and numbers narrower; a cursor
// that overflows keeps the loading going; a value of the wrong kind reads as missing.
TEST(TlTextVlastnosti, NacteniZBaliku) {
  const std::pair<Polozky, Polozky> pripady[] = {
      {{{"SEP", "-p"s}, {"SEF", "zd.cz"s}, {"SEM", 1}, {"C", "Web"s}},
       {{"SEF", "zd.cz"s}, {"SEP", ""s}, {"C", "Web"s}}},
      {{{"fod", std::int16_t{1}}, {"tf", std::uint8_t{1}}}, {{"FoD", 1}, {"TF", true}}},
      {{{"MP", 40000}, {"TF", true}}, {{"MP", 0}, {"TF", true}}},
      {{{"FoD", "1"s}, {"C", 5}}, {{"FoD", 0}, {"C", "tlHNStop"s}}}};
  for (const auto& [ulozeno, nacteno] : pripady) {
    BalikVlastnosti b;
    for (const auto& [k, h] : ulozeno) b.Zapis(k, h);
    Zaznam t;
    t.Nacti(b, okoli);
    Ocekavej(t, nacteno, nacteno[0].first.c_str());
  }
}

// Missing keys load as the defaults of a fresh placement, and a full set of saved values (the
// warning window's cancel button) saves back unchanged: every key goes to its own property.
TEST(TlTextVlastnosti, VychoziHodnotyAUlozeniTamAZpet) {
  Zaznam prazdny, novy, storno;
  prazdny.Nacti({}, okoli);
  novy.NovePolozeni(okoli);
  EXPECT_EQ(prazdny.Uloz().Polozky(), novy.Uloz().Polozky());

  const BalikVlastnosti navrh = UlozeneHodnoty(Navrh(Ovladac::cmKZS));
  storno.Nacti(navrh, okoli);
  EXPECT_EQ(storno.Uloz().Polozky(), navrh.Polozky());
}

TEST(TlTextVlastnosti, StiskPodleRezimu) {
  // The mode, the file, what is called; an unknown mode hands the shell nothing to open.
  // clang-format off
  const std::tuple<int, const char*, std::string> pripady[] = {
      {0, "", "Click"}, {1, "www.zd.cz", "http://www.zd.cz|-x -y"}, {2, "zd@zd.cz", "mailto:zd@zd.cz|-x -y"},
      {3, "a.exe", "a.exe|-x -y"}, {5, "x", "|-x -y"}};
  // clang-format on
  struct : Spoustec {
    void Otevri(std::string_view cil, std::string_view par) override { volani += std::string(cil) + "|" += par; }
    std::string volani;
  } spoustec;
  Pripojeni<Spoustec> pripojeni(spoustec);
  for (const auto& [SEMode, SEFile, volani] : pripady) {
    spoustec.volani.clear();
    Zaznam t;
    t.Click = [&] { spoustec.volani += "Click"; };
    t.SEMode(SEMode);
    t.SEFile(SEFile);
    t.SEParameters("-x -y");
    t.SEExecute(false);
    EXPECT_EQ(spoustec.volani, volani) << SEMode;
  }
}
