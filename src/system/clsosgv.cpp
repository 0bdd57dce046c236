#include "system/clsosgv.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* Neznamy = "unknown";

char Velke(char znak) { return static_cast<char>(std::toupper(static_cast<unsigned char>(znak))); }

// The system's own texts (service packs, product options) come in any case.
bool StejneBezVelikosti(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return Velke(x) == Velke(y); });
}

}  // namespace

// Only what a version function exists for is asked; a system without GetVersionExA has already seen
// the probe's message box by the time GetVersion is tried.
clsosgv::clsosgv(DotazySystemu& system) {
  const bool ex = system.MaFunkci("kernel32.dll", "GetVersionExA");
  if (!ex && !system.MaFunkci("kernel32.dll", "GetVersion")) {
    WinPlatform_ = platforma::BezFunkce;
    WinVersion_ = verze::BezFunkce;
    WinProcessorType_ = 8666;
    WinProcessorArchitekture_ = 11;
    return;
  }
  WinPlatform_ = platforma::Neznama;
  WinVersion_ = verze::Neznama;
  WinProcessorType_ = 8665;
  WinProcessorArchitekture_ = 10;
  WinPlatformS_ = WinVersionS_ = SuiteMaskS_ = ProductTypeS_ = Neznamy;
  ProcessorTypeS_ = ProcessorArchitectureS_ = Neznamy;
  if (ex) {
    gvLoadGetVersionEx(system);
  } else {
    gvLoadGetVersion(system.Verze());
  }
  LoadGetVersion_ = true;
  LoadGetVersionEx_ = ex;
  gvLoadProcessorInfo(system.Procesor());
  // GetVersion tells nothing about editions.
  if (!ex) SuiteMaskS_ = ProductTypeS_ = "";
}

// A failed GetVersionExA still copies the zero-filled record and leaves the description empty.
void clsosgv::gvLoadGetVersionEx(DotazySystemu& system) {
  ZaznamVerze z;
  const bool uspech = system.VerzeEx(z);
  MajorVersion_ = static_cast<int>(z.MajorVersion);
  MinorVersion_ = static_cast<int>(z.MinorVersion);
  BuildNumber_ = static_cast<std::int16_t>(gvLoWord(static_cast<std::int32_t>(z.BuildNumber)));
  PlatformID_ = static_cast<int>(z.PlatformId);
  ServicePackMajor_ = static_cast<std::int16_t>(z.ServicePackMajor);
  ServicePackMinor_ = static_cast<std::int16_t>(z.ServicePackMinor);
  SuiteMask_ = static_cast<std::int16_t>(z.SuiteMask);
  ProductType_ = z.ProductType;
  CSDVersion_.clear();

  std::string text;
  if (uspech) {
    switch (z.PlatformId) {
      case 0:
        WinPlatform_ = platforma::Win32s;
        WinPlatformS_ = "WIN_32s";
        WinVersion_ = verze::Win32s;
        text = "Windows 32s, Windows 3.1x";
        break;
      case 1:
        text = Verze9x(z);
        break;
      case 2:
        text = VerzeNT(z, system);
        // The record stops at the release an old program was made for; the line names the real one.
        if (const auto novy = system.NovyWindows(); novy.MajorVersion >= 10) text = NazevNovehoWindows(novy);
        break;
      default:
        break;
    }
  }
  WinVersionS_ = text;
}

// Windows 11 kept the product name of Windows 10 in the registry; its builds start at 22000.
std::string clsosgv::NazevNovehoWindows(const ZaznamNovehoWindows& z) {
  constexpr std::uint32_t PrvniBuildWindows11 = 22000;
  const bool jedenact = z.BuildNumber >= PrvniBuildWindows11 && z.ProductType == 1;
  std::string nazev = z.ProductName;
  if (nazev.starts_with("Microsoft ")) nazev.erase(0, 10);
  if (nazev.empty()) nazev = jedenact ? "Windows 11" : "Windows 10";
  if (jedenact && nazev.starts_with("Windows 10")) nazev.replace(8, 2, "11");
  if (!z.DisplayVersion.empty()) nazev += " " + z.DisplayVersion;
  const std::string build = z.CurrentBuild.empty() ? std::to_string(z.BuildNumber) : z.CurrentBuild;
  return nazev + " (" + build + ")";
}

