#pragma once
// The real vypnuti.exe, its installers and helper programs for the end-to-end tests: started as a user,
// a script or the autostart entry would start them, the program in dry-run mode, and what can be seen
// of them from outside.
#include "zaklad_win.h"

#include "ovladani.h"
#include "platform/win32/uloziste_win.h"
#include "ui/navrh_oken.h"

// Dockej with the condition written in place.
#define DOCKEJ(limit, ...) Dockej([&] { return static_cast<bool>(__VA_ARGS__); }, limit)

inline constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* Vypnuto = "ExitWindowsEx 0x0000000D 0x80040001\r\n";  // the dry run's line

inline fs::path SouborNanecisto() { return fs::temp_directory_path() / "vypnuti-e2e.txt"; }
inline std::string Zaznam() { return Obsah(SouborNanecisto()); }
// The dry run's record once there is one (empty when the time ran out).
inline std::string DockejZaznam(std::chrono::milliseconds limit) {
  Dockej([] { return !Zaznam().empty(); }, limit);
  return Zaznam();
}

// The stored schedule as it was given, and what else is left for the next log-on: the autostart entry.
// Like every reading of the program's state, in a statement after the action it follows: the operands
// of one + may be evaluated in any order.
inline std::string Ulozeny() {
  const std::string ulozeny = UlozisteWin().CtiParametr();
  return ulozeny.empty() ? "" : RozbalUlozenyTvar(ulozeny).value_or("(damaged)");
}
inline std::string Zbytek() { return "'" + Ulozeny() + "'" + (Hodnota(KlicRun) ? " Run" : ""); }

// A process the test started or found: by default the program with a command line, closed at the end
// as the main window's exit would close it (WM_CLOSE to the warning window), or ended if it does not
// go. Started as from a script, its output goes to a pipe and nothing waits for its windows.
class Proces {
 public:
  explicit Proces(const std::wstring& argumenty, const fs::path& exe = VedleTestu(L"vypnuti.exe"),
                  bool zeSkriptu = false) {
    std::wstring radek = exe.empty() ? argumenty : L"\"" + exe.wstring() + L"\" " + argumenty;
    SECURITY_ATTRIBUTES dedit = {sizeof dedit, nullptr, TRUE};
    HANDLE zapis = nullptr;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (zeSkriptu && CreatePipe(&cteni_, &zapis, &dedit, 0)) {
      SetHandleInformation(cteni_, HANDLE_FLAG_INHERIT, 0);
      si.dwFlags = STARTF_USESTDHANDLES;
      si.hStdOutput = si.hStdError = zapis;
    }
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, radek.data(), nullptr, nullptr, zeSkriptu, 0, nullptr, nullptr, &si, &info)) {
      proces_ = info.hProcess, id_ = info.dwProcessId, vlakno_ = info.dwThreadId;
      CloseHandle(info.hThread);
      if (!zeSkriptu) WaitForInputIdle(proces_, 10000);
    }
    if (zapis) CloseHandle(zapis);
  }
  // The running program, whoever started it, found by its hidden window.
  static Proces Najdi(std::chrono::milliseconds limit = 0ms) {
    Proces p;
    Dockej([&] { return GetWindowThreadProcessId(FindWindowW(L"frmkzupozorneni", nullptr), &p.id_); }, limit);
    if (p.id_) p.proces_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, 0, p.id_);
    return p;
  }
  Proces(Proces&& p) noexcept
      : proces_(std::exchange(p.proces_, nullptr)),
        cteni_(std::exchange(p.cteni_, nullptr)),
        id_(std::exchange(p.id_, 0)),
        vlakno_(p.vlakno_) {}
  ~Proces() {
    Zavri();
    if (Bezi()) TerminateProcess(proces_, 9);
    if (proces_) CloseHandle(proces_);
    if (cteni_) CloseHandle(cteni_);
  }

  bool Bezi() const { return proces_ && WaitForSingleObject(proces_, 0) == WAIT_TIMEOUT; }
  bool Skoncil(DWORD ms) const { return !proces_ || WaitForSingleObject(proces_, ms) == WAIT_OBJECT_0; }
  // The exit code, or -1 while it runs.
  int Kod(DWORD ms = 10000) const {
    DWORD kod = 0;
    return proces_ && Skoncil(ms) && GetExitCodeProcess(proces_, &kod) ? static_cast<int>(kod) : -1;
  }
  void Zavri() const {
    if (HWND okno = Upozorneni()) {
      PostMessageW(okno, WM_CLOSE, 0, 0);
      Skoncil(10000);
    }
  }
  HANDLE Handle() const { return proces_; }
  DWORD Id() const { return id_; }
  DWORD Vlakno() const { return vlakno_; }
  fs::path Soubor() const {
    wchar_t cesta[MAX_PATH] = {};
    DWORD delka = MAX_PATH;
    return proces_ && QueryFullProcessImageNameW(proces_, 0, cesta, &delka) ? cesta : L"";
  }
  std::string Vystup() const {
    std::string text;
    char blok[256];
    for (DWORD precteno = 0; ReadFile(cteni_, blok, sizeof blok, &precteno, nullptr) && precteno;)
      text.append(blok, precteno);
    return text;
  }
  // Its top-level window of that class.
  HWND Okno(const wchar_t* trida) const {
    for (HWND okno = nullptr; id_ && (okno = FindWindowExW(nullptr, okno, trida, nullptr)) != nullptr;) {
      DWORD vlastnik = 0;
      GetWindowThreadProcessId(okno, &vlastnik);
      if (vlastnik == id_) return okno;
    }
    return nullptr;
  }
  HWND Hlavni() const { return Okno(L"frmkzhlavni"); }
  HWND Upozorneni() const { return Okno(L"frmkzupozorneni"); }
  // A box (a message box or the input box) that the program shows; only once it is on the screen, for
  // its controls are made before it shows.
  HWND Dialog() const {
    HWND box = Okno(L"#32770");
    return IsWindowVisible(box) ? box : nullptr;
  }
  bool UpozorneniViditelne() const { return IsWindowVisible(Upozorneni()); }
  std::wstring Odpocet() const { return Text(FindWindowExW(Upozorneni(), nullptr, L"Static", nullptr)); }
  HWND Storno() const { return FindWindowExW(Upozorneni(), nullptr, L"tlText", nullptr); }
  HWND Pole(Ovladac o) const { return GetDlgItem(Hlavni(), IdOvladace(o)); }
  HWND Tlacitko(const wchar_t* titulek) const { return Potomek(Hlavni(), L"tlText", titulek); }
  // The main window opened by a click on the tray icon.
  HWND OtevriIkonou() const {
    KlikNaIkonu(Upozorneni());
    return DOCKEJ(3s, Hlavni()) ? Hlavni() : nullptr;
  }

 private:
  Proces() = default;
  HANDLE proces_ = nullptr, cteni_ = nullptr;
  DWORD id_ = 0, vlakno_ = 0;
};

