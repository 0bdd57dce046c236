#include "platform/win32/cinnost_win.h"

#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <string>

#include "platform/sit.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

std::uint64_t Cislo(const FILETIME& cas) {
  return (static_cast<std::uint64_t>(cas.dwHighDateTime) << 32) | cas.dwLowDateTime;
}

// The snapshot's handle, closed however the walk ends.
struct Snimek {
  HANDLE h = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  ~Snimek() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

// Compared as the file system compares names: without regard to case, in every alphabet.
std::optional<bool> CinnostWin::BeziProgram(std::string_view jmeno) {
  const std::wstring hledane = Utf16(jmeno);
  const Snimek snimek;
  PROCESSENTRY32W proces{};
  proces.dwSize = sizeof proces;
  if (hledane.empty() || snimek.h == INVALID_HANDLE_VALUE || !Process32FirstW(snimek.h, &proces)) return std::nullopt;
  do {
    if (CompareStringOrdinal(proces.szExeFile, -1, hledane.c_str(), static_cast<int>(hledane.size()), TRUE) ==
        CSTR_EQUAL) {
      return true;
    }
  } while (Process32NextW(snimek.h, &proces));
  return false;
}

// The kernel's time includes the idle time.
std::optional<CasyProcesoru> CinnostWin::Procesor() {
  FILETIME necinny, jadro, uzivatel;
  if (!GetSystemTimes(&necinny, &jadro, &uzivatel)) return std::nullopt;
  return CasyProcesoru{Cislo(necinny), Cislo(jadro) + Cislo(uzivatel)};
}

std::optional<std::uint64_t> CinnostWin::BajtySite() {
  const Iphlpapi& dll = IphlpapiDll();
  MIB_IF_TABLE2* tabulka = nullptr;
  if (!dll.GetIfTable2 || !dll.FreeMibTable || dll.GetIfTable2(&tabulka) != NO_ERROR) return std::nullopt;
  std::uint64_t bajty = 0;
  for (ULONG i = 0; i < tabulka->NumEntries; ++i) {
    const MIB_IF_ROW2& rozhrani = tabulka->Table[i];
    const auto& priznaky = rozhrani.InterfaceAndOperStatusFlags;
    if (PocitatAdapter(rozhrani.Type, priznaky.FilterInterface, priznaky.HardwareInterface))
      bajty += rozhrani.InOctets + rozhrani.OutOctets;
  }
  dll.FreeMibTable(tabulka);
  return bajty;
}

// XP and Server 2003 have no GetIfTable2: a quiet computer there is refused when it is asked for,
// rather than never coming.
bool CinnostWin::MeriSit() { return IphlpapiDll().GetIfTable2 != nullptr; }

// Both counts wrap together every 49.7 days, so their difference in 32 bits stays right.
std::optional<std::chrono::milliseconds> CinnostWin::BezVstupu() {
  LASTINPUTINFO vstup{sizeof vstup, 0};
  if (!GetLastInputInfo(&vstup)) return std::nullopt;
  return std::chrono::milliseconds(static_cast<DWORD>(GetTickCount() - vstup.dwTime));
}
