#include "system/clsosgv.h"

#include <gtest/gtest.h>

namespace {

// A system that answers with the records a test gives it.
struct FalesnySystem final : DotazySystemu {
  bool maVerziEx = true, maVerzi = true;
  bool uspech = true;
  ZaznamVerze zaznam;
  std::uint32_t verze = 0;
  ZaznamProcesoru procesor;
  std::string typ;
  bool hotfix = false;

  bool MaFunkci(std::string_view knihovna, std::string_view funkce) override {
    EXPECT_EQ(knihovna, "kernel32.dll");
    return funkce == "GetVersionExA" ? maVerziEx : funkce == "GetVersion" && maVerzi;
  }
  bool VerzeEx(ZaznamVerze& z) override {
    z = zaznam;
    return uspech;
  }
  std::uint32_t Verze() override { return verze; }
  ZaznamProcesoru Procesor() override { return procesor; }
  std::string ProductType() override { return typ; }
  bool HotfixQ246009() override { return hotfix; }
};

ZaznamVerze NT(std::uint32_t major, std::uint32_t minor, const char* csd, std::uint8_t typ, std::uint16_t suite = 0) {
  return {.MajorVersion = major, .MinorVersion = minor, .BuildNumber = 1381, .PlatformId = 2, .CSDVersion = csd,
          .SuiteMask = suite, .ProductType = typ, .Rozsireny = true};
}

ZaznamVerze KratkyNT(std::uint32_t major, std::uint32_t minor, const char* csd) {
  return {.MajorVersion = major, .MinorVersion = minor, .BuildNumber = 1381, .PlatformId = 2, .CSDVersion = csd};
}

ZaznamVerze Win9x(std::uint32_t minor, const char* csd) {
  return {.MajorVersion = 4, .MinorVersion = minor, .BuildNumber = 0x040A08AE, .PlatformId = 1, .CSDVersion = csd};
}

// GetVersion's packing: major and minor in the low word, the build (and the 9x family's top bit) above.
constexpr std::uint32_t Zabal(std::uint32_t major, std::uint32_t minor, std::uint32_t horni) {
  return horni << 16 | minor << 8 | major;
}

}  // namespace