inline std::wstring TextZpravy(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }

// The status bar's text: it has to be read into memory of the program's own.
inline std::wstring StavovyRadek(const Proces& program) {
  HWND lista = FindWindowExW(program.Hlavni(), nullptr, STATUSCLASSNAMEW, nullptr);
  constexpr SIZE_T Velikost = 512 * sizeof(wchar_t);
  void* cizi = VirtualAllocEx(program.Handle(), nullptr, Velikost, MEM_COMMIT, PAGE_READWRITE);
  if (!lista || !cizi) return L"(no status bar)";
  wchar_t text[512] = {};
  SendMessageW(lista, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(cizi));
  ReadProcessMemory(program.Handle(), cizi, text, Velikost - sizeof(wchar_t), nullptr);
  VirtualFreeEx(program.Handle(), cizi, 0, MEM_RELEASE);
  return text;
}

// Waits for a box of the program and answers it with the button's identifier.
inline std::wstring OdpovezBoxu(const Proces& program, int tlacitko) {
  HWND box = nullptr;
  if (!DOCKEJ(5s, box = program.Dialog())) return L"(no box)";
  const std::wstring text = TextZpravy(box);
  PostMessageW(box, WM_COMMAND, tlacitko, 0);
  DOCKEJ(5s, !program.Dialog());
  return text;
}

// Waits for the password prompt and types the answer into it.
inline std::wstring ZadejHeslo(const Proces& program, const wchar_t* heslo) {
  HWND box = nullptr;
  if (!DOCKEJ(5s, box = program.Dialog())) return L"(no prompt)";
  const std::wstring vyzva = Text(box) + L"|" + Text(GetDlgItem(box, 201));
  SetDlgItemTextW(box, 202, heslo);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  DOCKEJ(5s, program.Dialog() != box);
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
    fs::remove(SouborNanecisto());
  }
  UlozisteWin uloziste;
};
