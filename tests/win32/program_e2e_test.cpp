// The real vypnuti.exe, started as a user or the autostart entry would start it, in dry-run mode:
// what the user sees (windows, texts, boxes), what is left in the registry, the recorded action.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "platform/win32/uloziste_win.h"

namespace {

using namespace std::chrono_literals;
using Hodiny = std::chrono::steady_clock;

std::wstring Slozka() {
  wchar_t cesta[MAX_PATH];
  GetModuleFileNameW(nullptr, cesta, MAX_PATH);
  return std::filesystem::path(cesta).parent_path().wstring();
}

std::wstring SouborNanecisto() {
  wchar_t slozka[MAX_PATH];
  GetTempPathW(MAX_PATH, slozka);
  return std::wstring(slozka) + L"vypnuti-e2e-nanecisto.txt";
}

std::vector<std::string> Zaznamy() {
  std::ifstream vstup(std::filesystem::path(SouborNanecisto()), std::ios::binary);
  std::vector<std::string> radky;
  for (std::string radek; std::getline(vstup, radek);) {
    if (!radek.empty() && radek.back() == '\r') radek.pop_back();
    radky.push_back(radek);
  }
  return radky;
}

std::optional<std::wstring> HodnotaAutostartu(const wchar_t* klic) {
  wchar_t data[2048];
  DWORD bajtu = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, klic, L"ZDKZ", RRF_RT_REG_SZ, nullptr, data, &bajtu) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}
constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Waits until the test holds, checking every 100 ms; false when the time ran out.
template <class Podminka>
bool Dockej(Podminka podminka, std::chrono::milliseconds limit) {
  const auto konec = Hodiny::now() + limit;
  while (!podminka()) {
    if (Hodiny::now() > konec) return false;
    std::this_thread::sleep_for(100ms);
  }
  return true;
}

// Waits for a second of the wall clock between od and po, so that a countdown (which runs to the end
// of the present minute) ends a few seconds later.
void PockejNaSekundu(int od, int po) {
  Dockej(
      [&] {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return t.wSecond >= od && t.wSecond <= po;
      },
      70s);
}

struct HledaniOkna {
  DWORD proces;
  const wchar_t* trida;
  HWND nalezeno = nullptr;
};

HWND OknoProcesu(DWORD proces, const wchar_t* trida) {
  HledaniOkna h{proces, trida};
  EnumWindows(
      [](HWND okno, LPARAM l) -> BOOL {
        auto* h = reinterpret_cast<HledaniOkna*>(l);
        DWORD vlastnik = 0;
        GetWindowThreadProcessId(okno, &vlastnik);
        wchar_t trida[64] = {};
        GetClassNameW(okno, trida, 64);
        if (vlastnik != h->proces || lstrcmpW(trida, h->trida) != 0) return TRUE;
        h->nalezeno = okno;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&h));
  return h.nalezeno;
}

HWND Potomek(HWND rodic, const wchar_t* trida) { return FindWindowExW(rodic, nullptr, trida, nullptr); }

std::wstring Text(HWND okno) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(okno)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(okno, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The program, started with a command line, and closed at the end of the test as the main window's
// exit would close it (the warning window gets WM_CLOSE), or ended if it does not go.
class Program {
 public:
  explicit Program(const std::wstring& argument) {
    std::wstring radek = L"\"" + Slozka() + L"\\vypnuti.exe\"";
    if (!argument.empty()) radek += L" " + argument;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (CreateProcessW(nullptr, radek.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_)) {
      CloseHandle(info_.hThread);
      WaitForInputIdle(info_.hProcess, 10000);
    }
  }
  ~Program() {
    if (info_.hProcess == nullptr) return;
    if (Bezi()) {
      if (HWND okno = Upozorneni()) PostMessageW(okno, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
    }
    CloseHandle(info_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Bezi() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  bool Skoncil(std::chrono::milliseconds limit) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
  }
  HWND Upozorneni() const { return OknoProcesu(info_.dwProcessId, L"frmkzupozorneni"); }
  HWND Dialog() const { return OknoProcesu(info_.dwProcessId, L"#32770"); }
  bool UpozorneniViditelne() const {
    HWND okno = Upozorneni();
    return okno != nullptr && IsWindowVisible(okno);
  }
  std::wstring Odpocet() const { return Text(Potomek(Upozorneni(), L"Static")); }
  HWND Storno() const { return Potomek(Upozorneni(), L"tlText"); }
  void Zavri() {
    if (HWND okno = Upozorneni()) PostMessageW(okno, WM_CLOSE, 0, 0);
    Skoncil(10s);
  }

 private:
  PROCESS_INFORMATION info_ = {};
};

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
    DeleteFileW(SouborNanecisto().c_str());
  }
  UlozisteWin uloziste;
};

}  // namespace

