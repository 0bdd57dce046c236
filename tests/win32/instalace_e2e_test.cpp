// The installer and the uninstaller as a user meets them, run silently under Wine: a fresh install and
// the program started from its Start-menu shortcut, an update over a running program with an armed
// schedule, and an uninstall that leaves nothing of the program behind. The installers of this build
// and of an older one (a lower version) lie beside the test program.
#include "program_e2e.h"

#include <objbase.h>
#include <tlhelp32.h>

#include "platform/produkt.h"

namespace {

constexpr const wchar_t* Nazev = L"Vypnut\u00ed po\u010d\u00edta\u010de";
constexpr const wchar_t* KlicOdinstalace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZDKZ";
constexpr const wchar_t* KlicNastaveni = L"Software\\ZD\\ZDKZ";

const fs::path SlozkaInstalace = Slozka(FOLDERID_LocalAppData) / L"Programs" / Nazev,
               Program = SlozkaInstalace / L"vypnuti.exe", Odinstalator = SlozkaInstalace / L"odinstalovat.exe",
               ZastupceStart = Slozka(FOLDERID_Programs) / (std::wstring(Nazev) + L".lnk"),
               ZastupcePlocha = Slozka(FOLDERID_Desktop) / (std::wstring(Nazev) + L".lnk");

int Instaluj(const wchar_t* instalator) { return Proces(L"/S", VedleTestu(instalator), true).Kod(60000); }

DWORD Rodic(DWORD proces) {
  PROCESSENTRY32W zaznam{.dwSize = sizeof(PROCESSENTRY32W)};
  HANDLE snimek = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  BOOL dalsi = Process32FirstW(snimek, &zaznam);
  while (dalsi && zaznam.th32ProcessID != proces) dalsi = Process32NextW(snimek, &zaznam);
  CloseHandle(snimek);
  return dalsi ? zaznam.th32ParentProcessID : 0;
}

// A window of this test stands for the desktop's shell, which the installer starts the program through.
struct NahradniShell {
  HWND okno = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  NahradniShell() {
    using Nastav = BOOL(WINAPI*)(HWND);
    if (auto nastav = reinterpret_cast<Nastav>(GetProcAddress(GetModuleHandleW(L"user32"), "SetShellWindow")))
      nastav(okno);
  }
  ~NahradniShell() { DestroyWindow(okno); }
};

bool KlicExistuje(const wchar_t* klic) {
  HKEY h = nullptr;
  return RegOpenKeyExW(HKEY_CURRENT_USER, klic, 0, KEY_READ, &h) == ERROR_SUCCESS && RegCloseKey(h) == ERROR_SUCCESS;
}

std::wstring VerzeSouboru(const fs::path& soubor) {
  std::vector<char> data(GetFileVersionInfoSizeW(soubor.c_str(), nullptr) + 1);
  VS_FIXEDFILEINFO* c = nullptr;
  UINT delka = 0;
  if (!GetFileVersionInfoW(soubor.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
      !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&c), &delka))
    return L"(none)";
  return std::to_wstring(HIWORD(c->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(c->dwFileVersionMS)) + L"." +
         std::to_wstring(HIWORD(c->dwFileVersionLS)) + L"." + std::to_wstring(LOWORD(c->dwFileVersionLS));
}

fs::path CilZastupce(const fs::path& zastupce) {
  wchar_t cil[MAX_PATH] = {};
  IShellLinkW* odkaz = nullptr;
  IPersistFile* soubor = nullptr;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(&odkaz));
  if (odkaz && SUCCEEDED(odkaz->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&soubor))) &&
      SUCCEEDED(soubor->Load(zastupce.c_str(), STGM_READ)))
    odkaz->GetPath(cil, MAX_PATH, nullptr, 0);
  if (soubor) soubor->Release();
  if (odkaz) odkaz->Release();
  return cil;
}

// Power actions are only written down, also by a program that the installer starts.
class Instalace_e2e : public Program_e2e {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), Program_e2e::SetUp(), Odklid(); }
  void TearDown() override { Odklid(), Program_e2e::TearDown(), CoUninitialize(); }

  // The uninstaller as the installed-programs list runs it silently; it hands its work to a copy of
  // itself and returns, so the entry's going (its last step) tells that it is done.
  static void Odinstaluj() {
    const auto prikaz = Hodnota(KlicOdinstalace, L"QuietUninstallString");
    ASSERT_TRUE(prikaz.has_value()) << "no installed-programs entry";
    ASSERT_EQ(Proces(*prikaz, {}, true).Kod(60000), 0);
    EXPECT_TRUE(DOCKEJ(30s, !KlicExistuje(KlicOdinstalace))) << "the uninstaller did not finish";
  }

  // Nothing of a run may stay for the next test: no program, no install, no store.
  static void Odklid() {
    for (int i = 0; i < 3 && FindWindowW(L"frmkzupozorneni", nullptr); ++i) Proces(0ms);  // closes it
    if (KlicExistuje(KlicOdinstalace) && fs::exists(SlozkaInstalace)) Odinstaluj();
    std::error_code chyba;
    for (const fs::path& cesta : {SlozkaInstalace, ZastupceStart, ZastupcePlocha}) fs::remove_all(cesta, chyba);
    for (const wchar_t* klic : {KlicOdinstalace, KlicNastaveni}) RegDeleteTreeW(HKEY_CURRENT_USER, klic);
  }
};

}  // namespace

