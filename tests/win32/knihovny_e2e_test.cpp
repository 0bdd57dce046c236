// DLLs planted beside the program under the names of system DLLs that are not known DLLs, as a
// browser may leave them in a Downloads folder where the portable copy is unpacked. With Wine set to
// prefer a DLL found on the disk (as Windows does for these names), none of them may be loaded,
// while everything that needs the real ones still works: a sleep, the version line, a screen reader.
// Wine takes that setting from its own environment when it starts, so CTest runs this test alone
// with WINEDLLOVERRIDES set (cmake/win64.cmake); in the other runs it is skipped.
#include "program_e2e.h"

#include <span>

#include "verze.h"

using Knihovny_e2e = Program_e2e;

TEST_F(Knihovny_e2e, PodvrzeneSeNenactou) {
  wchar_t poradi[512] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", poradi, 512);
  if (std::wstring(poradi).find(L"version,powrprof,oleacc,comctl32,iphlpapi,wtsapi32=n,b") == std::wstring::npos)
    GTEST_SKIP() << "runs in its own pass, with the DLLs on the disk preferred";
  const fs::path slozka = fs::temp_directory_path() / L"vypnuti-podvrzene", exe = slozka / L"vypnuti.exe";
  fs::remove_all(slozka);
  fs::create_directories(slozka);
  fs::copy_file(VedleTestu(L"vypnuti.exe"), exe);
  const std::wstring dll[] = {L"version", L"powrprof", L"oleacc", L"comctl32", L"iphlpapi", L"wtsapi32"};
  for (const std::wstring& d : dll) fs::copy_file(VedleTestu(L"podvrzene") / (d + L".dll"), slozka / (d + L".dll"));

  {
    Proces spanek(L"/spanek", exe);
    EXPECT_EQ(DockejZaznam(10s), "SetSuspendState 0 0 0\r\n") << "the power query and the sleep";
  }
  {
    Proces program(L"", exe);
    ASSERT_TRUE(DOCKEJ(10s, IsWindowVisible(program.Hlavni())));
    constexpr int cisla[] = {VYPNUTI_VERZE_CISLA};
    EXPECT_TRUE(Hraj(program, "lblHA?©_2026_ZD_(" + std::to_string(cisla[0]) + "." + std::to_string(cisla[1]) + "." +
                                  std::to_string(cisla[3]) + ")"));
    // A screen reader's request: the button's own object answers it, not the system's plain one (0).
    EXPECT_GT(SendMessageW(program.Pole(Ovladac::tlKZ0), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0);
  }
  {
    Proces klid(L"/vypnuti;klid/60/", exe);
    std::this_thread::sleep_for(7s);  // two checks of the network's counters
    EXPECT_TRUE(klid.Bezi());
  }
  // Wine's own user32 imports version.dll, so Wine loads the planted one before the program starts (the
  // user32 of Windows does not); the version line above shows that the program does not use it.
  for (const std::wstring& d : std::span(dll).subspan(1))
    EXPECT_FALSE(fs::exists(slozka / (d + L".dll.nacteno"))) << Utf8(d) << ".dll was loaded";
  std::error_code chyba;
  fs::remove_all(slozka, chyba);
}
