#include "zaklad_win.h"

#include "../native/falesne_porty.h"
#include "system/clsosgv.h"

TEST(clsosgvWin, SkutecnySystem) {
  const clsosgv osgv;
  EXPECT_EQ(osgv.WinPlatform(), platforma::WindowsNT);
  EXPECT_FALSE(osgv.WinVersionS().empty());
  EXPECT_EQ(osgv.ProcessorArchitectureS(), "x64 (AMD or Intel)");
}

// msimg32 is a system library the test program does not import, so only the probe loads it.
TEST(clsosgvWin, SondaFunkce) {
  const struct {
    const char *knihovna, *funkce;
    bool existuje, hlaseni;
  } pripady[] = {
      {"msimg32.dll", "AlphaBlend", true, false},
      {"kernel32.dll", "NeexistujiciFunkce", false, true},
      {"neexistujici_knihovna.dll", "GetVersionExA", false, false},
  };
  for (const auto& p : pripady) {
    FalesneDialogy dialogy;
    Pripojeni<Dialogy> pripojeni(dialogy);
    EXPECT_EQ(clsosgv::gvGetExistFunctionInDLL(p.knihovna, p.funkce), p.existuje) << p.funkce;
    EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nullptr) << "loaded for the probe, so freed again";
    ASSERT_EQ(dialogy.zpravy.size(), p.hlaseni ? 1u : 0u) << p.funkce;
    if (!p.hlaseni) continue;
    EXPECT_EQ(dialogy.zpravy[0].titulek, p.funkce);
    EXPECT_EQ(dialogy.zpravy[0].styl, 48u);
    EXPECT_EQ(dialogy.zpravy[0].text, std::string(p.funkce) + "\r\n" + clsosgv::gvStringError(ERROR_PROC_NOT_FOUND));
  }
  EXPECT_NE(clsosgv::gvStringError(ERROR_PROC_NOT_FOUND), "");
  const HMODULE nase = LoadLibraryA("msimg32.dll");
  EXPECT_TRUE(clsosgv::gvGetExistFunctionInDLL("msimg32.dll", "AlphaBlend"));
  EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nase) << "ours, so left loaded";
  FreeLibrary(nase);
}
