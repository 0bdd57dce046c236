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
// holds its own shell windows and other programs, which must never be closed or terminated.
class OmezenaOkna final : public OknaProcesuWin {
 public:
  std::set<std::uint32_t> povolene;
  std::map<std::uint32_t, int> ukonceni;

  void ProjdiOkna(ZpetneVolani volani, std::intptr_t navic) override {
    std::vector<HandleOkna> vsechna;
    OknaProcesuWin::ProjdiOkna(
        [](HandleOkna okno, std::intptr_t seznam) {
          reinterpret_cast<std::vector<HandleOkna>*>(seznam)->push_back(okno);
          return 1;
        },
        reinterpret_cast<std::intptr_t>(&vsechna));
    for (HandleOkna okno : vsechna)
      if (povolene.contains(Proces(okno)) && !volani(okno, navic)) break;
  }
  bool UkonciProces(std::uint32_t proces) override {
    ++ukonceni[proces];
    return povolene.contains(proces) && OknaProcesuWin::UkonciProces(proces);
  }
};

std::wstring VedleTestu(const wchar_t* jmeno) {
  wchar_t cesta[MAX_PATH];
  const DWORD delka = GetModuleFileNameW(nullptr, cesta, MAX_PATH);
  std::wstring slozka(cesta, delka);
  return slozka.substr(0, slozka.find_last_of(L"\\/") + 1) + jmeno;
}

std::vector<std::string> Radky(const std::wstring& soubor) {
  std::ifstream vstup{std::filesystem::path(soubor)};
  std::vector<std::string> radky;
  for (std::string radek; std::getline(vstup, radek);) radky.push_back(radek);
  return radky;
}

// Our own visible window: the closing must pass it over, though it is a main window like any other.
int zavrenaVlastni = 0;
LRESULT CALLBACK VlastniOkno(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_CLOSE) {
    ++zavrenaVlastni;
    return 0;
  }
  return DefWindowProcW(okno, zprava, w, l);
}

class ZaviraniWin : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t slozka[MAX_PATH];
    GetTempPathW(MAX_PATH, slozka);
    zaznam_ = std::wstring(slozka) + L"okna_k_zavreni_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(zaznam_.c_str());
    std::wstring prikaz = L"\"" + VedleTestu(L"okna_k_zavreni.exe") + L"\" \"" + zaznam_ + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                               &pomocnik_));
    for (int i = 0; i < 300 && Radky(zaznam_).empty(); ++i) Sleep(50);
    ASSERT_EQ(Radky(zaznam_), std::vector<std::string>{"pripraveno"});
  }
  void TearDown() override {
    if (pomocnik_.hProcess != nullptr) {
      if (WaitForSingleObject(pomocnik_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pomocnik_.hProcess, 9);
      CloseHandle(pomocnik_.hProcess);
      CloseHandle(pomocnik_.hThread);
    }
    DeleteFileW(zaznam_.c_str());
  }

  std::wstring zaznam_;
  PROCESS_INFORMATION pomocnik_ = {};
};

TEST_F(ZaviraniWin, KazdeOknoDostaneSvojeAProcesSkonciJednou) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = VlastniOkno;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VlastniOknoTestu";
  RegisterClassW(&wc);
  HWND vlastni = CreateWindowExW(0, wc.lpszClassName, L"vlastni", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(vlastni, nullptr);

  OmezenaOkna okna;
  okna.povolene = {pomocnik_.dwProcessId, GetCurrentProcessId()};
  {
    Pripojeni<OknaProcesu> pripojeni(okna);
    ZavriProgramy({700, 700, 700, 700, 700});
  }

  ASSERT_EQ(WaitForSingleObject(pomocnik_.hProcess, 5000), WAIT_OBJECT_0);
  DWORD kod = 1;
  GetExitCodeProcess(pomocnik_.hProcess, &kod);
  EXPECT_EQ(kod, 0u);  // ended by the closing, not on its own
  EXPECT_EQ(okna.ukonceni, (std::map<std::uint32_t, int>{{pomocnik_.dwProcessId, 1}}));
  const std::vector<std::string> ocekavano = {
      "pripraveno",
      "vyskakovaci WM_CLOSE 0 0x0",
      "hlavni WM_CLOSE 0 0x0",
      "hlavni WM_QUERYENDSESSION 0 0x80000000",
      "hlavni WM_ENDSESSION 1 0x80000000",
      "vyskakovaci WM_CLOSE 0 0x0",
  };
  EXPECT_EQ(Radky(zaznam_), ocekavano);
  EXPECT_EQ(zavrenaVlastni, 0);
  DestroyWindow(vlastni);
}

}  // namespace
