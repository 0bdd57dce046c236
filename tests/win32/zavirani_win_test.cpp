#include "scheduler/zavirani.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/port.h"
#include "platform/win32/okna_procesu_win.h"

namespace {

// The real windows and processes, narrowed to the ones the test allows: the desktop under Wine also
// holds its own shell windows and other programs, which must never be closed or terminated. Windows
// of other processes look hidden, and every pass looks for visible ones only.
class OmezenaOkna final : public OknaProcesuWin {
 public:
  std::set<std::uint32_t> povolene;
  std::map<std::uint32_t, int> ukonceni;

  std::uint32_t Styl(HandleOkna okno) override {
    return povolene.contains(Proces(okno)) ? OknaProcesuWin::Styl(okno) : 0;
  }
  bool UkonciProces(std::uint32_t proces) override {
    ++ukonceni[proces];
    return povolene.contains(proces) && OknaProcesuWin::UkonciProces(proces);
  }
};

std::vector<std::string> Radky(const std::filesystem::path& soubor) {
  std::ifstream vstup(soubor);
  std::vector<std::string> radky;
  for (std::string radek; std::getline(vstup, radek);) radky.push_back(radek);
  return radky;
}

LRESULT CALLBACK NeZavirat(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_CLOSE) ADD_FAILURE() << "our own window was closed";
  return zprava == WM_CLOSE ? 0 : DefWindowProcW(okno, zprava, w, l);
}

}  // namespace

// Our own visible window stands beside the helper's: the closing must pass it over.
TEST(ZaviraniWin, KazdeOknoDostaneSvojeAProcesSkonciJednou) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = NeZavirat;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"Vlastni";
  RegisterClassW(&wc);
  HWND vlastni = CreateWindowExW(0, wc.lpszClassName, L"vlastni", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, wc.hInstance, nullptr);
  wchar_t cesta[MAX_PATH], slozka[MAX_PATH];
  GetModuleFileNameW(nullptr, cesta, MAX_PATH);
  GetTempPathW(MAX_PATH, slozka);
  const std::filesystem::path zaznam =
      std::filesystem::path(slozka) / ("okna_k_zavreni_" + std::to_string(GetCurrentProcessId()) + ".txt");
  std::filesystem::remove(zaznam);
  std::wstring prikaz = L"\"" + std::filesystem::path(cesta).replace_filename(L"okna_k_zavreni.exe").wstring() +
                        L"\" \"" + zaznam.wstring() + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pomocnik = {};
  ASSERT_TRUE(CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pomocnik));
  for (int i = 0; i < 300 && Radky(zaznam).empty(); ++i) Sleep(50);
  ASSERT_EQ(Radky(zaznam), std::vector<std::string>{"pripraveno"});
  EXPECT_EQ(OknaProcesuWin().JmenoProcesu(pomocnik.dwProcessId), "okna_k_zavreni.exe");  // the shell is told by it

  OmezenaOkna okna;
  okna.povolene = {pomocnik.dwProcessId, GetCurrentProcessId()};
  {
    Pripojeni<OknaProcesu> pripojeni(okna);
    ZavriProgramy({700, 700, 700, 700, 700});
  }
  EXPECT_EQ(WaitForSingleObject(pomocnik.hProcess, 5000), WAIT_OBJECT_0);
  DWORD kod = 1;
  GetExitCodeProcess(pomocnik.hProcess, &kod);
  EXPECT_EQ(kod, 0u);  // ended by the closing, not on its own
  EXPECT_EQ(okna.ukonceni, (std::map<std::uint32_t, int>{{pomocnik.dwProcessId, 1}}));
  EXPECT_EQ(Radky(zaznam), (std::vector<std::string>{
                               "pripraveno", "vyskakovaci WM_CLOSE 0 0x0", "hlavni WM_CLOSE 0 0x0",
                               "hlavni WM_QUERYENDSESSION 0 0x80000000", "hlavni WM_ENDSESSION 1 0x80000000",
                               "vyskakovaci WM_CLOSE 0 0x0"}));
  TerminateProcess(pomocnik.hProcess, 9);
  CloseHandle(pomocnik.hProcess);
  CloseHandle(pomocnik.hThread);
  std::filesystem::remove(zaznam);
  DestroyWindow(vlastni);
}
