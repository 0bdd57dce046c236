#include "zaklad_win.h"

TEST(clsosgvWin, SkutecnySystem) {
  const clsosgv osgv;
  EXPECT_EQ(osgv.WinPlatform(), platforma::WindowsNT);
  EXPECT_FALSE(osgv.WinVersionS().empty());
  EXPECT_EQ(osgv.ProcessorArchitectureS(), "x64 (AMD or Intel)");
}

// msimg32 is a system library the test program does not import, so only the probe loads it, and
// frees it again; one it finds loaded it leaves so. A missing function is told in a box.
TEST(clsosgvWin, SondaFunkce) {
  const std::string chyba = clsosgv::gvStringError(ERROR_PROC_NOT_FOUND);
  ASSERT_NE(chyba, "");
  for (const auto& [knihovna, funkce, nacteno, ocekavano] :
       {std::tuple{"msimg32.dll", "AlphaBlend", false, "1 free"},
        std::tuple{"kernel32.dll", "NeexistujiciFunkce", false,
                   "0 free | NeexistujiciFunkce 48 NeexistujiciFunkce\r\n"},
        std::tuple{"neexistujici_knihovna.dll", "GetVersionExA", false, "0 free"},
        std::tuple{"msimg32.dll", "AlphaBlend", true, "1 ours"}}) {
    FalesneDialogy dialogy;
    Pripojeni<Dialogy> pripojeni(dialogy);
    const HMODULE nase = nacteno ? LoadLibraryA(knihovna) : nullptr;
    std::string radek = std::to_string(clsosgv::gvGetExistFunctionInDLL(knihovna, funkce)) +
                        (GetModuleHandleA("msimg32.dll") == nase ? (nase ? " ours" : " free") : " loaded");
    for (const ZaznamZpravy& z : dialogy.zpravy)
      radek += " | " + z.titulek + " " + std::to_string(z.styl) + " " + z.text;
    EXPECT_EQ(radek, ocekavano + std::string(dialogy.zpravy.empty() ? "" : chyba)) << funkce;
    if (nase) FreeLibrary(nase);
  }
}
