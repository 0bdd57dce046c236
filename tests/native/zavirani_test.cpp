#include "scheduler/zavirani.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/stav.h"
#include "platform/port.h"

namespace {

constexpr std::uint32_t Viditelne = 0x10000000, Vyskakovaci = 0x80000000, Zakazane = 0x08000000;
constexpr std::uint32_t Nastroj = 0x80;
constexpr std::uint32_t MujProces = 99;

struct FalesneOkno {
  std::uint32_t styl = 0, rozsireny = 0;
  std::string trida = "Okno";
  std::uint32_t proces = 1;
};

// A desktop of scripted windows (handle = index + 1) that writes down what is done to them.
class FalesnaOkna final : public OknaProcesu {
 public:
  std::vector<FalesneOkno> okna;
  std::vector<std::string> zaznam;
  bool dotaz_projde = true;
  std::uintptr_t odpoved_na_dotaz = 1;
  std::set<std::uint32_t> neotevritelne;

  void ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) override {
    for (HandleOkna h = 1; h <= okna.size(); ++h)
      if (!volani(h, navic)) break;
  }
  std::uint32_t Styl(HandleOkna h) override { return okna[h - 1].styl; }
  std::uint32_t RozsirenyStyl(HandleOkna h) override { return okna[h - 1].rozsireny; }
  std::string Trida(HandleOkna h) override { return okna[h - 1].trida; }
  std::uint32_t Proces(HandleOkna h) override { return okna[h - 1].proces; }
  std::uint32_t VlastniProces() override { return MujProces; }
  void Posli(HandleOkna h, unsigned zprava, std::uintptr_t w, std::intptr_t l) override {
    Zapis("post", h, zprava, w, l);
  }
  bool PosliACekej(HandleOkna h, unsigned zprava, std::uintptr_t w, std::intptr_t l,
                   std::uint32_t limit_ms, std::uintptr_t& odpoved) override {
    Zapis("send", h, zprava, w, l);
    EXPECT_EQ(limit_ms, 5000u);
    odpoved = odpoved_na_dotaz;
    return dotaz_projde;
  }
  bool UkonciProces(std::uint32_t proces) override {
    zaznam.push_back("ukonci " + std::to_string(proces));
    return !neotevritelne.contains(proces);
  }
  void Cekej(std::uint32_t ms) override { zaznam.push_back("cekej " + std::to_string(ms)); }

 private:
  void Zapis(const char* co, HandleOkna h, unsigned zprava, std::uintptr_t w, std::intptr_t l) {
    char radek[80];
    snprintf(radek, sizeof radek, "%s %u 0x%02X %ju 0x%jX", co, static_cast<unsigned>(h), zprava,
             static_cast<std::uintmax_t>(w), static_cast<std::uintmax_t>(l));
    zaznam.emplace_back(radek);
  }
};

class Zavirani : public ::testing::Test {
 protected:
  FalesnaOkna okna;
  Pripojeni<OknaProcesu> pripojeni{okna};
};

TEST_F(Zavirani, PetPruchoduSeStupnujiciSilou) {
  okna.okna = {
      {Viditelne | Vyskakovaci, 0, "Dialog", 10},            // 1: popup
      {Viditelne, 0, "Editor", 10},                          // 2: main window, same process
      {Viditelne, Nastroj, "Paleta", 11},                    // 3: tool window
      {Viditelne | Zakazane, 0, "Editor", 12},               // 4: disabled main window
      {0, 0, "Skryte", 13},                                  // 5: hidden
      {Viditelne, 0, "CabinetWClass", 14},                   // 6: a folder window of the shell
      {Viditelne, 0, "ThunderRT6FormDC", MujProces},         // 7: our own
      {Viditelne | Vyskakovaci | Zakazane, 0, "Dialog", 15}, // 8: disabled popup
  };
  ZavriProgramy();
  const std::vector<std::string> ocekavano = {
      "post 1 0x10 0 0x0",          "cekej 3000",
      "post 2 0x10 0 0x0",          "cekej 10000",
      "send 2 0x11 0 0x80000000",   "post 2 0x16 1 0x80000000", "cekej 9000",
      "post 1 0x10 0 0x0",          "cekej 3000",
      "ukonci 10", "ukonci 11", "ukonci 12", "ukonci 15", "cekej 5000",
  };
  EXPECT_EQ(okna.zaznam, ocekavano);
}

