#include "zaklad.h"

#include "system/clsosgv.h"

// What the system answers: the records a test gives it.
struct Odpovedi {
  ZaznamVerze zaznam{};
  const char* typ = "";  // the registry's product options
  bool hotfix = false, maVerziEx = true, maVerzi = true, uspech = true;
  std::uint32_t verze = 0;
  ZaznamNovehoWindows novy{};
};

struct FalesnySystem final : DotazySystemu {
  explicit FalesnySystem(const Odpovedi& o) : o(o) {}
  bool MaFunkci(std::string_view, std::string_view funkce) override {
    return funkce == "GetVersionExA" ? o.maVerziEx : o.maVerzi;
  }
  bool VerzeEx(ZaznamVerze& z) override { return z = o.zaznam, o.uspech; }
  std::uint32_t Verze() override { return o.verze; }
  ZaznamProcesoru Procesor() override { return {9, 2, 8664}; }
  std::string ProductType() override { return o.typ; }
  bool HotfixQ246009() override { return o.hotfix; }
  ZaznamNovehoWindows NovyWindows() override { return o.novy; }
  Odpovedi o;
};

// Without a product type only the short record was filled.
static ZaznamVerze Zaznam(std::uint32_t platforma, std::uint32_t major, std::uint32_t minor, const char* csd,
                          std::uint8_t typ = 0, std::uint16_t suite = 0) {
  // clang-format off
  return {.MajorVersion = major, .MinorVersion = minor, .PlatformId = platforma, .CSDVersion = csd,
          .SuiteMask = suite, .ProductType = typ, .Rozsireny = typ != 0};
  // clang-format on
}

// What the program tells of the system, in one line: the platform, the release code, the build and the
// name, then the service pack, the product type and the architecture.
static std::string Popis(const Odpovedi& odpovedi) {
  FalesnySystem system(odpovedi);
  const clsosgv o(system);
  return std::to_string(o.WinPlatform()) + " " + std::to_string(o.WinVersion()) + " " +
         std::to_string(o.BuildNumber()) + " " + o.WinVersionS() + "|" + o.CSDVersion() + "|" + o.ProductTypeS() + "|" +
         o.ProcessorArchitectureS();
}

static_assert(clsosgv::gvHiWord(-1) == 0xFFFF && clsosgv::gvHIBYTE(-1) == 0xFF, "the extractors never sign-extend");

// Older releases may hold an OEM identifier where the architecture goes.
TEST(clsosgv, PopisVydaniZeZaznamuVerze) {
  const char* x64 = "x64 (AMD or Intel)";
  const std::pair<Odpovedi, std::string> pripady[] = {
      {{Zaznam(2, 5, 1, "Service Pack 3", 1, 0x0200)},
       "2 8 0 Windows XP Home Edition Service Pack 3|Service Pack 3|workstation|"s + x64},
      {{Zaznam(2, 5, 1, "", 1)}, "2 8 0 Windows XP Professional ||workstation|"s + x64},
      {{Zaznam(2, 5, 0, "Service Pack 4", 3, 0x0002)},
       "2 7 0 Windows 2000 Advanced Server Service Pack 4|Service Pack 4|server|"s + x64},
      {{Zaznam(2, 4, 0, "SERVICE PACK 6", 3), "LANMANNT", true},
       "2 6 0 Windows NT 4.0 Server 4.0 (Service Pack 6a)|SERVICE PACK 6| Server|unknown"},
      {{Zaznam(2, 4, 0, "Service Pack 6", 1)},  // without the hotfix
       "2 6 0 Windows NT 4.0 Workstation 4.0 Service Pack 6|Service Pack 6|workstation|unknown"},
      {{Zaznam(2, 4, 0, "Service Pack 5"), "", true},
       "2 6 0 Windows NT 4.0 (Service Pack 5)|Service Pack 5|unknown|unknown"},
      {{Zaznam(1, 4, 10, " A ")}, "1 2 0 Windows 98 SE|A|unknown|unknown"},
      {{Zaznam(1, 4, 10, " B")}, "1 2 0 Windows 98||unknown|unknown"},
      {{Zaznam(1, 4, 0, " c")}, "1 1 0 Windows 95 OSR2|c|unknown|unknown"},
      {{Zaznam(2, 6, 1, "Service Pack 1", 1)},
       "2 11 0  Professional Service Pack 1|Service Pack 1|workstation|"s + x64},
      {{Zaznam(2, 10, 0, "", 3), "ServerNT"}, "2 11 0  Advanced Server 10.0 || Advanced Server|"s + x64},
      // Without GetVersionExA, or when it fails, GetVersion packs the build, with the top bit set outside the
      // NT family, above minor and major.
      // clang-format off
      {{.uspech = false}, "4 11 0 ||unknown|"s + x64}, {{.maVerziEx = false, .maVerzi = false}, "5 12 0 |||"},
      {{.maVerziEx = false, .verze = 0x17700006}, "3 10 6000 Windows Vista|||"s + x64},
      {{.maVerziEx = false, .verze = 0x05650004}, "2 11 1381 Windows NT 4.0|||"s + x64},
      {{.maVerziEx = false, .verze = 0xC0000004}, "1 1 0 Windows 95|||unknown"},
      // clang-format on
      {{.maVerziEx = false, .verze = 0x80000A03}, "0 0 -32768 Windows 32s, Windows 3.1x|||unknown"},
  };
  for (const auto& [odpovedi, popis] : pripady) EXPECT_EQ(Popis(odpovedi), popis);
}

// Windows 10 and later are named by what they say of themselves; the release code stays as the record
// gives it, and so does every decision made from it. Below 10 the record's own text stays.
TEST(clsosgv, NovyWindowsJmenem) {
  const std::pair<ZaznamNovehoWindows, const char*> pripady[] = {
      {{10, 26100, 1, "Windows 10 Pro", "24H2", "26100"}, "Windows 11 Pro 24H2 (26100)"},
      {{10, 22000, 1, "Windows 10 Home", "21H2", "22000"}, "Windows 11 Home 21H2 (22000)"},
      {{10, 19045, 1, "Windows 10 Pro", "22H2", "19045"}, "Windows 10 Pro 22H2 (19045)"},
      {{10, 17763, 1, "Windows 10 Enterprise LTSC 2019", "", "17763"}, "Windows 10 Enterprise LTSC 2019 (17763)"},
      {{10, 26100, 3, "Windows Server 2025 Datacenter", "24H2", "26100"},
       "Windows Server 2025 Datacenter 24H2 (26100)"},
      {{10, 22631, 1, "", "", ""}, "Windows 11 (22631)"},  // the registry unreadable
      {{10, 19041, 1, "Microsoft Windows 10", "", "19041"}, "Windows 10 (19041)"},
      {{6, 7601, 1, "Windows 7 Professional", "", "7601"}, " Professional Service Pack 1"},
  };
  for (const auto& [novy, text] : pripady) {
    const std::string popis = Popis({.zaznam = novy.MajorVersion == 6 ? Zaznam(2, 6, 1, "Service Pack 1", 1)
                                                                      : Zaznam(2, 6, 2, "", novy.ProductType),
                                     .novy = novy});
    EXPECT_EQ(popis.substr(0, popis.find('|')), "2 11 0 "s + text);  // 11: the release code of a release unknown
  }
}
