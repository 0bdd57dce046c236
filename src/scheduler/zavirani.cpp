#include "scheduler/zavirani.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/stav.h"
#include "platform/port.h"

namespace {

constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x80;

// The shell's and the browser's own windows: closing them would take the desktop down with the programs.
constexpr std::string_view UsetreneTridy[] = {"IEFrame",       "ExploreWClass", "IEDummyFrame",
                                              "Shell_TrayWnd", "Progman",       "CabinetWClass",
                                              "BaseBar",       "WinPopup"};

// How long one window may keep the session-end question before it is passed over.
constexpr std::uint32_t LimitDotazu = 5000;

OknaProcesu& okna() { return port<OknaProcesu>(); }

// The shell runs folder windows in processes of its own as well ("launch folder windows in a separate
// process"); ending one would end a copy it is making.
bool JeShell(std::uint32_t proces) {
  if (proces == okna().ProcesShellu()) return true;
  constexpr std::string_view shell = "explorer.exe";
  const std::string jmeno = okna().JmenoProcesu(proces);
  return std::ranges::equal(jmeno, shell,
                            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool SplnujeStyl(HandleOkna okno, std::int32_t rezim) {
  const std::uint32_t styl = okna().Styl(okno);
  const std::uint32_t rozsireny = okna().RozsirenyStyl(okno);
  const bool viditelne = (styl & WS_VISIBLE) != 0;
  const bool ovladatelne = (styl & WS_DISABLED) == 0 && (rozsireny & WS_EX_TOOLWINDOW) == 0;
  const bool vyskakovaci = (styl & WS_POPUP) != 0;
  switch (rezim) {
    case test_okna::Viditelne:
      return viditelne;
    case test_okna::Hlavni:
      return viditelne && ovladatelne && !vyskakovaci;
    case test_okna::Vyskakovaci:
      return viditelne && ovladatelne && vyskakovaci;
    default:
      return true;
  }
}

}  // namespace

// Whether a pass may touch the window: its style fits the mode, it is not one of the shell's, and it
// is not ours. The shell is spared by its process too: its windows are more than any list of classes
// (a second monitor's taskbar, the desktop's WorkerW), and ending it would end a copy it is making.
// True is -1.
std::int16_t TestOkna(HandleOkna okno, std::int32_t rezim) {
  if (!SplnujeStyl(okno, rezim)) return 0;
  if (std::ranges::find(UsetreneTridy, TridaOkna(okno)) != std::end(UsetreneTridy)) return 0;
  const std::uint32_t proces = okna().Proces(okno);
  if (proces == okna().VlastniProces() || JeShell(proces)) return 0;
  return -1;
}

std::string TridaOkna(HandleOkna okno) { return okna().Trida(okno); }

int ZavriVyskakovaci(HandleOkna okno, std::intptr_t) {
  if (TestOkna(okno, test_okna::Vyskakovaci)) okna().Posli(okno, zprava::Zavrit, 0, 0);
  return 1;
}

int ZavriHlavni(HandleOkna okno, std::intptr_t) {
  if (TestOkna(okno, test_okna::Hlavni)) okna().Posli(okno, zprava::Zavrit, 0, 0);
  return 1;
}

// The window is told the outcome of its own answer: the session ends if it agreed, not if it refused.
// A window that did not answer at all is told nothing.
int UkonciRelaci(HandleOkna okno, std::intptr_t) {
  if (!TestOkna(okno, test_okna::Hlavni)) return 1;
  std::uintptr_t odpoved = 0;
  if (okna().PosliACekej(okno, zprava::DotazKonceRelace, 0, zprava::Odhlaseni, LimitDotazu, odpoved))
    okna().Posli(okno, zprava::KonecRelace, odpoved, zprava::Odhlaseni);
  return 1;
}

// A process with several visible windows is terminated once. It is listed before it is opened, so one
// that cannot be opened is not tried again for its next window.
int UkonciProces(HandleOkna okno, std::intptr_t) {
  if (!TestOkna(okno, test_okna::Viditelne)) return 1;
  const std::uint32_t proces = okna().Proces(okno);
  auto& seznam = stav.UkonceneProcesy;
  const auto platne = seznam.begin() + std::min<std::size_t>(stav.UkoncenychPocet, seznam.size());
  if (std::find(seznam.begin(), platne, proces) != platne) return 1;
  ++stav.UkoncenychPocet;
  seznam.resize(stav.UkoncenychPocet);
  seznam.back() = proces;
  okna().UkonciProces(proces);
  return 1;
}

// Five passes over all windows, each stronger than the one before, with a wait after each so that
// the programs have time to react while our own windows stay responsive. A cancel meanwhile ends them.
void ZavriProgramy(const ProdlevyZavirani& prodlevy) {
  if (!okna().ZacniZavirani()) return;
  stav.UkoncenychPocet = 0;
  stav.UkonceneProcesy.clear();
  const OknaProcesu::ZpetneVolani pruchody[] = {ZavriVyskakovaci, ZavriHlavni, UkonciRelaci,
                                                ZavriVyskakovaci, UkonciProces};
  for (std::size_t i = 0; i < prodlevy.size() && stav.AkceZrusena != 1 && stav.SpanekBehemAkce != 1; ++i) {
    okna().ProjdiOkna(pruchody[i], 0);
    okna().Cekej(prodlevy[i]);
  }
}
