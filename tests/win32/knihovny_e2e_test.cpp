// DLLs planted beside the program under the names of system DLLs that are not known DLLs, as a
// browser may leave them in a Downloads folder where the portable copy is unpacked. With Wine set to
// prefer a DLL found on the disk (as Windows does for these names), none of them may be loaded,
// while everything that needs the real ones still works: a sleep, the version line, a screen reader.
// Wine takes that setting from its own environment when it starts, so CTest runs this test alone
// with WINEDLLOVERRIDES set (cmake/win64.cmake); in the other runs it is skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32/text_win.h"
#include "program_e2e.h"
#include "ui/navrh_oken.h"
#include "verze.h"

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* Podvrzene[] = {L"version", L"powrprof", L"oleacc", L"comctl32", L"iphlpapi", L"wtsapi32"};

class Knihovny_e2e : public Program_e2e {
 protected:
  void SetUp() override {
    Program_e2e::SetUp();
    fs::remove_all(slozka);
    fs::create_directories(slozka);
    fs::copy_file(VedleTestu(L"vypnuti.exe"), slozka / L"vypnuti.exe");
    for (const wchar_t* dll : Podvrzene) {
      fs::copy_file(VedleTestu(L"podvrzene") / (std::wstring(dll) + L".dll"), slozka / (std::wstring(dll) + L".dll"));
    }
  }
  void TearDown() override {
    std::error_code chyba;
    fs::remove_all(slozka, chyba);
    Program_e2e::TearDown();
  }
  const fs::path slozka = fs::temp_directory_path() / L"vypnuti-podvrzene";
};

}  // namespace

TEST_F(Knihovny_e2e, PodvrzeneSeNenactou) {
  wchar_t poradi[512] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", poradi, 512);
  if (std::wstring(poradi).find(L"version,powrprof,oleacc,comctl32,iphlpapi,wtsapi32=n,b") == std::wstring::npos) {
    GTEST_SKIP() << "runs in its own pass, with the DLLs on the disk preferred";
  }
  {
    Program spanek(L"/spanek", slozka / L"vypnuti.exe");
    EXPECT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 10s));
    EXPECT_EQ(Zaznamy(), std::vector<std::string>{"SetSuspendState 0 0 0"}) << "the power query and the sleep";
  }
  {
    Program program(L"", slozka / L"vypnuti.exe");
    ASSERT_TRUE(Dockej([&] { return IsWindowVisible(program.Hlavni()); }, 10s));
    const std::wstring verze = Text(GetDlgItem(program.Hlavni(), IdOvladace(Ovladac::lblHA)));
    constexpr int cisla[] = {VYPNUTI_VERZE_CISLA};
    const std::wstring ocekavana =
        std::to_wstring(cisla[0]) + L"." + std::to_wstring(cisla[1]) + L"." + std::to_wstring(cisla[3]);
    EXPECT_EQ(verze, L"\u00a9 2026 ZD (" + ocekavana + L")");
    // A screen reader's request: the button's own object answers it, not the system's plain one (0).
    HWND tlacitko = Potomek(program.Hlavni(), L"tlText", L"Vypnut\u00ed");
    EXPECT_GT(SendMessageW(tlacitko, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0);
  }
  {
    Program klid(L"/vypnuti;klid/60/", slozka / L"vypnuti.exe");
    std::this_thread::sleep_for(7s);  // two checks of the network's counters
    EXPECT_TRUE(klid.Bezi());
  }
  // Wine's own user32 imports version.dll, so Wine loads the planted one before the program starts (the
  // user32 of Windows does not); the version line above shows that the program does not use it.
  for (const wchar_t* dll : {L"powrprof", L"oleacc", L"comctl32", L"iphlpapi", L"wtsapi32"}) {
    EXPECT_FALSE(fs::exists(slozka / (std::wstring(dll) + L".dll.nacteno"))) << Utf8(dll) << ".dll was loaded";
  }
}
