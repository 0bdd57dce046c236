#include "falesny_svet.h"

constexpr std::uint32_t Viditelne = 0x10000000, Vyskakovaci = 0x80000000, Zakazane = 0x08000000, Nastroj = 0x80;
constexpr std::uint32_t MujProces = 99, Neotevritelny = 12, Shell = 30, DalsiShell = 31;  // a folder window's own
constexpr int Neodpovi = -1;

struct FalesneOkno {
  std::uint32_t styl = 0, rozsireny = 0;
  std::string trida;
  std::uint32_t proces = 1;
  int odpoved = 1;  // to the session-end question
};

// A desktop of scripted windows (handle = index + 1) that writes down what is done to them.
class FalesnaOkna final : public OknaProcesu {
 public:
  std::vector<FalesneOkno> okna;
  std::vector<std::string> zaznam;
  bool nanecisto = false;
  Pripojeni<OknaProcesu> pripojeni{*this};

  bool ZacniZavirani() override { return !nanecisto; }
  void ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) override {
    for (HandleOkna h = 1; h <= okna.size() && volani(h, navic);) ++h;
  }
  std::uint32_t Styl(HandleOkna h) override { return okna[h - 1].styl; }
  std::uint32_t RozsirenyStyl(HandleOkna h) override { return okna[h - 1].rozsireny; }
  std::string Trida(HandleOkna h) override { return okna[h - 1].trida; }
  std::uint32_t Proces(HandleOkna h) override { return okna[h - 1].proces; }
  std::uint32_t VlastniProces() override { return MujProces; }
  std::uint32_t ProcesShellu() override { return Shell; }
  std::string JmenoProcesu(std::uint32_t p) override { return p == DalsiShell ? "EXPLORER.EXE" : "editor.exe"; }
  void Posli(HandleOkna h, unsigned zprava, std::uintptr_t w, std::intptr_t l) override {
    Zapis("post", h, zprava, w, l);
  }
  bool PosliACekej(HandleOkna h, unsigned zprava, std::uintptr_t w, std::intptr_t l, std::uint32_t limit_ms,
                   std::uintptr_t& odpoved) override {
    Zapis("send", h, zprava, w, l);
    zaznam.back() += " " + std::to_string(limit_ms);
    odpoved = okna[h - 1].odpoved == Neodpovi ? 1 : okna[h - 1].odpoved;
    return okna[h - 1].odpoved != Neodpovi;
  }
  bool UkonciProces(std::uint32_t proces) override {
    return zaznam.push_back("ukonci " + std::to_string(proces)), proces != Neotevritelny;
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

// Run twice: each run starts with an empty list of terminated processes; then as a dry run.
TEST(Zavirani, PetPruchoduSeStupnujiciSilou) {
  FalesnaOkna okna;
  okna.okna = {
      {Viditelne | Vyskakovaci, 0, "Dialog", 10},                        // 1: popup
      {Viditelne, 0, "Editor", 10},                                      // 2: main window, same process
      {Viditelne, Nastroj, "Paleta", 11},                                // 3: tool window
      {Viditelne | Zakazane, 0, "Editor", Neotevritelny},                // 4: disabled main window
      {0, 0, "Skryte", 13},                                              // 5: hidden
      {Viditelne, 0, "CabinetWClass", 14},                               // 6: a folder window of the shell
      {Viditelne, 0, "Editor", MujProces},                               // 7: our own
      {Viditelne | Vyskakovaci | Zakazane, 0, "Dialog", Neotevritelny},  // 8: disabled popup, tried once
      {Viditelne, 0, "Editor", 15, 0},                                   // 9: refuses to end the session
      {Viditelne, 0, "Editor", 16, Neodpovi},                            // 10: does not answer, told nothing
  };
  const std::string ocekavano =
      "post 1 0x10 0 0x0, cekej 3000, "                                          // popups
      "post 2 0x10 0 0x0, post 9 0x10 0 0x0, post 10 0x10 0 0x0, cekej 10000, "  // main windows
      "send 2 0x11 0 0x80000000 5000, post 2 0x16 1 0x80000000, "                // the session's end
      "send 9 0x11 0 0x80000000 5000, post 9 0x16 0 0x80000000, send 10 0x11 0 0x80000000 5000, cekej 9000, "
      "post 1 0x10 0 0x0, cekej 3000, "                                     // popups again
      "ukonci 10, ukonci 11, ukonci 12, ukonci 15, ukonci 16, cekej 5000";  // every visible one
  for (int beh = 0; beh < 3; ++beh) {
    okna.nanecisto = beh == 2;  // a dry run leaves every program alone
    okna.zaznam.clear();
    ZavriProgramy();
    EXPECT_EQ(Spoj(okna.zaznam), beh < 2 ? ocekavano : "") << beh;
  }

  // The shell's windows are spared in every pass, and so is a second process of the shell.
  okna.nanecisto = false;
  for (const char* trida : {"WorkerW", "DirectUIHWND"}) {
    const std::uint32_t proces = *trida == 'W' ? Shell : DalsiShell;
    okna.okna = {{Viditelne, 0, trida, proces}, {Viditelne | Vyskakovaci, 0, trida, proces}};
    okna.zaznam.clear();
    ZavriProgramy();
    EXPECT_EQ(Spoj(okna.zaznam), "cekej 3000, cekej 10000, cekej 9000, cekej 3000, cekej 5000") << trida;
  }
}
