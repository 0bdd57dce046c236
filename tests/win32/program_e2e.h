#pragma once
// The real vypnuti.exe for the end-to-end tests: started as a user or the autostart entry would start
// it, in dry-run mode, and what can be seen of it from outside.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ovladani.h"
#include "platform/win32/text_win.h"
#include "platform/win32/uloziste_win.h"


inline constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

inline std::filesystem::path SouborNanecisto() { return std::filesystem::temp_directory_path() / "vypnuti-e2e.txt"; }

inline std::vector<std::string> Zaznamy() {
  std::ifstream vstup(SouborNanecisto());
  std::vector<std::string> radky;
  for (std::string radek; std::getline(vstup, radek);) radky.push_back(radek.substr(0, radek.find('\r')));
  return radky;
}

inline std::optional<std::wstring> HodnotaAutostartu(const wchar_t* klic) {
  wchar_t data[2048];
  DWORD bajtu = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, klic, L"ZDKZ", RRF_RT_REG_SZ, nullptr, data, &bajtu) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

// The program started with a command line, closed at the end as the main window's exit would close
// it (WM_CLOSE to the warning window), or ended if it does not go.
class Program {
 public:
  explicit Program(const std::wstring& argument, const std::filesystem::path& exe = VedleTestu(L"vypnuti.exe")) {
    std::wstring radek = L"\"" + exe.wstring() + L"\" " + argument;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(nullptr, radek.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_)) return;
    CloseHandle(info_.hThread);
    WaitForInputIdle(info_.hProcess, 10000);
  }
  ~Program() {
    Zavri();
    if (Bezi()) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
  }

  bool Bezi() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  DWORD KodUkonceni() const {
    DWORD kod = 0;
    GetExitCodeProcess(info_.hProcess, &kod);
    return kod;
  }
  DWORD Vlakno() const { return info_.dwThreadId; }
  HANDLE Proces() const { return info_.hProcess; }
  bool Skoncil(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }
  void Zavri() const {
    if (HWND okno = Okno(L"frmkzupozorneni")) PostMessageW(okno, WM_CLOSE, 0, 0);
    Skoncil(10000);
  }
  // The program's top-level window of that class.
  HWND Okno(const wchar_t* trida) const {
    for (HWND okno = nullptr; (okno = FindWindowExW(nullptr, okno, trida, nullptr)) != nullptr;) {
      DWORD vlastnik = 0;
      GetWindowThreadProcessId(okno, &vlastnik);
      if (vlastnik == info_.dwProcessId) return okno;
    }
    return nullptr;
  }
  HWND Hlavni() const { return Okno(L"frmkzhlavni"); }
  // A box (a message box or the input box) that the program shows; only once it is on the screen, for
  // its controls are made before it shows.
  HWND Dialog() const {
    HWND box = Okno(L"#32770");
    return IsWindowVisible(box) ? box : nullptr;
  }
  bool UpozorneniViditelne() const { return IsWindowVisible(Okno(L"frmkzupozorneni")); }
  std::wstring Odpocet() const { return Text(FindWindowExW(Okno(L"frmkzupozorneni"), nullptr, L"Static", nullptr)); }
  HWND Storno() const { return FindWindowExW(Okno(L"frmkzupozorneni"), nullptr, L"tlText", nullptr); }

 private:
  PROCESS_INFORMATION info_ = {};
};


inline std::wstring TextZpravy(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }

// The status bar's text: it has to be read into memory of the program's own.
inline std::wstring StavovyRadek(const Program& program) {
  HWND lista = FindWindowExW(program.Hlavni(), nullptr, STATUSCLASSNAMEW, nullptr);
  constexpr SIZE_T Velikost = 512 * sizeof(wchar_t);
  void* cizi = VirtualAllocEx(program.Proces(), nullptr, Velikost, MEM_COMMIT, PAGE_READWRITE);
  if (!lista || !cizi) return L"(no status bar)";
  wchar_t text[512] = {};
  SendMessageW(lista, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(cizi));
  ReadProcessMemory(program.Proces(), cizi, text, Velikost - sizeof(wchar_t), nullptr);
  VirtualFreeEx(program.Proces(), cizi, 0, MEM_RELEASE);
  return text;
}

// Waits for a box of the program and answers it with the button's identifier.
inline std::wstring OdpovezBoxu(const Program& program, int tlacitko) {
  HWND box = nullptr;
  if (!Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s)) return L"(no box)";
  const std::wstring text = TextZpravy(box);
  PostMessageW(box, WM_COMMAND, tlacitko, 0);
  Dockej([&] { return program.Dialog() == nullptr; }, 5s);
  return text;
}

// Waits for the password prompt and types the answer into it.
inline std::wstring ZadejHeslo(const Program& program, const wchar_t* heslo) {
  HWND box = nullptr;
  if (!Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s)) return L"(no prompt)";
  const std::wstring vyzva = Text(box) + L"|" + Text(GetDlgItem(box, 201));
  SetDlgItemTextW(box, 202, heslo);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  Dockej([&] { return program.Dialog() != box; }, 5s);
  return vyzva;
}

class Program_e2e : public ::testing::Test {
 protected:
  void SetUp() override {
    Uklid();
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", SouborNanecisto().c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", nullptr);
    Uklid();
  }
  static void Uklid() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZD\\ZDKZ", L"parametr");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRun, L"ZDKZ");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRunOnce, L"ZDKZ");
    std::filesystem::remove(SouborNanecisto());
  }
  UlozisteWin uloziste;
};

