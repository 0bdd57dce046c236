#include "platform/cekej.h"

// The tick counter wraps after about 49.7 days; unsigned arithmetic wraps with it.
std::uint32_t KonecCekani(std::uint32_t start, std::uint32_t ms) { return start + ms; }

// Read as signed, the difference stays right across the wrap as long as the wait is shorter than
// about 24.8 days; a deadline that has passed gives a negative number.
std::int32_t ZbyvaDoKonce(std::uint32_t konec, std::uint32_t ted) { return static_cast<std::int32_t>(konec - ted); }

std::uint32_t CekejSmyckou(std::uint32_t ms, std::uint32_t zprava_prisla, const SystemCekani& system) {
  const bool s_limitem = ms != CekejBezLimitu;
  const std::uint32_t konec = s_limitem ? KonecCekani(system.tik(), ms) : 0;
  for (;;) {
    std::uint32_t limit = CekejBezLimitu;
    if (s_limitem) {
      const std::int32_t zbyva = ZbyvaDoKonce(konec, system.tik());
      if (zbyva < 0) return CekaniVyprselo;
      limit = static_cast<std::uint32_t>(zbyva);
    }
    const std::uint32_t vysledek = system.cekej(limit);
    // A quit request ends the wait early: the program is on its way out and must reach its own loop.
    if (!system.zpracuj_zpravy()) return CekaniVyprselo;
    if (vysledek != zprava_prisla) return vysledek;
  }
}
