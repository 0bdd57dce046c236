#include "system/clsosgv.h"

#include <windows.h>

#include <cstring>

#include "platform/dialogy.h"
#include "platform/port.h"
#include "platform/win32/text_win.h"

namespace {

// A key of the local machine, opened for querying only and closed with this object.
class KlicStroje {
 public:
  explicit KlicStroje(const char* cesta) {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, cesta, 0, KEY_QUERY_VALUE, &klic_) != ERROR_SUCCESS) klic_ = nullptr;
  }
  ~KlicStroje() {
    if (klic_ != nullptr) RegCloseKey(klic_);
  }
  KlicStroje(const KlicStroje&) = delete;
  KlicStroje& operator=(const KlicStroje&) = delete;
  HKEY klic() const { return klic_; }

 private:
  HKEY klic_ = nullptr;
};

template <std::size_t N>
std::string TextDoNuly(const char (&text)[N]) {
  return std::string(text, strnlen(text, N));
}

template <class Zaznam>
void CtiHlavu(const Zaznam& v, ZaznamVerze& z) {
  z.MajorVersion = v.dwMajorVersion;
  z.MinorVersion = v.dwMinorVersion;
  z.BuildNumber = v.dwBuildNumber;
  z.PlatformId = v.dwPlatformId;
  z.CSDVersion = TextDoNuly(v.szCSDVersion);
}

class DotazyWin final : public DotazySystemu {
 public:
  bool MaFunkci(std::string_view knihovna, std::string_view funkce) override {
    return clsosgv::gvGetExistFunctionInDLL(knihovna, funkce);
  }

  // Old NT 4.0 releases know only the short record and refuse the extended one.
  bool VerzeEx(ZaznamVerze& z) override {
    OSVERSIONINFOEXA ex = {};
    ex.dwOSVersionInfoSize = sizeof ex;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex))) {
      CtiHlavu(ex, z);
      z.ServicePackMajor = ex.wServicePackMajor;
      z.ServicePackMinor = ex.wServicePackMinor;
      z.SuiteMask = ex.wSuiteMask;
      z.ProductType = ex.wProductType;
      z.Rozsireny = true;
      return true;
    }
    OSVERSIONINFOA kratky = {};
    kratky.dwOSVersionInfoSize = sizeof kratky;
    const bool uspech = GetVersionExA(&kratky);
    CtiHlavu(kratky, z);
    return uspech;
  }

  std::uint32_t Verze() override { return GetVersion(); }

  ZaznamProcesoru Procesor() override {
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return {info.wProcessorArchitecture, info.dwNumberOfProcessors, info.dwProcessorType};
  }

  std::string ProductType() override {
    const KlicStroje klic("SYSTEM\\CurrentControlSet\\Control\\ProductOptions");
    if (klic.klic() == nullptr) return {};
    char hodnota[80] = {};
    DWORD delka = sizeof hodnota;
    if (RegQueryValueExA(klic.klic(), "ProductType", nullptr, nullptr, reinterpret_cast<BYTE*>(hodnota),
                         &delka) != ERROR_SUCCESS) {
      return {};
    }
    return TextDoNuly(hodnota);
  }

  ZaznamNovehoWindows NovyWindows() override {
    ZaznamNovehoWindows z;
    using Funkce = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const auto rtl = reinterpret_cast<Funkce>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOEXW v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (!rtl || rtl(&v) != 0) return z;
    z.MajorVersion = v.dwMajorVersion;
    z.BuildNumber = v.dwBuildNumber;
    z.ProductType = v.wProductType;
    const KlicStroje klic("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    const auto hodnota = [&](const char* nazev) -> std::string {
      char text[128] = {};
      DWORD delka = sizeof text - 1;
      if (klic.klic() == nullptr || RegQueryValueExA(klic.klic(), nazev, nullptr, nullptr,
                                                     reinterpret_cast<BYTE*>(text), &delka) != ERROR_SUCCESS) {
        return {};
      }
      return TextDoNuly(text);
    };
    z.ProductName = hodnota("ProductName");
    z.DisplayVersion = hodnota("DisplayVersion");
    z.CurrentBuild = hodnota("CurrentBuild");
    return z;
  }

  bool HotfixQ246009() override {
    return KlicStroje("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009").klic() != nullptr;
  }
};

DotazySystemu& SkutecnySystem() {
  static DotazyWin system;
  return system;
}

}  // namespace

clsosgv::clsosgv() : clsosgv(SkutecnySystem()) {}

// A library the program already has stays loaded; one loaded only for the probe is freed again.
// A missing function is worth a message box (the caller goes on without it), a missing library is not.
bool clsosgv::gvGetExistFunctionInDLL(std::string_view gvLibray, std::string_view gvProcedure) {
  const std::wstring knihovna = Utf16(gvLibray);
  HMODULE modul = GetModuleHandleW(knihovna.c_str());
  const bool nacetli = modul == nullptr;
  if (nacetli) modul = LoadLibraryW(knihovna.c_str());
  if (modul == nullptr) return false;

  const std::string funkce(gvProcedure);
  const bool existuje = GetProcAddress(modul, funkce.c_str()) != nullptr;
  if (!existuje) {
    const DWORD chyba = GetLastError();
    port<Dialogy>().Zprava(funkce + "\r\n" + gvStringError(chyba), funkce, styl::Ok | styl::Vykricnik);
  }
  if (nacetli) FreeLibrary(modul);
  return existuje;
}

std::string clsosgv::gvStringError(std::uint32_t seCode) { return TextChyby(seCode != 0 ? seCode : GetLastError()); }
