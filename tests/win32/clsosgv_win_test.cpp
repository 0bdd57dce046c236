#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogy.h"
#include "platform/port.h"
#include "system/clsosgv.h"

namespace {

struct ZaznamZpravy {
  std::string text, titulek;
  unsigned styl;
};

class ZapisDialogu final : public Dialogy {
 public:
  std::vector<ZaznamZpravy> zpravy;
  int Zprava(std::string_view text, std::string_view titulek, unsigned styl) override {
    zpravy.push_back({std::string(text), std::string(titulek), styl});
    return odpoved::Ok;
  }
};

// A system library that the test program does not import, so only the probe loads it.
constexpr const char* CiziKnihovna = "msimg32.dll";
constexpr const wchar_t* CiziKnihovnaW = L"msimg32.dll";

}  // namespace

TEST(clsosgvWin, SkutecnySystem) {
  ZapisDialogu dialogy;
  Pripojeni<Dialogy> p(dialogy);
  const clsosgv osgv;
  EXPECT_EQ(osgv.WinPlatform(), platforma::WindowsNT);
  EXPECT_FALSE(osgv.WinVersionS().empty());
  EXPECT_TRUE(osgv.LoadGetVersionEx());
  EXPECT_GT(osgv.NumberOfProcessors(), 0);
  EXPECT_EQ(osgv.ProcessorArchitectureS(), "x64 (AMD or Intel)");
  EXPECT_TRUE(dialogy.zpravy.empty());
}

TEST(clsosgvWin, SondaFunkce) {
  const struct {
    const char *knihovna, *funkce;
    bool existuje, hlaseni;
  } pripady[] = {
      {"kernel32.dll", "GetVersionExA", true, false},
      {"kernel32.dll", "NeexistujiciFunkce", false, true},
      {"neexistujici_knihovna.dll", "GetVersionExA", false, false},
  };
  for (const auto& p : pripady) {
    ZapisDialogu dialogy;
    Pripojeni<Dialogy> pripojeni(dialogy);
    EXPECT_EQ(clsosgv::gvGetExistFunctionInDLL(p.knihovna, p.funkce), p.existuje) << p.funkce;
    ASSERT_EQ(dialogy.zpravy.size(), p.hlaseni ? 1u : 0u) << p.funkce;
    if (!p.hlaseni) continue;
    const ZaznamZpravy& z = dialogy.zpravy[0];
    EXPECT_EQ(z.titulek, p.funkce);
    EXPECT_EQ(z.styl, 48u);
    EXPECT_EQ(z.text, std::string(p.funkce) + "\r\n" + clsosgv::gvStringError(ERROR_PROC_NOT_FOUND));
  }
}

TEST(clsosgvWin, SondaUvolniJenCoSamaNacetla) {
  ASSERT_EQ(GetModuleHandleW(CiziKnihovnaW), nullptr);
  EXPECT_TRUE(clsosgv::gvGetExistFunctionInDLL(CiziKnihovna, "AlphaBlend"));
  EXPECT_EQ(GetModuleHandleW(CiziKnihovnaW), nullptr) << "loaded for the probe, so freed again";

  const HMODULE nase = LoadLibraryW(CiziKnihovnaW);
  ASSERT_NE(nase, nullptr);
  EXPECT_TRUE(clsosgv::gvGetExistFunctionInDLL(CiziKnihovna, "AlphaBlend"));
  EXPECT_EQ(GetModuleHandleW(CiziKnihovnaW), nase) << "ours, so left loaded";
  FreeLibrary(nase);
  EXPECT_EQ(GetModuleHandleW(CiziKnihovnaW), nullptr);
}

TEST(clsosgvWin, TextChyby) {
  const std::string nenalezeno = clsosgv::gvStringError(ERROR_FILE_NOT_FOUND);
  EXPECT_GT(nenalezeno.size(), 2u);
  EXPECT_EQ(nenalezeno.substr(nenalezeno.size() - 2), "\r\n");
  SetLastError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(clsosgv::gvStringError(), nenalezeno) << "without a code, the last error";
  EXPECT_EQ(clsosgv::gvStringError(0x2FFFFFFF), "");
}
