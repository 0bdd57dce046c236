#include "system/clsosgv.h"

#include <gtest/gtest.h>

namespace {

// A system that answers with the records a test gives it.
struct FalesnySystem final : DotazySystemu {
  bool maVerziEx = true, maVerzi = true, uspech = true;
  ZaznamVerze zaznam;
  std::uint32_t verze = 0;
  std::string typ;
  bool hotfix = false;

  bool MaFunkci(std::string_view, std::string_view funkce) override {
    return funkce == "GetVersionExA" ? maVerziEx : maVerzi;
  }
  bool VerzeEx(ZaznamVerze& z) override { z = zaznam; return uspech; }
  std::uint32_t Verze() override { return verze; }
  ZaznamProcesoru Procesor() override { return {9, 2, 8664}; }
  std::string ProductType() override { return typ; }
  bool HotfixQ246009() override { return hotfix; }
  ZaznamNovehoWindows NovyWindows() override { return novy; }
  ZaznamNovehoWindows novy;
};

// Without a product type only the short record was filled.
ZaznamVerze Zaznam(std::uint32_t platforma, std::uint32_t major, std::uint32_t minor, const char* csd,
                   std::uint8_t typ = 0, std::uint16_t suite = 0) {
  return {.MajorVersion = major, .MinorVersion = minor, .PlatformId = platforma, .CSDVersion = csd,
          .SuiteMask = suite, .ProductType = typ, .Rozsireny = typ != 0};
}

static_assert(clsosgv::gvHiWord(-1) == 0xFFFF && clsosgv::gvHIBYTE(-1) == 0xFF, "the extractors never sign-extend");

}  // namespace

TEST(clsosgv, PopisVydaniZeZaznamuVerze) {
  const struct {
    const char* vydani;
    ZaznamVerze zaznam;
    const char* typ;  // the registry's product options
    bool hotfix;
    int kod;
    const char *text, *csd, *productTypeS;
  } pripady[] = {
      {"XP Home SP3", Zaznam(2, 5, 1, "Service Pack 3", 1, 0x0200), "", false, 8,
       "Windows XP Home Edition Service Pack 3", "Service Pack 3", "workstation"},
      {"XP Professional", Zaznam(2, 5, 1, "", 1), "", false, 8, "Windows XP Professional ", "", "workstation"},
      {"2000 Advanced Server SP4", Zaznam(2, 5, 0, "Service Pack 4", 3, 0x0002), "", false, 7,
       "Windows 2000 Advanced Server Service Pack 4", "Service Pack 4", "server"},
      {"NT 4.0 server SP6a", Zaznam(2, 4, 0, "SERVICE PACK 6", 3), "LANMANNT", true, 6,
       "Windows NT 4.0 Server 4.0 (Service Pack 6a)", "SERVICE PACK 6", " Server"},
      {"NT 4.0 SP6 without the hotfix", Zaznam(2, 4, 0, "Service Pack 6", 1), "", false, 6,
       "Windows NT 4.0 Workstation 4.0 Service Pack 6", "Service Pack 6", "workstation"},
      {"NT 4.0 SP5, short record", Zaznam(2, 4, 0, "Service Pack 5"), "", true, 6, "Windows NT 4.0 (Service Pack 5)",
       "Service Pack 5", "unknown"},
      {"98 SE", Zaznam(1, 4, 10, " A "), "", false, 2, "Windows 98 SE", "A", "unknown"},
      {"98, another letter", Zaznam(1, 4, 10, " B"), "", false, 2, "Windows 98", "", "unknown"},
      {"95 OSR2, lower case", Zaznam(1, 4, 0, " c"), "", false, 1, "Windows 95 OSR2", "c", "unknown"},
      {"7 SP1", Zaznam(2, 6, 1, "Service Pack 1", 1), "", false, 11, " Professional Service Pack 1", "Service Pack 1",
       "workstation"},
      {"10 server", Zaznam(2, 10, 0, "", 3), "ServerNT", false, 11, " Advanced Server 10.0 ", "", " Advanced Server"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.zaznam = p.zaznam;
    system.typ = p.typ;
    system.hotfix = p.hotfix;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.WinPlatform(), static_cast<int>(p.zaznam.PlatformId)) << p.vydani;
    EXPECT_EQ(osgv.WinVersion(), p.kod) << p.vydani;
    EXPECT_EQ(osgv.WinVersionS(), p.text) << p.vydani;
    EXPECT_EQ(osgv.CSDVersion(), p.csd) << p.vydani;
    EXPECT_EQ(osgv.ProductTypeS(), p.productTypeS) << p.vydani;
    // Older releases may hold an OEM identifier where the architecture goes.
    EXPECT_EQ(osgv.ProcessorArchitectureS(), p.kod >= verze::Win2000 ? "x64 (AMD or Intel)" : "unknown") << p.vydani;
  }
}

