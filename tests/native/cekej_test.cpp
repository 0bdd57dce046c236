#include "zaklad.h"

#include "platform/cekej.h"

// The counter moves 200 ms between readings, across its wrap; the message-arrived result is 1 here.
// A row: the time to wait, what the system wait answers in turn, and whether the program quits.
TEST(Cekej, VysledekSystemovehoCekani) {
  using Cisla = std::vector<std::uint32_t>;
  const std::tuple<std::uint32_t, Cisla, bool, std::uint32_t, Cisla> pripady[] = {
      {500, {1, 1, 1}, false, CekaniVyprselo, {300, 100}},  // messages keep coming until the time is up
      {500, {1, 0}, false, 0, {300, 100}},                  // a handle was signalled
      {500, {1, 1}, true, CekaniVyprselo, {300}},           // the program is quitting
      {CekejBezLimitu, {1, 1, 0}, false, 0, {CekejBezLimitu, CekejBezLimitu, CekejBezLimitu}},
  };
  for (const auto& [ms, vysledky, konci_program, vysledek, cekano] : pripady) {
    std::vector<std::uint32_t> limity;
    std::uint32_t tik = 0xFFFFFF00;
    const SystemCekani system{
        .tik = [&] { return std::exchange(tik, tik + 200); },
        .cekej = [&, &vysledky = vysledky](
                     std::uint32_t limit) { return limity.push_back(limit), vysledky.at(limity.size() - 1); },
        .zpracuj_zpravy = [konci_program = konci_program] { return !konci_program; },
    };
    EXPECT_EQ(CekejSmyckou(ms, 1, system), vysledek) << ms;
    EXPECT_EQ(limity, cekano) << ms;
  }
}
