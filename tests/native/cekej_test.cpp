#include "zaklad.h"

#include "platform/cekej.h"

// The counter moves 200 ms between readings, across its wrap; the message-arrived result is 1 here.
// A row: the time to wait, what the system wait answers in turn, and whether the program quits.
TEST(Cekej, VysledekSystemovehoCekani) {
  const struct {
    std::uint32_t ms;
    std::vector<std::uint32_t> vysledky;
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
        .cekej = [&](std::uint32_t limit) { return limity.push_back(limit), p.vysledky.at(limity.size() - 1); },
        .zpracuj_zpravy = [&] { return !p.konci_program; },
    };
    EXPECT_EQ(CekejSmyckou(p.ms, 1, system), p.vysledek) << p.ms;
    EXPECT_EQ(limity, p.limity) << p.ms;
  }
}
