// The installer and the uninstaller as a user meets them, run silently under Wine: a fresh install and
// the program started from its Start-menu shortcut, an update over a running program with an armed
// schedule, and an uninstall that leaves nothing of the program behind. The installers of this build
// and of an older one (a lower version) lie beside the test program.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ovladani.h"
#include "platform/produkt.h"

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* Nazev = L"Vypnut\u00ed po\u010d\u00edta\u010de";
constexpr const wchar_t* KlicOdinstalace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZDKZ";
constexpr const wchar_t* KlicNastaveni = L"Software\\ZD\\ZDKZ";
constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

fs::path Slozka(REFKNOWNFOLDERID id) {
  PWSTR cesta = nullptr;
  fs::path vysledek;
  if (SHGetKnownFolderPath(id, 0, nullptr, &cesta) == S_OK) vysledek = cesta;
  CoTaskMemFree(cesta);
  return vysledek;
}
fs::path SlozkaInstalace() { return Slozka(FOLDERID_LocalAppData) / L"Programs" / Nazev; }
fs::path Program() { return SlozkaInstalace() / L"vypnuti.exe"; }
fs::path ZastupceStart() { return Slozka(FOLDERID_Programs) / (std::wstring(Nazev) + L".lnk"); }
fs::path ZastupcePlocha() { return Slozka(FOLDERID_Desktop) / (std::wstring(Nazev) + L".lnk"); }

// Runs a command line, to its end when asked: its exit code (0 when not waited for), or -1 when it did
// not start or did not end in time.
long Spust(std::wstring radek, bool dokonce = true) {
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, radek.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  CloseHandle(pi.hThread);
  DWORD kod = 0;
  const bool skoncil =
      !dokonce || (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0 && GetExitCodeProcess(pi.hProcess, &kod));
  CloseHandle(pi.hProcess);
  return skoncil ? static_cast<long>(kod) : -1;
}

long Instaluj(const wchar_t* instalator) { return Spust(L"\"" + VedleTestu(instalator).wstring() + L"\" /S"); }

std::optional<std::wstring> Hodnota(const wchar_t* klic, const wchar_t* hodnota) {
  wchar_t data[2048];
  DWORD bajtu = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, klic, hodnota, RRF_RT_REG_SZ, nullptr, data, &bajtu) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

// The stored schedule byte for byte: its scrambled form may hold a zero.
std::vector<BYTE> UlozenyRozvrh() {
  std::vector<BYTE> data(4096);
  DWORD bajtu = static_cast<DWORD>(data.size());
  if (RegGetValueW(HKEY_CURRENT_USER, KlicNastaveni, L"parametr", RRF_RT_ANY, nullptr, data.data(), &bajtu) !=
      ERROR_SUCCESS) {
    return {};
  }
  data.resize(bajtu);
  return data;
}

DWORD Rodic(DWORD proces) {
  PROCESSENTRY32W zaznam{.dwSize = sizeof(PROCESSENTRY32W)};
  HANDLE snimek = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  DWORD rodic = 0;
  for (BOOL dalsi = Process32FirstW(snimek, &zaznam); dalsi; dalsi = Process32NextW(snimek, &zaznam))
    if (zaznam.th32ProcessID == proces) rodic = zaznam.th32ParentProcessID;
  CloseHandle(snimek);
  return rodic;
}

// A window of this test stands for the desktop's shell, which the installer starts the program through.
class NahradniShell {
 public:
  NahradniShell()
      : okno_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)) {
    using Nastav = BOOL(WINAPI*)(HWND);
    const auto nastav = reinterpret_cast<Nastav>(GetProcAddress(GetModuleHandleW(L"user32"), "SetShellWindow"));
    if (nastav) nastav(okno_);
  }
  ~NahradniShell() { DestroyWindow(okno_); }
  NahradniShell(const NahradniShell&) = delete;
  NahradniShell& operator=(const NahradniShell&) = delete;
  bool Je() const { return GetShellWindow() == okno_; }

 private:
  HWND okno_;
};

bool KlicExistuje(const wchar_t* klic) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, klic, 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

