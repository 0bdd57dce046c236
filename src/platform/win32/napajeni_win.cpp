#include "platform/win32/napajeni_win.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstddef>

#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

// The system's sentence for the error without its line break, or its number when it has none.
std::string Duvod(DWORD chyba) {
  std::string text = TextChyby(chyba);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text.empty() ? "chyba " + std::to_string(chyba) + "." : text;
}

}  // namespace

Selhani NapajeniWin::OdpovedNanecisto() const {
  if (nanecisto_.Chyba() == 0) return std::nullopt;
  return Duvod(nanecisto_.Chyba());
}

void NapajeniWin::PovolVypnuti() {
  LUID identifikator;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &identifikator)) return;
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privilegia = {};
  privilegia.PrivilegeCount = 1;
  privilegia.Privileges[0].Luid = identifikator;
  privilegia.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  AdjustTokenPrivileges(token, FALSE, &privilegia, sizeof privilegia, nullptr, nullptr);
  CloseHandle(token);
}

// The system's own words for why a call was refused (no privilege on a locked-down computer, a shut-down
// aborted, a sleep the drivers refused).
Selhani NapajeniWin::ExitWindowsEx(unsigned priznaky, unsigned duvod) {
  if (nanecisto_.Zapis("ExitWindowsEx " + Hex(priznaky) + " " + Hex(duvod))) return OdpovedNanecisto();
  if (::ExitWindowsEx(priznaky, duvod)) return std::nullopt;
  return Duvod(GetLastError());
}

Selhani NapajeniWin::SetSuspendState(bool hibernace, bool vynutit, bool bez_probuzeni) {
  if (nanecisto_.Zapis("SetSuspendState " + std::to_string(hibernace) + " " + std::to_string(vynutit) + " " +
                       std::to_string(bez_probuzeni))) {
    return OdpovedNanecisto();
  }
  const auto uspi = PowrprofDll().SetSuspendState;
  if (!uspi) return Duvod(ERROR_PROC_NOT_FOUND);
  if (uspi(hibernace, vynutit, bez_probuzeni)) return std::nullopt;
  return Duvod(GetLastError());
}

Selhani NapajeniWin::LockWorkStation() {
  if (nanecisto_.Zapis("LockWorkStation")) return OdpovedNanecisto();
  if (::LockWorkStation()) return std::nullopt;
  return Duvod(GetLastError());
}

// The bytes read by place (platform/napajeni.cpp) lie where these headers put their neighbours.
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, SystemS1) == 3 && offsetof(SYSTEM_POWER_CAPABILITIES, SystemS3) == 5);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, SystemS4) == 6 &&
              offsetof(SYSTEM_POWER_CAPABILITIES, HiberFilePresent) == 8);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, DiskSpinDown) == 21, "AoAc is the byte before DiskSpinDown");

SchopnostiSpanku NapajeniWin::Schopnosti() {
  SYSTEM_POWER_CAPABILITIES schopnosti{};
  const auto zjisti = PowrprofDll().CallNtPowerInformation;
  if (!zjisti || zjisti(SystemPowerCapabilities, nullptr, 0, &schopnosti, sizeof schopnosti) != 0) {
    return {.spanek = false, .modernStandby = false, .hibernace = false};
  }
  return SchopnostiZBajtu({reinterpret_cast<const std::uint8_t*>(&schopnosti), sizeof schopnosti});
}

// What the system's own Sleep does on a Modern Standby machine: the display goes off, and with it the
// system enters standby. The request goes through the default handling of a window of our own, so
// that no other program hears it.
void NapajeniWin::VypniObrazovku() {
  if (nanecisto_.Zapis("SC_MONITORPOWER 2")) return;
  HWND okno = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!okno) return;
  DefWindowProcW(okno, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
  DestroyWindow(okno);
}

void NapajeniWin::UkonciProgman() {
  if (nanecisto_.Zapis("TerminateProcess progman")) return;
  HWND okno = FindWindowW(L"progman", L"program manager");
  DWORD proces = 0;
  if (okno == nullptr || GetWindowThreadProcessId(okno, &proces) == 0) return;
  HANDLE handle = OpenProcess(PROCESS_TERMINATE, FALSE, proces);
  if (handle == nullptr) return;
  TerminateProcess(handle, 1);
  CloseHandle(handle);
}

// shutdown.exe can end the session too, so a dry run only writes it down.
bool NapajeniWin::DialogVzdalenychPC() {
  if (nanecisto_.Zapis("shutdown.exe /i")) return true;
  const auto vysledek = ShellExecuteW(nullptr, nullptr, L"shutdown.exe", L"/i", nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(vysledek) > 32;
}