TEST_F(Program_e2e, OdpocetAVypnuti) {
  PockejNaSekundu(48, 52);
  Program program(L"/vypnuti;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  EXPECT_TRUE(HodnotaAutostartu(KlicRun).has_value());
  EXPECT_TRUE(IsWindowEnabled(program.Storno()));

  std::set<std::wstring> texty;
  Dockej(
      [&] {
        texty.insert(program.Odpocet());
        return !Zaznamy().empty();
      },
      20s);
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0xFFFFFFFF"});
  texty.insert(program.Odpocet());
  EXPECT_TRUE(texty.count(L"Vypnut\u00ed za 6 vte\u0159in.")) << "seconds 54";
  EXPECT_TRUE(texty.count(L"Vypnut\u00ed za 3 vte\u0159iny.")) << "seconds 57";
  EXPECT_TRUE(texty.count(L"Nashledanou"));
  // Carried out, a one-off schedule leaves nothing behind.
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
  EXPECT_EQ(HodnotaAutostartu(KlicRunOnce), std::nullopt);
}

TEST_F(Program_e2e, StornoNechaProgramBezetNaprazdno) {
  PockejNaSekundu(48, 52);
  Program program(L"/restart;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  HWND storno = program.Storno();
  PostMessageW(storno, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(storno, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(Dockej([&] { return !program.UpozorneniViditelne(); }, 3s));
  // Past the moment of the action: nothing happened and the program waits idle in the tray.
  PockejNaSekundu(2, 5);
  EXPECT_TRUE(Zaznamy().empty());
  EXPECT_TRUE(program.Bezi());
  EXPECT_FALSE(program.UpozorneniViditelne());
  // Closed afterwards, the cancelled one-off schedule is forgotten.
  program.Zavri();
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
}

TEST_F(Program_e2e, ZakazanStornoUkazeNeaktivniTlacitko) {
  Program program(L"/vypnuti;zs;t/1/");
  ASSERT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 5s));
  EXPECT_FALSE(IsWindowEnabled(program.Storno()));
  EXPECT_EQ(Text(program.Storno()), L"S T O R N O");
}

TEST_F(Program_e2e, SkryteStornoNeukazeNicAPresVypne) {
  PockejNaSekundu(50, 53);
  Program program(L"/vypnuti;ss;t/1/");
  bool videt = false;
  const bool provedeno = Dockej(
      [&] {
        videt |= program.UpozorneniViditelne();
        return !Zaznamy().empty();
      },
      15s);
  EXPECT_TRUE(provedeno);
  EXPECT_FALSE(videt);
  EXPECT_EQ(program.Odpocet(), L"Nashledanou");
}

TEST_F(Program_e2e, DruheSpusteniSkonciHnedANicNezmeni) {
  Program prvni(L"/vypnuti;t/30/");
  ASSERT_TRUE(Dockej([&] { return !uloziste.CtiParametr().empty(); }, 5s));
  const std::string ulozeny = uloziste.CtiParametr();
  Program druhy(L"/restart;t/1/");
  EXPECT_TRUE(druhy.Skoncil(5s));
  EXPECT_EQ(uloziste.CtiParametr(), ulozeny);
  EXPECT_TRUE(prvni.Bezi());
}

TEST_F(Program_e2e, UlozenyPlanVyhrajeNadPrikazovymRadkem) {
  uloziste.ZapisParametr(UlozenyTvar("/restart;t/30/"));
  Program program(L"/vypnuti;t/1/");
  std::this_thread::sleep_for(2500ms);
  EXPECT_FALSE(program.UpozorneniViditelne()) << "the command line's one-minute schedule did not arm";
  const auto run = HodnotaAutostartu(KlicRun);
  ASSERT_TRUE(run.has_value());
  EXPECT_TRUE(run->ends_with(L"vypnuti.exe\" " + Utf16(UlozenyTvar("/restart;t/30/"))));
  // An armed schedule outlives the program's exit.
  program.Zavri();
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), "/restart;t/30/");
}

TEST_F(Program_e2e, ProslyUlozenyPlanZmiziPotichu) {
  uloziste.ZapisParametr(UlozenyTvar("/vypnuti;t/8:00/;d/1.1.2020/"));
  Program program(L"");
  EXPECT_TRUE(Dockej([&] { return uloziste.CtiParametr().empty(); }, 5s));
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(program.Dialog(), nullptr) << "no box";
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
  EXPECT_TRUE(program.Bezi());
}

TEST_F(Program_e2e, NapovedaAChybnyParametr) {
  const struct {
    const wchar_t* argument;
    const wchar_t* titulek;
    const wchar_t* zacatek;  // of the box's text
  } pripady[] = {
      {L"/?", L"Vypnut\u00ed po\u010d\u00edta\u010de parametrem z p\u0159\u00edkazov\u00e9ho \u0159\u00e1dku.",
       L"\r\n\r\n/vypnuti\r\n/restart\r\n"},
      {L"/foo", L"Vypnut\u00ed po\u010d\u00edta\u010de",
       L"/foo\r\n\r\nNezn\u00e1m\u00e9 nebo chybn\u00e9 zad\u00e1n\u00ed spou\u0161t\u011bc\u00edho parametru!\r\n\r\n"},
  };
  for (const auto& p : pripady) {
    Program program(p.argument);
    HWND box = nullptr;
    ASSERT_TRUE(Dockej([&] { return (box = program.Dialog()) != nullptr; }, 5s)) << p.argument;
    EXPECT_EQ(Text(box), p.titulek);
    HWND text = GetDlgItem(box, 0xFFFF);  // the message box's text
    EXPECT_TRUE(Text(text).starts_with(p.zacatek)) << p.argument;
    EXPECT_TRUE(Text(text).ends_with(L"\r\n/? - n\u00e1pov\u011bda")) << p.argument;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Dockej([&] { return program.Dialog() == nullptr; }, 3s));
    EXPECT_TRUE(program.Bezi()) << "after OK the program waits with nothing armed ";
  }
}
