#include "sliby.h"

#include "zaklad.h"

#include <cstdio>
#include <cstdlib>
#include <random>

// Random schedules on random days, each sequence from its seed: a failure names the seed and tells its
// story. The fixed seeds come first: each finds, in today's driver, a fault that came back once (or one
// the checker found itself) and that the random ones below find late or not at all.
TEST(Sliby, NahodneDnyDrziSlovo) {
  constexpr unsigned Pevna[] = {
      373,   // 24:00 counted on the day after; a warning a minute late; a password checked by its first letter
      476,   // a countdown of seconds; the action at 59 s; a warning never shown; one without its cancel
      681,   // a sleep over the countdown's end forgiven by 8 or 20 s; a typed line let past a password
      787,   // a cancel of an action at once not stopping it while programs close
      921,   // the password not asked while the schedule's own action closes programs
      1035,  // sleep in the countdown: lateness counted from the countdown's end
      1466,  // a day's watch ending on a day not allowed
      2844,  // ";zs" let a cancel through while programs close
      4433,  // an editor opened before a guarded schedule came stopped it without the password
      7252,  // a one-off sleep carried out stayed in the store
      9201,  // a cancelled schedule stayed in the store
  };
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VYPNUTI_POMALU
#endif
#endif
#ifdef VYPNUTI_POMALU
  constexpr unsigned Vychozi = 120;  // five times slower under the sanitizers: the same half minute
#else
  constexpr unsigned Vychozi = 300;
#endif
  // VYPNUTI_SLIBY sets another count for a long run by hand.
  const char* pocet = std::getenv("VYPNUTI_SLIBY");
  const unsigned Nahodnych = pocet ? static_cast<unsigned>(std::strtoul(pocet, nullptr, 10)) : Vychozi;
  long udalosti = 0;
  auto over = [&](unsigned seminko) {
    std::mt19937 g(seminko);
    std::vector<std::uint8_t> bajty(600);
    for (auto& b : bajty) b = static_cast<std::uint8_t>(g());
    const auto poruseni = ProverSliby(bajty, udalosti);
    EXPECT_FALSE(poruseni) << "seed " << seminko << ": " << *poruseni;
    return !poruseni;
  };
  for (const unsigned s : Pevna) over(s);
  for (unsigned s = 1; s <= Nahodnych; ++s) {
    if (!over(s)) break;
  }
  RecordProperty("udalosti", static_cast<int>(udalosti));
  std::printf("%u sequences, %ld events\n", Nahodnych, udalosti);
}