std::wstring VerzeSouboru(const fs::path& soubor) {
  std::vector<char> data(GetFileVersionInfoSizeW(soubor.c_str(), nullptr));
  VS_FIXEDFILEINFO* cisla = nullptr;
  UINT delka = 0;
  if (data.empty() || !GetFileVersionInfoW(soubor.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
      !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&cisla), &delka)) {
    return L"(none)";
  }
  return std::to_wstring(HIWORD(cisla->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(cisla->dwFileVersionMS)) +
         L"." + std::to_wstring(HIWORD(cisla->dwFileVersionLS)) + L"." +
         std::to_wstring(LOWORD(cisla->dwFileVersionLS));
}

fs::path CilZastupce(const fs::path& zastupce) {
  wchar_t cil[MAX_PATH] = {};
  IShellLinkW* odkaz = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&odkaz)))) {
    IPersistFile* soubor = nullptr;
    if (SUCCEEDED(odkaz->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&soubor)))) {
      if (SUCCEEDED(soubor->Load(zastupce.c_str(), STGM_READ))) odkaz->GetPath(cil, MAX_PATH, nullptr, 0);
      soubor->Release();
    }
    odkaz->Release();
  }
  return cil;
}

bool TenSoubor(const fs::path& a, const fs::path& b) {
  std::error_code chyba;
  return fs::equivalent(a, b, chyba);
}

// The running program as seen from outside: its hidden window and its process.
struct Bezici {
  HWND okno = nullptr;
  HANDLE proces = nullptr;
  DWORD id = 0;

  static Bezici Najdi() {
    Bezici b;
    b.okno = FindWindowW(L"frmkzupozorneni", nullptr);
    if (!b.okno) return b;
    GetWindowThreadProcessId(b.okno, &b.id);
    b.proces = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, b.id);
    return b;
  }
  static Bezici Pockej() {
    Dockej([] { return FindWindowW(L"frmkzupozorneni", nullptr) != nullptr; }, 15s);
    return Najdi();
  }
  Bezici() = default;
  Bezici(Bezici&& b) noexcept : okno(b.okno), proces(std::exchange(b.proces, nullptr)), id(b.id) {}
  ~Bezici() {
    if (proces) CloseHandle(proces);
  }
  fs::path Soubor() const {
    wchar_t cesta[MAX_PATH] = {};
    DWORD delka = MAX_PATH;
    if (!proces || !QueryFullProcessImageNameW(proces, 0, cesta, &delka)) return {};
    return cesta;
  }
  bool Skoncil() const { return !proces || WaitForSingleObject(proces, 20000) == WAIT_OBJECT_0; }
  DWORD Kod() const {
    DWORD kod = STILL_ACTIVE;
    if (proces) GetExitCodeProcess(proces, &kod);
    return kod;
  }
};

class Instalace_e2e : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Power actions are only written down, also by a program that the installer starts.
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", (fs::temp_directory_path() / "vypnuti-instalace.txt").c_str());
    Uklid();
  }
  void TearDown() override {
    Uklid();
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", nullptr);
    CoUninitialize();
  }

  // The uninstaller as the installed-programs list runs it silently; it hands its work to a copy of
  // itself and returns, so the entry's going (its last step) tells that it is done.
  static void Odinstaluj() {
    const auto prikaz = Hodnota(KlicOdinstalace, L"QuietUninstallString");
    ASSERT_TRUE(prikaz.has_value()) << "no installed-programs entry";
    ASSERT_EQ(Spust(*prikaz), 0);
    EXPECT_TRUE(Dockej([] { return !KlicExistuje(KlicOdinstalace); }, 30s)) << "the uninstaller did not finish";
  }

  // Nothing of a run may stay for the next test: no program, no install, no store.
  static void Uklid() {
    for (int i = 0; i < 3; ++i) {
      Bezici b = Bezici::Najdi();
      if (!b.okno) break;
      PostMessageW(b.okno, WM_CLOSE, 0, 0);
      if (!b.Skoncil() && b.proces) TerminateProcess(b.proces, 1);
    }
    if (KlicExistuje(KlicOdinstalace) && fs::exists(SlozkaInstalace())) Odinstaluj();
    std::error_code chyba;
    fs::remove_all(SlozkaInstalace(), chyba);
    fs::remove(ZastupceStart(), chyba);
    fs::remove(ZastupcePlocha(), chyba);
    RegDeleteTreeW(HKEY_CURRENT_USER, KlicOdinstalace);
    RegDeleteTreeW(HKEY_CURRENT_USER, KlicNastaveni);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRun, L"ZDKZ");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRunOnce, L"ZDKZ");
  }
};

}  // namespace

