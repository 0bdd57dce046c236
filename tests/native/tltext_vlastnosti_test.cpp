#include "controls/soft_button/tltext_vlastnosti.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/navrh_oken.h"
#include "platform/port.h"
#include "platform/shell.h"

using namespace std::string_literals;

namespace {

const Okoli okoli{.ForeColor = 7, .Font = {}, .jmeno = "tlHNStop"};

// Records change notices and what the properties ask of the window, in one sequence.
class Zaznam : public TlTextVlastnosti {
 public:
  Zaznam() { ZmenaVlastnosti = [this](std::string_view klic) { log.emplace_back(klic); }; }
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
  const struct {
    const char* jak;
    std::function<void(Zaznam&)> akce;
    std::vector<std::string> log;
    Polozky hodnoty;
  } pripady[] = {
      {"flat turns the focus look off and keeps border 0", [](Zaznam& t) { t.DEMove(true); t.DEBorder(1); },
       {"DEM", "FoD", "DEB", "~klient", "DEB", "~klient"}, {{"FoD", 2}, {"DEB", 0}}},
      {"mode 1 set-up", [](Zaznam& t) { t.SEMode(1); }, {"C", "SEP", "SEM"}, {{"C", "Internet"s}}},
      {"list style", [](Zaznam& t) { t.StyleForList(true); },
       {"SFL", "DEM", "FoD", "DEB", "~klient", "~225x225", "C"}, {{"C", "..."s}, {"DEM", true}}},
  };
  for (const auto& p : pripady) {
    Zaznam t;
    p.akce(t);
    EXPECT_EQ(t.log, p.log) << p.jak;
    Ocekavej(t, p.hodnoty, p.jak);
  }
}

TEST(TlTextVlastnosti, NacteniZBaliku) {
  const struct {
    const char* jak;
    Polozky ulozeno, nacteno;
  } pripady[] = {
      {"mode 1 after file and parameters", {{"SEP", "-p"s}, {"SEF", "zd.cz"s}, {"SEM", 1}, {"C", "Web"s}},
       {{"SEF", "zd.cz"s}, {"SEP", ""s}, {"C", "Web"s}}},
      {"keys in another case, narrower numbers", {{"fod", std::int16_t{1}}, {"tf", std::uint8_t{1}}},
       {{"FoD", 1}, {"TF", true}}},
      {"cursor overflow keeps loading", {{"MP", 40000}, {"TF", true}}, {{"MP", 0}, {"TF", true}}},
      {"a value of the wrong kind reads as missing", {{"FoD", "1"s}, {"C", 5}}, {{"FoD", 0}, {"C", "tlHNStop"s}}},
  };
  for (const auto& p : pripady) {
    BalikVlastnosti b;
    for (const auto& [k, h] : p.ulozeno) b.Zapis(k, h);
    Zaznam t;
    t.Nacti(b, okoli);
    Ocekavej(t, p.nacteno, p.jak);
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
  const struct {
    int SEMode;
    const char* SEFile;
    std::string volani;
  } pripady[] = {
      {0, "", "Click"},       {1, "www.zd.cz", "http://www.zd.cz|-x -y"}, {2, "zd@zd.cz", "mailto:zd@zd.cz|-x -y"},
      {3, "a.exe", "a.exe|-x -y"}, {5, "x", "|-x -y"},  // an unknown mode hands the shell nothing to open
  };
  struct : Spoustec {
    void Otevri(std::string_view cil, std::string_view par) override { volani += std::string(cil) + "|" += par; }
    std::string volani;
  } spoustec;
  Pripojeni<Spoustec> pripojeni(spoustec);
  for (const auto& p : pripady) {
    spoustec.volani.clear();
    Zaznam t;
    t.Click = [&] { spoustec.volani += "Click"; };
    t.SEMode(p.SEMode);
    t.SEFile(p.SEFile);
    t.SEParameters("-x -y");
    t.SEExecute(false);
    EXPECT_EQ(spoustec.volani, p.volani) << p.SEMode;
  }
}
