#include "scheduler/zpravy_okna.h"

#include <gtest/gtest.h>

#include "falesny_svet.h"

TEST(ZpravyOkna, JenSveZpravy) {
  const struct {
    unsigned zprava;
    std::uintptr_t w;
    std::intptr_t l;
    int hlavni_otevreno;
    std::vector<std::string> log;
  } pripady[] = {
      {0x113, 1225, 0, 0, {"tip Vypnutí za 2 minuty."}},
      {0x113, 7, 0, 0, {}},  // somebody else's timer
      {1125, 0, 0x202, 0, {"hlavni okno"}},
      {1125, 0, 0x202, 1, {"hlavni okno"}},  // open already: to the front
      {1125, 0, 0x401, 0, {"hlavni okno"}},  // Enter on the icon
      {1125, 0, 0x205, 0, {}},  // the right button does nothing
      {1125, 0, 0x203, 0, {}},  // nor a double click
      {0x1E, 0, 0, 0, {}},
  };
  for (const auto& p : pripady) {
    FalesnySvet svet;
    stav.Neaktivni = 0;
    stav.AkceNazev = "Vypnutí";
    stav.CilovyCas = svet.hodiny.ted + std::chrono::minutes{2};
    stav.PosledniMinuta = 59;
    stav.Parametr = "/vypnuti;t/10:02/";
    stav.HlavniOtevreno = static_cast<std::uint8_t>(p.hlavni_otevreno);
    ZpracujZpravuOkna(p.zprava, p.w, p.l);
    EXPECT_EQ(svet.Log(), p.log) << p.zprava << " " << p.w << " " << p.l;
    // A change of the clock stores the armed schedule again.
    EXPECT_EQ(!svet.ulozeny_parametr.empty(), p.zprava == 0x1E);
  }
}
