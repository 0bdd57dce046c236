#pragma once

#include "platform/okna_procesu.h"
#include "platform/win32/nanecisto_win.h"

class OknaProcesuWin : public OknaProcesu {
 public:
  bool ZacniZavirani() override;
  void ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) override;
  std::uint32_t Styl(HandleOkna okno) override;
  std::uint32_t RozsirenyStyl(HandleOkna okno) override;
  std::string Trida(HandleOkna okno) override;
  std::uint32_t Proces(HandleOkna okno) override;
  std::uint32_t VlastniProces() override;
  std::uint32_t ProcesShellu() override;
  std::string JmenoProcesu(std::uint32_t proces) override;
  void Posli(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l) override;
  bool PosliACekej(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l,
                   std::uint32_t limit_ms, std::uintptr_t& odpoved) override;
  bool UkonciProces(std::uint32_t proces) override;
  void Cekej(std::uint32_t ms) override;

 private:
  Nanecisto nanecisto_;
};