TEST_F(Instalace_e2e, InstalaceZastupceAOdinstalaceBeziciho) {
  // The user chose a folder that holds a file of their own. A copy run from another folder is not the
  // installed one: a silent install leaves it running.
  const fs::path vlastni = SlozkaInstalace / L"data" / L"vlastni.bin",
                 prenosna = fs::temp_directory_path() / L"vypnuti-prenosny";
  fs::create_directories(vlastni.parent_path());
  std::ofstream(vlastni, std::ios::binary) << std::string(3 << 20, 'x');
  fs::create_directories(prenosna);
  fs::copy_file(VedleTestu(L"vypnuti.exe"), prenosna / L"vypnuti.exe", fs::copy_options::overwrite_existing);
  {
    const Proces prenosny(L"/restart" + Utf16(ZaMinut(120)), prenosna / L"vypnuti.exe", true);
    ASSERT_TRUE(DOCKEJ(15s, prenosny.Upozorneni())) << "the portable copy did not start";
    ASSERT_EQ(Instaluj(L"vypnuti-instalace.exe"), 0);
    EXPECT_TRUE(prenosny.Bezi()) << "the portable copy was ended";
  }
  std::error_code chyba;
  fs::remove_all(prenosna, chyba);
  ASSERT_TRUE(fs::exists(Program)) << Program;
  EXPECT_EQ(VerzeSouboru(Program), L"" VYPNUTI_VERZE_TEXT);

  // The installed-programs entry, as the system's list shows it; only the installed files count in its size.
  std::wstring zaznam;
  for (const wchar_t* nazev : {L"DisplayName", L"DisplayVersion", L"Publisher", L"DisplayIcon", L"UninstallString"})
    zaznam += Hodnota(KlicOdinstalace, nazev).value_or(L"(none)") + L"\n";
  DWORD kb = 0, bajtu = sizeof kb;
  RegGetValueW(HKEY_CURRENT_USER, KlicOdinstalace, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &kb, &bajtu);
  EXPECT_EQ(zaznam + std::to_wstring(kb),
            Nazev + (L"\n" VYPNUTI_VERZE_TEXT L"\nZD\n" + Program.wstring()) + L",0\n\"" + Odinstalator.wstring() +
                L"\"\n" + std::to_wstring((fs::file_size(Program) + fs::file_size(Odinstalator) + 1023) / 1024));

  // The user starts it from the Start menu with a schedule (it replaces the copy's, and so does the
  // autostart entry), and puts its shortcut on the desktop.
  const fs::path cil = CilZastupce(ZastupceStart);
  ASSERT_TRUE(fs::equivalent(cil, Program)) << "the shortcut leads to " << cil;
  const std::string parametr = "/vypnuti" + ZaMinut(120);
  const Proces program(Utf16(parametr), cil, true);
  ASSERT_TRUE(DOCKEJ(15s, program.Upozorneni())) << "the program did not start";
  EXPECT_TRUE(fs::equivalent(program.Soubor(), Program));
  ASSERT_TRUE(DOCKEJ(10s, Ulozeny() == parametr)) << "the schedule not stored";
  EXPECT_EQ(Hodnota(KlicRun), L"\"" + cil.wstring() + L"\" " + Utf16(UlozenyTvar("")));
  EXPECT_TRUE(Hraj(program, "ikona tlKZ6?Zástupce tlKZ6"));  // its controls come a moment after the window
  ASSERT_TRUE(DOCKEJ(10s, fs::exists(ZastupcePlocha))) << "no desktop shortcut";

  // Uninstalled while it runs: it is ended as asked, and nothing of it is left.
  Odinstaluj();
  EXPECT_EQ(program.Kod(20000), 0);
  EXPECT_TRUE(fs::exists(vlastni)) << "the user's own file stays";
  std::string zbylo;
  for (const fs::path& cesta : {Program, Odinstalator, ZastupceStart, ZastupcePlocha})
    if (fs::exists(cesta)) zbylo += Utf8(cesta.wstring()) + " ";
  for (const wchar_t* klic : {KlicNastaveni, L"Software\\ZD", KlicOdinstalace})
    if (KlicExistuje(klic)) zbylo += Utf8(klic) + " ";
  EXPECT_EQ(zbylo + Zbytek() + (Hodnota(KlicRunOnce) ? " RunOnce" : ""), "''");
}