TEST_F(Instalace_e2e, InstalaceZastupceAOdinstalaceBeziciho) {
  // The user chose a folder that holds a file of their own.
  const fs::path vlastni = SlozkaInstalace() / L"data" / L"vlastni.bin";
  fs::create_directories(vlastni.parent_path());
  std::ofstream(vlastni, std::ios::binary) << std::string(3 << 20, 'x');
  ASSERT_EQ(Instaluj(L"vypnuti-instalace.exe"), 0);
  ASSERT_TRUE(fs::exists(Program())) << Program();
  EXPECT_EQ(VerzeSouboru(Program()), L"" VYPNUTI_VERZE_TEXT);

  // The installed-programs entry, as the system's list shows it.
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"DisplayName"), Nazev);
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"DisplayVersion"), L"" VYPNUTI_VERZE_TEXT);
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"Publisher"), L"ZD");
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"DisplayIcon"), Program().wstring() + L",0");
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"UninstallString"),
            L"\"" + (SlozkaInstalace() / L"odinstalovat.exe").wstring() + L"\"");
  DWORD kb = 0, bajtu = sizeof kb;
  RegGetValueW(HKEY_CURRENT_USER, KlicOdinstalace, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &kb, &bajtu);
  EXPECT_EQ(kb, (fs::file_size(Program()) + fs::file_size(SlozkaInstalace() / L"odinstalovat.exe") + 1023) / 1024)
      << "only the installed files count";

  // The user starts it from the Start menu with a schedule, and puts its shortcut on the desktop.
  const fs::path cil = CilZastupce(ZastupceStart());
  ASSERT_TRUE(TenSoubor(cil, Program())) << "the shortcut leads to " << cil;
  ASSERT_EQ(Spust(L"\"" + cil.wstring() + L"\" /vypnuti" + ZaMinutW(120), false), 0);
  const Bezici program = Bezici::Pockej();
  ASSERT_TRUE(program.okno) << "the program did not start";
  EXPECT_TRUE(TenSoubor(program.Soubor(), Program()));
  ASSERT_TRUE(Dockej([] { return !UlozenyRozvrh().empty(); }, 10s)) << "no schedule stored";
  KlikNaIkonu(program.okno);
  ASSERT_TRUE(Dockej([] { return FindWindowW(L"frmkzhlavni", nullptr) != nullptr; }, 10s));
  HWND zastupce = Potomek(FindWindowW(L"frmkzhlavni", nullptr), L"tlText", L"Z\u00e1stupce");
  ASSERT_TRUE(zastupce);
  Klikni(zastupce);
  ASSERT_TRUE(Dockej([] { return fs::exists(ZastupcePlocha()); }, 10s)) << "no desktop shortcut";
  ASSERT_TRUE(Hodnota(KlicRun, L"ZDKZ").has_value());

  // Uninstalled while it runs: it is ended as asked, and nothing of it is left.
  Odinstaluj();
  EXPECT_TRUE(program.Skoncil());
  EXPECT_EQ(program.Kod(), 0u);
  EXPECT_FALSE(fs::exists(Program()));
  EXPECT_FALSE(fs::exists(SlozkaInstalace() / L"odinstalovat.exe"));
  EXPECT_TRUE(fs::exists(vlastni)) << "the user's own file stays";
  EXPECT_FALSE(fs::exists(ZastupceStart()));
  EXPECT_FALSE(fs::exists(ZastupcePlocha()));
  EXPECT_FALSE(KlicExistuje(KlicNastaveni));
  EXPECT_FALSE(KlicExistuje(L"Software\\ZD"));
  EXPECT_FALSE(Hodnota(KlicRun, L"ZDKZ").has_value());
  EXPECT_FALSE(Hodnota(KlicRunOnce, L"ZDKZ").has_value());
  EXPECT_FALSE(KlicExistuje(KlicOdinstalace));
}