TEST(clsosgv, PopisVydaniZeZaznamuVerze) {
  const struct {
    const char* vydani;
    ZaznamVerze zaznam;
    const char* typ;  // the registry's product options
    bool hotfix;
    int platforma, kod;
    const char *text, *csd, *productTypeS, *suiteMaskS;
  } pripady[] = {
      {"XP Home SP3", NT(5, 1, "Service Pack 3", 1, 0x0300), "", false, 2, 8,
       "Windows XP Home Edition Service Pack 3", "Service Pack 3", "workstation", " Home Edition"},
      {"XP Professional", NT(5, 1, "", 1, 0x0100), "", false, 2, 8, "Windows XP Professional ", "", "workstation",
       " Professional"},
      {"one-character service pack", NT(5, 1, "X", 1), "", false, 2, 8, "Windows XP Professional ", "",
       "workstation", " Professional"},
      {"2000 Advanced Server SP4", NT(5, 0, "Service Pack 4", 3, 0x0002), "", false, 2, 7,
       "Windows 2000 Advanced Server Service Pack 4", "Service Pack 4", "server", " Advanced Server"},
      {"2000 domain controller", NT(5, 0, "Service Pack 4", 2, 0x0002), "", false, 2, 7,
       "Windows 2000 Service Pack 4", "Service Pack 4", "unknown", "unknown"},
      {"Server 2003 Web", NT(5, 2, "", 3, 0x0400), "", false, 2, 9,
       "Windows .NET Server 2003 family Web Edition ", "", "server", " Web Edition"},
      {"NT 4.0 server SP6a", NT(4, 0, "SERVICE PACK 6", 3), "LANMANNT", true, 2, 6,
       "Windows NT 4.0 Server 4.0 (Service Pack 6a)", "SERVICE PACK 6", " Server", "unknown"},
      {"NT 4.0 workstation SP6 without the hotfix", NT(4, 0, "Service Pack 6", 1), "", false, 2, 6,
       "Windows NT 4.0 Workstation 4.0 Service Pack 6", "Service Pack 6", "workstation", "unknown"},
      {"NT 4.0 SP5, short record", KratkyNT(4, 0, "Service Pack 5"), "", true, 2, 6,
       "Windows NT 4.0 (Service Pack 5)", "Service Pack 5", "unknown", "unknown"},
      {"NT 4.0, short record, no SP", KratkyNT(4, 0, ""), "", false, 2, 6, "Windows NT 4.0", "", "unknown",
       "unknown"},
      {"Windows 7 SP1", NT(6, 1, "Service Pack 1", 1, 0x0100), "", false, 2, 11, " Professional Service Pack 1",
       "Service Pack 1", "workstation", " Professional"},
      {"Windows 10 server", NT(10, 0, "", 3, 0x0110), "ServerNT", false, 2, 11, " Advanced Server 10.0 ", "",
       " Advanced Server", "unknown"},
      {"server, product options unreadable", NT(6, 0, "Service Pack 2", 3), "", false, 2, 11,
       " 6.0 Service Pack 2", "Service Pack 2", "server", "unknown"},
      {"98 SE", Win9x(10, " A "), "", false, 1, 2, "Windows 98 SE", "A", "unknown", "unknown"},
      {"98 with another letter", Win9x(10, " B"), "", false, 1, 2, "Windows 98", "", "unknown", "unknown"},
      {"95 OSR2, lower case", Win9x(0, " c"), "", false, 1, 1, "Windows 95 OSR2", "c", "unknown", "unknown"},
      {"ME", Win9x(90, " "), "", false, 1, 4, "Windows ME", "", "unknown", "unknown"},
      {"Win32s", {.MajorVersion = 3, .MinorVersion = 10, .PlatformId = 0, .CSDVersion = ""}, "", false, 0, 0,
       "Windows 32s, Windows 3.1x", "", "unknown", "unknown"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.zaznam = p.zaznam;
    system.typ = p.typ;
    system.hotfix = p.hotfix;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.WinPlatform(), p.platforma) << p.vydani;
    EXPECT_EQ(osgv.WinVersion(), p.kod) << p.vydani;
    EXPECT_EQ(osgv.WinVersionS(), p.text) << p.vydani;
    EXPECT_EQ(osgv.CSDVersion(), p.csd) << p.vydani;
    EXPECT_EQ(osgv.ProductTypeS(), p.productTypeS) << p.vydani;
    EXPECT_EQ(osgv.SuiteMaskS(), p.suiteMaskS) << p.vydani;
  }
}

TEST(clsosgv, CoSeNaslo) {
  const struct {
    const char* pripad;
    bool maVerziEx, maVerzi, uspech;
    bool load, loadEx;
    int platforma, kod, typ, architektura;
    const char *platformaS, *text, *edice, *procesorS;  // edice: SuiteMaskS and ProductTypeS
  } pripady[] = {
      {"GetVersionExA fails", true, true, false, true, true, 4, 11, 8665, 10, "unknown", "", "unknown",
       "x64 (AMD or Intel)"},
      {"only GetVersion", false, true, true, true, false, 2, 8, 8665, 10, "WINDOWS_NT", "Windows XP", "",
       "x64 (AMD or Intel)"},
      {"no version function", false, false, true, false, false, 5, 12, 8666, 11, "", "", "", ""},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.maVerziEx = p.maVerziEx;
    system.maVerzi = p.maVerzi;
    system.uspech = p.uspech;
    system.zaznam = NT(5, 1, "Service Pack 3", 1);
    system.verze = Zabal(5, 1, 2600);
    system.procesor = {9, 2, 8664};
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.LoadGetVersion(), p.load) << p.pripad;
    EXPECT_EQ(osgv.LoadGetVersionEx(), p.loadEx) << p.pripad;
    EXPECT_EQ(osgv.WinPlatform(), p.platforma) << p.pripad;
    EXPECT_EQ(osgv.WinVersion(), p.kod) << p.pripad;
    EXPECT_EQ(osgv.WinProcessorType(), p.typ) << p.pripad;
    EXPECT_EQ(osgv.WinProcessorArchitekture(), p.architektura) << p.pripad;
    EXPECT_EQ(osgv.WinPlatformS(), p.platformaS) << p.pripad;
    EXPECT_EQ(osgv.WinVersionS(), p.text) << p.pripad;
    EXPECT_EQ(osgv.SuiteMaskS(), p.edice) << p.pripad;
    EXPECT_EQ(osgv.ProductTypeS(), p.edice) << p.pripad;
    EXPECT_EQ(osgv.ProcessorArchitectureS(), p.procesorS) << p.pripad;
  }
}

