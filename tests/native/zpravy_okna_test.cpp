#include "falesny_svet.h"

// The window answers its own timer and icon messages only; a change of the clock stores the armed schedule
// again.
TEST(ZpravyOkna, JenSveZpravy) {
  // Somebody else's timer, the main window opened and brought to the front (also by Enter on the icon),
  // the right button and a double click on the icon, the clock changed.
  // clang-format off
  const std::tuple<unsigned, std::uintptr_t, std::intptr_t, std::uint8_t, const char*> pripady[] = {
      {0x113, 1225, 0, 0, "tip Vypnutí za 2 minuty."}, {0x113, 7, 0, 0, ""},
      {1125, 0, 0x202, 0, "hlavni okno"}, {1125, 0, 0x202, 1, "hlavni okno"}, {1125, 0, 0x401, 0, "hlavni okno"},
      {1125, 0, 0x205, 0, ""}, {1125, 0, 0x203, 0, ""}, {0x1E, 0, 0, 0, "ulozeno"}};
  // clang-format on
  for (const auto& [zprava, w, l, hlavni, co] : pripady) {
    FalesnySvet svet;
    stav.AkceNazev = "Vypnutí";
    stav.CilovyCas = svet.hodiny.ted + minutes{2};
    stav.PosledniMinuta = 59;
    stav.Parametr = "/vypnuti;t/10:02/";
    stav.HlavniOtevreno = hlavni;
    ZpracujZpravuOkna(zprava, w, l);
    EXPECT_EQ(Spoj(svet.log) + (svet.ulozeny_parametr.empty() ? "" : "ulozeno"), co) << zprava << " " << w << " " << l;
  }
}
