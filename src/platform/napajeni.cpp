#include "platform/napajeni.h"

// SYSTEM_POWER_CAPABILITIES begins with one-byte BOOLEANs: PowerButtonPresent, SleepButtonPresent,
// LidPresent, SystemS1 (3), SystemS2 (4), SystemS3 (5), SystemS4 (6), SystemS5 (7), HiberFilePresent (8),
// ... FastSystemS4 (17), Hiberboot (18),
// WakeAlarmPresent (19), AoAc (20). Older headers call the last three bytes spare2, so AoAc, the
// Modern Standby flag, is read by its place.
SchopnostiSpanku SchopnostiZBajtu(std::span<const std::uint8_t> bajty) {
  constexpr std::size_t S1 = 3, S3 = 5, S4 = 6, HiberFilePresent = 8, AoAc = 20;
  if (bajty.size() <= AoAc) return {.spanek = false, .modernStandby = false, .hibernace = false};
  return {.spanek = bajty[S1] != 0 || bajty[S1 + 1] != 0 || bajty[S3] != 0,
          .modernStandby = bajty[AoAc] != 0,
          .hibernace = bajty[S4] != 0 && bajty[HiberFilePresent] != 0};
}