TEST_F(Instalace_e2e, AktualizaceZaBehuPokracujeVRozvrhu) {
#ifndef VYPNUTI_VERZE_STARSI
  FAIL() << "no installers were built: makensis is missing (tools/install-deps.sh installs it)";
#else
  ASSERT_EQ(Instaluj(L"starsi\\vypnuti-instalace.exe"), 0);
  ASSERT_EQ(VerzeSouboru(Program()), L"" VYPNUTI_VERZE_STARSI);
  ASSERT_EQ(Spust(L"\"" + Program().wstring() + L"\" /vypnuti" + ZaMinutW(120), false), 0);
  const Bezici stary = Bezici::Pockej();
  ASSERT_TRUE(stary.okno) << "the older program did not start";
  ASSERT_TRUE(Dockej([] { return !UlozenyRozvrh().empty(); }, 10s)) << "no schedule stored";
  const std::vector<BYTE> rozvrh = UlozenyRozvrh();

  // The update ends the running program with its schedule stored, replaces it and starts it again
  // through the shell: an installer run as administrator must not pass its rights on.
  const NahradniShell shell;
  ASSERT_TRUE(shell.Je());
  ASSERT_EQ(Instaluj(L"vypnuti-instalace.exe"), 0);
  EXPECT_TRUE(stary.Skoncil());
  EXPECT_EQ(stary.Kod(), 0u);
  EXPECT_EQ(VerzeSouboru(Program()), L"" VYPNUTI_VERZE_TEXT);
  EXPECT_EQ(Hodnota(KlicOdinstalace, L"DisplayVersion"), L"" VYPNUTI_VERZE_TEXT);
  const Bezici novy = Bezici::Pockej();
  ASSERT_TRUE(novy.okno) << "the program was not started again";
  EXPECT_NE(novy.id, stary.id);
  EXPECT_TRUE(TenSoubor(novy.Soubor(), Program()));
  EXPECT_EQ(Rodic(novy.id), GetCurrentProcessId()) << "not started through the shell";

  // A silent install of the older version is refused and changes nothing.
  EXPECT_EQ(Instaluj(L"starsi\\vypnuti-instalace.exe"), 4);
  EXPECT_EQ(VerzeSouboru(Program()), L"" VYPNUTI_VERZE_TEXT);
  EXPECT_EQ(WaitForSingleObject(novy.proces, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the program was ended";

  // It took the schedule up: nothing armed would open the main window, and would forget the stored
  // schedule when the program ends.
  EXPECT_FALSE(Dockej([] { return FindWindowW(L"frmkzhlavni", nullptr) != nullptr; }, 2s));
  PostMessageW(novy.okno, WM_CLOSE, 0, 0);
  ASSERT_TRUE(novy.Skoncil());
  EXPECT_EQ(UlozenyRozvrh(), rozvrh);
#endif
}

// A copy run from another folder is not the installed one: a silent install leaves it running.
TEST_F(Instalace_e2e, PrenosnaKopieBeziDal) {
  const fs::path slozka = fs::temp_directory_path() / L"vypnuti-prenosny";
  fs::create_directories(slozka);
  fs::copy_file(VedleTestu(L"vypnuti.exe"), slozka / L"vypnuti.exe", fs::copy_options::overwrite_existing);
  ASSERT_EQ(Spust(L"\"" + (slozka / L"vypnuti.exe").wstring() + L"\" /vypnuti" + ZaMinutW(120), false), 0);
  const Bezici prenosny = Bezici::Pockej();
  ASSERT_TRUE(prenosny.okno) << "the portable copy did not start";

  ASSERT_EQ(Instaluj(L"vypnuti-instalace.exe"), 0);
  EXPECT_TRUE(fs::exists(Program()));
  EXPECT_EQ(WaitForSingleObject(prenosny.proces, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the portable copy was ended";
  Uklid();
  std::error_code chyba;
  fs::remove_all(slozka, chyba);
}