TEST_F(Zavirani, TestOknaPodleRezimu) {
  const struct {
    FalesneOkno okno;
    std::int16_t viditelne, hlavni, vyskakovaci, jiny;
  } pripady[] = {
      {{Viditelne, 0}, -1, -1, 0, -1},
      {{Viditelne | Vyskakovaci, 0}, -1, 0, -1, -1},
      {{Viditelne | Zakazane, 0}, -1, 0, 0, -1},
      {{Viditelne | Vyskakovaci | Zakazane, 0}, -1, 0, 0, -1},
      {{Viditelne, Nastroj}, -1, 0, 0, -1},
      {{Viditelne | Vyskakovaci, Nastroj}, -1, 0, 0, -1},
      {{Vyskakovaci, 0}, 0, 0, 0, -1},  // hidden: only the mode without a style condition takes it
      {{0, 0}, 0, 0, 0, -1},
      {{Viditelne, 0, "Progman"}, 0, 0, 0, 0},
      {{Viditelne, 0, "progman"}, -1, -1, 0, -1},  // the spared names are case-sensitive
      {{Viditelne, 0, "CabinetWClass "}, -1, -1, 0, -1},
      {{Viditelne, 0, "Okno", MujProces}, 0, 0, 0, 0},
  };
  for (const auto& p : pripady) {
    okna.okna = {p.okno};
    SCOPED_TRACE(testing::Message() << std::hex << p.okno.styl << " " << p.okno.rozsireny << " "
                                    << p.okno.trida << " " << std::dec << p.okno.proces);
    EXPECT_EQ(TestOkna(1, test_okna::Viditelne), p.viditelne);
    EXPECT_EQ(TestOkna(1, test_okna::Hlavni), p.hlavni);
    EXPECT_EQ(TestOkna(1, test_okna::Vyskakovaci), p.vyskakovaci);
    EXPECT_EQ(TestOkna(1, 0), p.jiny);
  }
}

TEST_F(Zavirani, KonecRelaceJenPoOdpovedi) {
  const struct {
    bool projde;
    std::uintptr_t odpoved;
    std::vector<std::string> ocekavano;
  } pripady[] = {
      {true, 1, {"send 1 0x11 0 0x80000000", "post 1 0x16 1 0x80000000"}},
      {true, 0, {"send 1 0x11 0 0x80000000", "post 1 0x16 0 0x80000000"}},  // refused: told so
      {false, 1, {"send 1 0x11 0 0x80000000"}},  // no answer: nothing more
  };
  okna.okna = {{Viditelne, 0, "Editor", 10}};
  for (const auto& p : pripady) {
    okna.zaznam.clear();
    okna.dotaz_projde = p.projde;
    okna.odpoved_na_dotaz = p.odpoved;
    EXPECT_EQ(UkonciRelaci(1, 0), 1);
    EXPECT_EQ(okna.zaznam, p.ocekavano);
  }
}

TEST_F(Zavirani, KazdyProcesJednouZaBeh) {
  okna.okna = {
      {Viditelne, 0, "A", 10},
      {Viditelne, 0, "B", 20},
      {Viditelne | Vyskakovaci, 0, "A", 10},
      {Viditelne, 0, "B", 20},
  };
  okna.neotevritelne = {20};  // cannot be opened, yet not tried again for its second window
  ZavriProgramy({0, 0, 0, 0, 0});
  ZavriProgramy({0, 0, 0, 0, 0});  // a new run starts with an empty list
  int ukonceni10 = 0, ukonceni20 = 0;
  for (const auto& radek : okna.zaznam) {
    ukonceni10 += radek == "ukonci 10";
    ukonceni20 += radek == "ukonci 20";
  }
  EXPECT_EQ(ukonceni10, 2);
  EXPECT_EQ(ukonceni20, 2);
  EXPECT_EQ(stav.UkoncenychPocet, 2);
  EXPECT_EQ(stav.UkonceneProcesy, (std::vector<std::uint32_t>{10, 20}));
}

}  // namespace
