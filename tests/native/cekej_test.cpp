#include "scheduler/cekej.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t ZpravaPrisla = 0;  // the message-arrived result of a wait without handles

TEST(Cekej, ZbyvajiciCasPresPreteceniCitace) {
  const struct {
    std::uint32_t start, ms, ted;
    std::int32_t zbyva;
  } pripady[] = {
      {1000, 3000, 1000, 3000},
      {1000, 3000, 4000, 0},
      {1000, 3000, 4001, -1},
      {0xFFFFF000, 0x2000, 0xFFFFF000, 0x2000},
      {0xFFFFF000, 0x2000, 0xFFFFFFFF, 0x1001},
      {0xFFFFF000, 0x2000, 0x00000000, 0x1000},  // the counter has wrapped, the deadline not yet passed
      {0xFFFFF000, 0x2000, 0x00001000, 0},
      {0xFFFFF000, 0x2000, 0x00001001, -1},
      {0xFFFFFFFF, 3000, 0xFFFFFFFF, 3000},
      {0xFFFFFFFF, 3000, 2999, 0},
  };
  for (const auto& p : pripady)
    EXPECT_EQ(ZbyvaDoKonce(KonecCekani(p.start, p.ms), p.ted), p.zbyva)
        << std::hex << p.start << " " << p.ms << " " << p.ted;
}

// A tick counter that the waits move forward: a message every interval ms, processing costs naklady ms.
struct SimulovanySystem {
  std::uint32_t ted = 0;
  std::uint32_t interval = 700, naklady = 250;
  std::vector<std::uint32_t> limity;

  SystemCekani Rozhrani() {
    return {
        .tik = [this] { return ted; },
        .cekej =
            [this](std::uint32_t limit) {
              limity.push_back(limit);
              if (limit < interval) {
                ted += limit;
                return CekaniVyprselo;
              }
              ted += interval;
              return ZpravaPrisla;
            },
        .zpracuj_zpravy =
            [this] {
              ted += naklady;
              return true;
            },
    };
  }
};

TEST(Cekej, SkonciPoUplynutiDobyIPresPreteceniCitace) {
  for (std::uint32_t start : {0u, 1000u, 0x7FFFFFFFu, 0xFFFFFFFFu - 1000, 0xFFFFFFFFu}) {
    for (std::uint32_t naklady : {0u, 250u}) {
      SimulovanySystem system;
      system.ted = start;
      system.naklady = naklady;
      EXPECT_EQ(CekejSmyckou(3000, ZpravaPrisla, system.Rozhrani()), CekaniVyprselo);
      const std::uint32_t trvalo = system.ted - start;
      EXPECT_GE(trvalo, 3000u) << std::hex << start;
      EXPECT_LT(trvalo, 3000u + system.interval + naklady) << std::hex << start;
      for (std::uint32_t limit : system.limity) EXPECT_LE(limit, 3000u) << std::hex << start;
    }
  }
}

TEST(Cekej, VysledekSystemovehoCekani) {
  const struct {
    std::uint32_t ms;
    std::vector<std::uint32_t> vysledky;  // what the system wait answers, in turn
    bool konci_program;
    std::uint32_t vysledek;
    std::vector<std::uint32_t> limity;
  } pripady[] = {
      {CekejBezLimitu, {1, 1, 0}, false, 0, {CekejBezLimitu, CekejBezLimitu, CekejBezLimitu}},
      {500, {1, 0xFFFFFFFF}, false, 0xFFFFFFFF, {500, 500}},  // a failed wait ends it
      {500, {1, 0}, false, 0, {500, 500}},                    // a handle was signalled
      {500, {1, 1}, true, CekaniVyprselo, {500}},             // the program is quitting
      {0, {CekaniVyprselo}, false, CekaniVyprselo, {0}},
  };
  for (const auto& p : pripady) {
    std::vector<std::uint32_t> limity;
    std::size_t krok = 0;
    const SystemCekani system{
        .tik = [] { return 0xFFFFFF00u; },
        .cekej =
            [&](std::uint32_t limit) {
              limity.push_back(limit);
              return p.vysledky.at(krok++);
            },
        .zpracuj_zpravy = [&] { return !p.konci_program; },
    };
    EXPECT_EQ(CekejSmyckou(p.ms, 1, system), p.vysledek) << p.ms;
    EXPECT_EQ(limity, p.limity) << p.ms;
  }
}

}  // namespace