// For every user, as a deployment runs it: Program Files, the all-users shortcut, the entries under
// HKEY_LOCAL_MACHINE, whose autostart start with nothing to arm ends at once; the uninstaller removes them.
TEST_F(Instalace_e2e, ProVsechnyUzivatele) {
  const fs::path slozka = Slozka(FOLDERID_ProgramFiles) / Nazev,
                 zastupce = Slozka(FOLDERID_CommonPrograms) / (std::wstring(Nazev) + L".lnk");
  const auto hklm = [](auto klic, auto nazev) { return Hodnota(klic, nazev, HKEY_LOCAL_MACHINE).value_or(L"(none)"); };
  ASSERT_EQ(Proces(L"/S /AllUsers", VedleTestu(L"vypnuti-instalace.exe"), true).Kod(60000), 0);
  const std::wstring program = (slozka / L"vypnuti.exe").wstring();
  EXPECT_EQ(CilZastupce(zastupce).wstring() + L" | " + hklm(KlicRun, L"ZDKZ") + L" | " +
                hklm(KlicOdinstalace, L"InstallLocation") + L" | " + (KlicExistuje(KlicOdinstalace) ? L"HKCU" : L""),
            program + L" | \"" + program + L"\" /prihlaseni | " + slozka.wstring() + L" | ");
  EXPECT_EQ(Proces(hklm(KlicRun, L"ZDKZ"), {}, true).Kod(), 1) << "nothing to arm: it ends";
  ASSERT_EQ(Proces(L"/S /AllUsers", VedleTestu(L"vypnuti-instalace.exe"), true).Kod(60000), 0) << "over itself";

  ASSERT_EQ(Proces(hklm(KlicOdinstalace, L"QuietUninstallString"), {}, true).Kod(60000), 0);
  EXPECT_TRUE(DOCKEJ(30s, hklm(KlicOdinstalace, L"InstallLocation") == L"(none)"));
  EXPECT_EQ(std::to_wstring(fs::exists(program)) + std::to_wstring(fs::exists(zastupce)) + hklm(KlicRun, L"ZDKZ"),
            L"00(none)");
}

TEST_F(Instalace_e2e, AktualizaceZaBehuPokracujeVRozvrhu) {
#ifndef VYPNUTI_VERZE_STARSI
  FAIL() << "no installers were built: makensis is missing (tools/install-deps.sh installs it)";
#else
  ASSERT_EQ(Instaluj(L"starsi\\vypnuti-instalace.exe"), 0);
  ASSERT_EQ(VerzeSouboru(Program), L"" VYPNUTI_VERZE_STARSI);
  const Proces stary(L"/vypnuti" + Utf16(ZaMinut(120)), Program, true);
  ASSERT_TRUE(DOCKEJ(15s, stary.Upozorneni())) << "the older program did not start";
  ASSERT_TRUE(DOCKEJ(10s, !UlozisteWin().CtiParametr().empty())) << "no schedule stored";
  const std::string rozvrh = UlozisteWin().CtiParametr();

  // The update ends the running program with its schedule stored, replaces it and starts it again
  // through the shell: an installer run as administrator must not pass its rights on.
  const NahradniShell shell;
  ASSERT_EQ(GetShellWindow(), shell.okno);
  ASSERT_EQ(Instaluj(L"vypnuti-instalace.exe"), 0);
  EXPECT_EQ(stary.Kod(20000), 0);
  EXPECT_EQ(VerzeSouboru(Program) + L" " + Hodnota(KlicOdinstalace, L"DisplayVersion").value_or(L""),
            L"" VYPNUTI_VERZE_TEXT L" " VYPNUTI_VERZE_TEXT);
  const Proces novy(15s);
  ASSERT_TRUE(novy.Bezi()) << "the program was not started again";
  EXPECT_NE(novy.id, stary.id);
  EXPECT_TRUE(fs::equivalent(novy.Soubor(), Program));
  EXPECT_EQ(Rodic(novy.id), GetCurrentProcessId()) << "not started through the shell";

  // A silent install of the older version is refused and changes nothing.
  EXPECT_EQ(Instaluj(L"starsi\\vypnuti-instalace.exe"), 4);
  EXPECT_EQ(VerzeSouboru(Program), L"" VYPNUTI_VERZE_TEXT);
  EXPECT_TRUE(novy.Bezi()) << "the program was ended";

  // It took the schedule up: nothing armed would open the main window, and would forget the stored
  // schedule when the program ends.
  EXPECT_FALSE(DOCKEJ(2s, FindWindowW(L"frmkzhlavni", nullptr)));
  novy.Zavri();
  ASSERT_FALSE(novy.Bezi());
  EXPECT_EQ(UlozisteWin().CtiParametr(), rozvrh);
#endif
}