TEST(clsosgv, VydaniZGetVersion) {
  const struct {
    std::uint32_t v;
    int platforma, kod, build;
    const char *platformaS, *text;
  } pripady[] = {
      {Zabal(6, 0, 6000), 3, 10, 6000, "WINDOWS_64", "Windows Vista"},
      {Zabal(6, 1, 7601), 3, 11, 7601, "WINDOWS_64", "unknown"},
      {Zabal(5, 0, 2195), 2, 7, 2195, "WINDOWS_NT", "Windows 2000"},
      {Zabal(5, 2, 3790), 2, 9, 3790, "WINDOWS_NT", "Windows .NET Server 2003 family"},
      {Zabal(4, 0, 1381), 2, 11, 1381, "WINDOWS_NT", "Windows NT 4.0"},
      {Zabal(3, 51, 1057), 2, 11, 1057, "WINDOWS_NT", "Windows NT 3.51"},
      {Zabal(3, 10, 0x8000), 0, 0, -32768, "WIN_32s", "Windows 32s, Windows 3.1x"},
      {Zabal(4, 0, 0xC000), 1, 1, 0, "WINDOWS", "Windows 95"},
      {Zabal(4, 10, 0xC000), 1, 2, 0, "WINDOWS", "Windows 98"},
      {Zabal(4, 90, 0xC000), 1, 4, 0, "WINDOWS", "Windows ME"},
      {Zabal(4, 3, 0xC000), 1, 11, 0, "WINDOWS", "unknown"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.maVerziEx = false;
    system.verze = p.v;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.WinPlatform(), p.platforma) << p.text;
    EXPECT_EQ(osgv.WinVersion(), p.kod) << p.text;
    EXPECT_EQ(osgv.BuildNumber(), p.build) << p.text;
    EXPECT_EQ(osgv.WinPlatformS(), p.platformaS) << p.text;
    EXPECT_EQ(osgv.WinVersionS(), p.text) << std::hex << p.v;
  }
}

TEST(clsosgv, Procesor) {
  const struct {
    ZaznamVerze zaznam;
    ZaznamProcesoru procesor;
    int architektura;
    const char *architekturaS, *typS;
  } pripady[] = {
      {NT(4, 0, "", 1), {9, 1, 586}, 0, "unknown", "INTEL Pentium"},  // too old to report the architecture
      {NT(5, 0, "", 1), {0, 2, 486}, 0, "x86", "INTEL 486"},
      {NT(5, 2, "", 3), {6, 4, 2200}, 6, "Intel Itanium Processor Family (IPF)", "INTEL IA64"},
      {NT(10, 0, "", 1), {9, 8, 8664}, 9, "x64 (AMD or Intel)", "AMD X8664"},
      {NT(10, 0, "", 1), {12, 8, 0}, 12, "unknown", "unknown"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.zaznam = p.zaznam;
    system.procesor = p.procesor;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.NumberOfProcessors(), static_cast<int>(p.procesor.PocetProcesoru));
    EXPECT_EQ(osgv.ProcessorType(), static_cast<int>(p.procesor.TypProcesoru));
    EXPECT_EQ(osgv.ProcessorArchitecture(), p.architektura);
    EXPECT_EQ(osgv.ProcessorArchitectureS(), p.architekturaS);
    EXPECT_EQ(osgv.ProcessorTypeS(), p.typS);
  }
}

TEST(clsosgv, SlovaABajty) {
  const struct {
    std::int32_t (*vyber)(std::int32_t);
    std::int32_t hodnota, vysledek;
  } pripady[] = {
      {clsosgv::gvLoWord, -1, 65535},     {clsosgv::gvLoWord, 0x12345678, 0x5678},
      {clsosgv::gvHiWord, 1179700, 18},   {clsosgv::gvHiWord, -1, 65535},
      {clsosgv::gvLOBYTE, 0x1234, 0x34},  {clsosgv::gvHIBYTE, 0x1234, 0x12},
      {clsosgv::gvHIBYTE, -1, 255},
  };
  for (const auto& p : pripady) EXPECT_EQ(p.vyber(p.hodnota), p.vysledek) << std::hex << p.hodnota;
}