// Windows 10 and later are named by what they say of themselves; the release code stays as the record
// gives it, and so does every decision made from it.
TEST(clsosgv, NovyWindowsJmenem) {
  const struct {
    ZaznamNovehoWindows novy;
    const char* text;
  } pripady[] = {
      {{10, 26100, 1, "Windows 10 Pro", "24H2", "26100"}, "Windows 11 Pro 24H2 (26100)"},
      {{10, 22000, 1, "Windows 10 Home", "21H2", "22000"}, "Windows 11 Home 21H2 (22000)"},
      {{10, 19045, 1, "Windows 10 Pro", "22H2", "19045"}, "Windows 10 Pro 22H2 (19045)"},
      {{10, 17763, 1, "Windows 10 Enterprise LTSC 2019", "", "17763"}, "Windows 10 Enterprise LTSC 2019 (17763)"},
      {{10, 26100, 3, "Windows Server 2025 Datacenter", "24H2", "26100"},
       "Windows Server 2025 Datacenter 24H2 (26100)"},
      {{10, 22631, 1, "", "", ""}, "Windows 11 (22631)"},  // the registry unreadable
      {{10, 19041, 1, "Microsoft Windows 10", "", "19041"}, "Windows 10 (19041)"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.zaznam = Zaznam(2, 6, 2, "", p.novy.ProductType);
    system.novy = p.novy;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.WinVersionS(), p.text);
    EXPECT_EQ(osgv.WinVersion(), verze::Neznama) << p.text;
  }
  FalesnySystem sedmicka;  // below 10 the record's own text stays
  sedmicka.zaznam = Zaznam(2, 6, 1, "Service Pack 1", 1);
  sedmicka.novy = {6, 7601, 1, "Windows 7 Professional", "", "7601"};
  EXPECT_EQ(clsosgv(sedmicka).WinVersionS(), " Professional Service Pack 1");
}

// GetVersion packs the build, with the top bit set outside the NT family, above minor and major.
TEST(clsosgv, BezGetVersionEx) {
  const struct {
    bool maVerziEx, maVerzi, uspech;
    std::uint32_t v;
    int platforma, kod, build;
    const char* text;
  } pripady[] = {
      {true, true, false, 0, 4, 11, 0, ""},  // GetVersionExA failed
      {false, false, true, 0, 5, 12, 0, ""},
      {false, true, true, 0x17700006, 3, 10, 6000, "Windows Vista"},
      {false, true, true, 0x05650004, 2, 11, 1381, "Windows NT 4.0"},
      {false, true, true, 0xC0000004, 1, 1, 0, "Windows 95"},
      {false, true, true, 0x80000A03, 0, 0, -32768, "Windows 32s, Windows 3.1x"},
  };
  for (const auto& p : pripady) {
    FalesnySystem system;
    system.maVerziEx = p.maVerziEx;
    system.maVerzi = p.maVerzi;
    system.uspech = p.uspech;
    system.verze = p.v;
    const clsosgv osgv(system);
    EXPECT_EQ(osgv.WinPlatform(), p.platforma) << std::hex << p.v;
    EXPECT_EQ(osgv.WinVersion(), p.kod) << std::hex << p.v;
    EXPECT_EQ(osgv.BuildNumber(), p.build) << std::hex << p.v;
    EXPECT_EQ(osgv.WinVersionS(), p.text) << std::hex << p.v;
  }
}
