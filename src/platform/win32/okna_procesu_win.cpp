#include "platform/win32/okna_procesu_win.h"

#include <windows.h>

#include "platform/win32/cekej_win.h"
#include "platform/win32/text_win.h"

namespace {

HWND Hwnd(HandleOkna okno) { return reinterpret_cast<HWND>(okno); }

struct Prochazka {
  OknaProcesu::ZpetneVolani volani;
  std::intptr_t navic;
};

BOOL CALLBACK NavstivOkno(HWND okno, LPARAM prochazka) {
  const auto& p = *reinterpret_cast<const Prochazka*>(prochazka);
  return p.volani(reinterpret_cast<HandleOkna>(okno), p.navic) != 0;
}

// Standard rights and the right to terminate.
constexpr DWORD PravaUkonceni = 0x000F0001;

}  // namespace

bool OknaProcesuWin::ZacniZavirani() { return !nanecisto_.Zapis("ZavriProgramy"); }

void OknaProcesuWin::ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) {
  Prochazka prochazka{volani, navic};
  EnumWindows(NavstivOkno, reinterpret_cast<LPARAM>(&prochazka));
}

std::uint32_t OknaProcesuWin::Styl(HandleOkna okno) {
  return static_cast<std::uint32_t>(GetWindowLongPtrW(Hwnd(okno), GWL_STYLE));
}

std::uint32_t OknaProcesuWin::RozsirenyStyl(HandleOkna okno) {
  return static_cast<std::uint32_t>(GetWindowLongPtrW(Hwnd(okno), GWL_EXSTYLE));
}

std::string OknaProcesuWin::Trida(HandleOkna okno) {
  wchar_t trida[255];
  const int delka = GetClassNameW(Hwnd(okno), trida, 255);
  return delka > 0 ? Utf8(std::wstring_view(trida, delka)) : std::string();
}

std::uint32_t OknaProcesuWin::Proces(HandleOkna okno) {
  DWORD proces = 0;
  GetWindowThreadProcessId(Hwnd(okno), &proces);
  return proces;
}

std::uint32_t OknaProcesuWin::VlastniProces() { return GetCurrentProcessId(); }

std::uint32_t OknaProcesuWin::ProcesShellu() {
  DWORD proces = 0;
  if (HWND shell = GetShellWindow()) GetWindowThreadProcessId(shell, &proces);
  return proces;
}

std::string OknaProcesuWin::JmenoProcesu(std::uint32_t proces) {
  HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, proces);
  if (h == nullptr) return {};
  wchar_t cesta[MAX_PATH];
  DWORD delka = MAX_PATH;
  const bool precteno = QueryFullProcessImageNameW(h, 0, cesta, &delka) != 0;
  CloseHandle(h);
  if (!precteno) return {};
  const std::wstring_view cela(cesta, delka);
  return Utf8(cela.substr(cela.find_last_of(L"\\/") + 1));
}

void OknaProcesuWin::Posli(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l) {
  PostMessageW(Hwnd(okno), zprava, w, l);
}

bool OknaProcesuWin::PosliACekej(HandleOkna okno, unsigned zprava, std::uintptr_t w, std::intptr_t l,
                                 std::uint32_t limit_ms, std::uintptr_t& odpoved) {
  DWORD_PTR vysledek = 0;
  const bool odpovedelo =
      SendMessageTimeoutW(Hwnd(okno), zprava, w, l, SMTO_ABORTIFHUNG, limit_ms, &vysledek) != 0;
  odpoved = vysledek;
  return odpovedelo;
}

// The open counts as successful only when it left no error behind; the last error is cleared first
// because a successful call need not clear it.
bool OknaProcesuWin::UkonciProces(std::uint32_t proces) {
  SetLastError(0);
  HANDLE h = OpenProcess(PravaUkonceni, FALSE, proces);
  const bool otevreno = h != nullptr && GetLastError() == 0;
  if (otevreno) TerminateProcess(h, 0);
  if (h != nullptr) CloseHandle(h);
  return otevreno;
}

void OknaProcesuWin::Cekej(std::uint32_t ms) { ::Cekej(ms); }
