#include "platform/cekej.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The counter wraps after about 49.7 days; a wait begun just before must end on time, not at once.
TEST(Cekej, ZbyvajiciCasPresPreteceniCitace) {
  const struct {
    std::uint32_t start, ms, ted;
    std::int32_t zbyva;
  } pripady[] = {
      {0xFFFFF000, 0x2000, 0xFFFFFFFF, 0x1001},
      {0xFFFFF000, 0x2000, 0x00000000, 0x1000},
      {0xFFFFF000, 0x2000, 0x00001000, 0},
      {0xFFFFF000, 0x2000, 0x00001001, -1},
  };
  for (const auto& p : pripady)
    EXPECT_EQ(ZbyvaDoKonce(KonecCekani(p.start, p.ms), p.ted), p.zbyva) << std::hex << p.start << " " << p.ted;
}

// The counter moves 200 ms between readings, across its wrap; the message-arrived result is 1 here.
TEST(Cekej, VysledekSystemovehoCekani) {
  const struct {
    std::uint32_t ms;
    std::vector<std::uint32_t> vysledky;  // what the system wait answers, in turn
    bool konci_program;
    std::uint32_t vysledek;
    std::vector<std::uint32_t> limity;
  } pripady[] = {
      {500, {1, 1, 1}, false, CekaniVyprselo, {300, 100}},  // messages keep coming until the time is up
      {500, {1, 0}, false, 0, {300, 100}},                  // a handle was signalled
      {500, {1, 1}, true, CekaniVyprselo, {300}},           // the program is quitting
      {CekejBezLimitu, {1, 1, 0}, false, 0, {CekejBezLimitu, CekejBezLimitu, CekejBezLimitu}},
  };
  for (const auto& p : pripady) {
    std::vector<std::uint32_t> limity;
    std::uint32_t tik = 0xFFFFFF00;
    const SystemCekani system{
        .tik = [&] { return std::exchange(tik, tik + 200); },
        .cekej = [&](std::uint32_t limit) { limity.push_back(limit); return p.vysledky.at(limity.size() - 1); },
        .zpracuj_zpravy = [&] { return !p.konci_program; },
    };
    EXPECT_EQ(CekejSmyckou(p.ms, 1, system), p.vysledek) << p.ms;
    EXPECT_EQ(limity, p.limity) << p.ms;
  }
}

}  // namespace
