#pragma once

#include <cstdint>
#include <string>

// A top-level window of any program, as the closing of programs passes it around.
using HandleOkna = std::uintptr_t;

// The messages the closing of programs sends, with the platform's values.
namespace zprava {
inline constexpr unsigned Zavrit = 0x10;            // WM_CLOSE
inline constexpr unsigned DotazKonceRelace = 0x11;  // WM_QUERYENDSESSION
inline constexpr unsigned KonecRelace = 0x16;       // WM_ENDSESSION
inline constexpr std::intptr_t Odhlaseni = 0x80000000;  // ENDSESSION_LOGOFF, their lParam
}  // namespace zprava

// All programs' top-level windows and the processes behind them: what the controlled closing of
// programs reads from them and does to them.
class OknaProcesu {
 public:
  using ZpetneVolani = int (*)(HandleOkna okno, std::intptr_t navic);

  virtual ~OknaProcesu() = default;
  // Asked once before the programs are closed: false in a dry run, which writes the closing down and
  // leaves every program alone.
  virtual bool ZacniZavirani() = 0;
  // Calls volani for each top-level window with navic, while it answers non-zero.
  virtual void ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) = 0;
  virtual std::uint32_t Styl(HandleOkna okno) = 0;
  virtual std::uint32_t RozsirenyStyl(HandleOkna okno) = 0;
  virtual std::string Trida(HandleOkna okno) = 0;
  virtual std::uint32_t Proces(HandleOkna okno) = 0;
  virtual std::uint32_t VlastniProces() = 0;
  // The process of the session's shell (the desktop and taskbar); 0 when there is none.
  virtual std::uint32_t ProcesShellu() = 0;
  // The file name of the process's program ("explorer.exe"); empty when it cannot be read.
  virtual std::string JmenoProcesu(std::uint32_t proces) = 0;
  virtual void Posli(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l) = 0;
  // Sends and waits for the answer at most limit_ms, or not at all for a hung window; false when
  // the window did not answer.
  virtual bool PosliACekej(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l,
                           std::uint32_t limit_ms, std::uintptr_t& odpoved) = 0;
  // Terminates the process with exit code 0; false when it could not be opened.
  virtual bool UkonciProces(std::uint32_t proces) = 0;
  // Waits while the program's own window messages keep flowing.
  virtual void Cekej(std::uint32_t ms) = 0;
};