// The 9x family tells its second editions by a letter in the service-pack text, after a blank.
std::string clsosgv::Verze9x(const ZaznamVerze& z) {
  WinPlatform_ = platforma::Windows;
  WinPlatformS_ = "WINDOWS";
  if (z.MajorVersion != 4) return {};
  const char pismeno = z.CSDVersion.size() > 1 ? z.CSDVersion[1] : '\0';
  switch (z.MinorVersion) {
    case 0:
      WinVersion_ = verze::Win95;
      if (Velke(pismeno) != 'B' && Velke(pismeno) != 'C') return "Windows 95";
      CSDVersion_ = pismeno;
      return "Windows 95 OSR2";
    case 10:
      WinVersion_ = verze::Win98;
      if (Velke(pismeno) != 'A') return "Windows 98";
      CSDVersion_ = pismeno;
      return "Windows 98 SE";
    case 90:
      WinVersion_ = verze::WinME;
      return "Windows ME";
    default:
      return {};
  }
}

// Releases after Server 2003 get no name of their own: their text starts with the edition.
std::string clsosgv::VerzeNT(const ZaznamVerze& z, DotazySystemu& system) {
  WinPlatform_ = platforma::WindowsNT;
  WinPlatformS_ = "WINDOWS_NT";
  const struct {
    std::uint32_t major, minor;
    int kod;
    const char* nazev;
  } vydani[] = {
      {3, 51, verze::NT351, "Windows NT 3.51"},
      {4, 0, verze::NT40, "Windows NT 4.0"},
      {5, 0, verze::Win2000, "Windows 2000"},
      {5, 1, verze::WinXP, "Windows XP"},
      {5, 2, verze::Server2003, "Windows .NET Server 2003 family"},
  };
  std::string text;
  for (const auto& v : vydani) {
    if (v.major == z.MajorVersion && v.minor == z.MinorVersion) {
      WinVersion_ = v.kod;
      text = v.nazev;
    }
  }
  // A lone character is not a service pack.
  if (z.CSDVersion.size() > 1) CSDVersion_ = z.CSDVersion;

  if (!z.Rozsireny) {
    if (!CSDVersion_.empty()) text += " (" + CSDVersion_ + ")";
    return text;
  }
  text += EdiceNT(z, system);
  // Service Pack 6 had to be reissued; only the hotfix key tells the two apart.
  if (z.MajorVersion == 4 && StejneBezVelikosti(CSDVersion_, "Service Pack 6") && system.HotfixQ246009()) {
    return text + " (Service Pack 6a)";
  }
  return text + " " + CSDVersion_;  // a trailing blank when there is no service pack
}

// The edition from the product type and the suite bits; servers the record cannot name are named by
// the registry's product options.
std::string clsosgv::EdiceNT(const ZaznamVerze& z, DotazySystemu& system) {
  const auto bit = [&](unsigned maska) { return (z.SuiteMask & maska) != 0; };
  if (z.ProductType == 1) {
    ProductTypeS_ = "workstation";
    if (z.MajorVersion == 4) return " Workstation 4.0";
    SuiteMaskS_ = bit(0x0200) ? " Home Edition" : " Professional";
    return SuiteMaskS_;
  }
  if (z.ProductType != 3) return {};

  ProductTypeS_ = "server";
  if (z.MajorVersion == 5 && z.MinorVersion == 0) {
    SuiteMaskS_ = bit(0x0080) ? " Datacenter Server" : bit(0x0002) ? " Advanced Server" : " Server";
    return SuiteMaskS_;
  }
  if (z.MajorVersion == 5 && z.MinorVersion == 2) {
    SuiteMaskS_ = bit(0x0080)   ? " Datacenter Edition"
                  : bit(0x0002) ? " Enterprise Edition"
                  : bit(0x0400) ? " Web Edition"
                                : " Standard Edition";
    return SuiteMaskS_;
  }
  if (z.MajorVersion == 5) {
    SuiteMaskS_ = " Server 4.0";
    std::string text = SuiteMaskS_;
    if (bit(0x0002)) {
      SuiteMaskS_ = " Enterprise Edition";
      text += SuiteMaskS_;
    }
    return text;
  }

  const std::string typ = system.ProductType();
  const struct {
    const char* hodnota;
    const char* text;
  } typy[] = {{"WINNT", " Workstation"}, {"LANMANNT", " Server"}, {"SERVERNT", " Advanced Server"}};
  std::string text;
  for (const auto& t : typy) {
    if (StejneBezVelikosti(typ, t.hodnota)) text = ProductTypeS_ = t.text;
  }
  return text + " " + std::to_string(z.MajorVersion) + "." + std::to_string(z.MinorVersion);
}

// Only where GetVersionExA is missing. GetVersion sets the top bit outside the NT family; that bit
// and the major version tell NT, Win32s and the 9x family apart.
void clsosgv::gvLoadGetVersion(std::uint32_t V) {
  const auto v = static_cast<std::int32_t>(V);
  MajorVersion_ = gvLOBYTE(gvLoWord(v));
  MinorVersion_ = gvHIBYTE(gvLoWord(v));
  BuildNumber_ = static_cast<std::int16_t>(gvHiWord(v));
  const auto nazvi = [&](int kod, const char* text) {
    WinVersion_ = kod;
    WinVersionS_ = text;
  };

  if (MajorVersion_ == 6) {
    WinPlatform_ = platforma::Windows64;
    WinPlatformS_ = "WINDOWS_64";
    if (MinorVersion_ == 0) nazvi(verze::Vista, "Windows Vista");
  } else if (MajorVersion_ == 5) {
    WinPlatform_ = platforma::WindowsNT;
    WinPlatformS_ = "WINDOWS_NT";
    if (MinorVersion_ == 0) nazvi(verze::Win2000, "Windows 2000");
    if (MinorVersion_ == 1) nazvi(verze::WinXP, "Windows XP");
    if (MinorVersion_ == 2) nazvi(verze::Server2003, "Windows .NET Server 2003 family");
  } else if ((V & 0x80000000u) == 0) {
    WinPlatform_ = platforma::WindowsNT;
    WinPlatformS_ = "WINDOWS_NT";
    WinVersionS_ = MajorVersion_ >= 4 ? "Windows NT 4.0" : "Windows NT 3.51";
  } else if (MajorVersion_ < 4) {
    WinPlatform_ = platforma::Win32s;
    WinPlatformS_ = "WIN_32s";
    nazvi(verze::Win32s, "Windows 32s, Windows 3.1x");
  } else {
    WinPlatform_ = platforma::Windows;
    WinPlatformS_ = "WINDOWS";
    BuildNumber_ = 0;  // the 9x family keeps no build number in the high word
    if (MinorVersion_ == 0) nazvi(verze::Win95, "Windows 95");
    if (MinorVersion_ == 10) nazvi(verze::Win98, "Windows 98");
    if (MinorVersion_ == 90) nazvi(verze::WinME, "Windows ME");
  }
}

// Before Windows 2000 the architecture field may still hold the old OEM identifier, so it is read
// only from there on.
void clsosgv::gvLoadProcessorInfo(const ZaznamProcesoru& procesor) {
  NumberOfProcessors_ = static_cast<int>(procesor.PocetProcesoru);
  ProcessorType_ = static_cast<int>(procesor.TypProcesoru);
  if (WinVersion_ >= verze::Win2000) {
    ProcessorArchitecture_ = static_cast<std::int16_t>(procesor.Architektura);
    switch (ProcessorArchitecture_) {
      case 0: ProcessorArchitectureS_ = "x86"; break;
      case 6: ProcessorArchitectureS_ = "Intel Itanium Processor Family (IPF)"; break;
      case 9: ProcessorArchitectureS_ = "x64 (AMD or Intel)"; break;
      default: ProcessorArchitectureS_ = Neznamy; break;
    }
  }
  switch (ProcessorType_) {
    case 386: ProcessorTypeS_ = "INTEL 386"; break;
    case 486: ProcessorTypeS_ = "INTEL 486"; break;
    case 586: ProcessorTypeS_ = "INTEL Pentium"; break;
    case 2200: ProcessorTypeS_ = "INTEL IA64"; break;
    case 8664: ProcessorTypeS_ = "AMD X8664"; break;
    default: break;
  }
}
