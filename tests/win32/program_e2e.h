#pragma once
// The real vypnuti.exe, its installers and helper programs for the end-to-end tests: started as a user,
// a script or the autostart entry would start them, the program in dry-run mode, and what can be seen
// of them from outside.
#include "zaklad_win.h"

#include <sstream>

#include "ovladani.h"
#include "platform/win32/schranka_win.h"
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
    STARTUPINFOW si{.cb = sizeof si};
    if (zeSkriptu && CreatePipe(&cteni, &zapis, &dedit, 0)) {
      SetHandleInformation(cteni, HANDLE_FLAG_INHERIT, 0);
      si.dwFlags = STARTF_USESTDHANDLES;
      si.hStdOutput = si.hStdError = zapis;
    }
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, radek.data(), nullptr, nullptr, zeSkriptu, 0, nullptr, nullptr, &si, &info)) {
      handle = info.hProcess, id = info.dwProcessId, vlakno = info.dwThreadId;
      CloseHandle(info.hThread);
      if (!zeSkriptu) WaitForInputIdle(handle, 10000);
    }
    if (zapis) CloseHandle(zapis);
  }
  // The running program, whoever started it, found by its hidden window.
  explicit Proces(std::chrono::milliseconds limit) {
    Dockej([&] { return GetWindowThreadProcessId(FindWindowW(L"frmkzupozorneni", nullptr), &id); }, limit);
    if (id) handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, 0, id);
  }
  Proces(const Proces&) = delete;
  ~Proces() {
    Zavri();
    if (Bezi()) TerminateProcess(handle, 9);
    if (handle) CloseHandle(handle);
    if (cteni) CloseHandle(cteni);
  }

  bool Bezi() const { return handle && WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }
  bool Skoncil(DWORD ms) const { return !handle || WaitForSingleObject(handle, ms) == WAIT_OBJECT_0; }
  // The exit code, or -1 while it runs.
  int Kod(DWORD ms = 10000) const {
    DWORD kod = 0;
    return handle && Skoncil(ms) && GetExitCodeProcess(handle, &kod) ? static_cast<int>(kod) : -1;
  }
  void Zavri() const {
    if (PostMessageW(Upozorneni(), WM_CLOSE, 0, 0)) Skoncil(10000);
  }
  fs::path Soubor() const {
    wchar_t cesta[MAX_PATH] = {};
    DWORD delka = MAX_PATH;
    return handle && QueryFullProcessImageNameW(handle, 0, cesta, &delka) ? cesta : L"";
  }
  std::string Vystup() const {
    std::string text;
    char blok[256];
    for (DWORD precteno = 0; ReadFile(cteni, blok, sizeof blok, &precteno, nullptr) && precteno;)
      text.append(blok, precteno);
    return text;
  }
  // Its top-level window of that class.
  HWND Okno(const wchar_t* trida) const {
    DWORD vlastnik = 0;
    for (HWND okno = nullptr; id && (okno = FindWindowExW(nullptr, okno, trida, nullptr)) != nullptr;)
      if (GetWindowThreadProcessId(okno, &vlastnik) && vlastnik == id) return okno;
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
  // The main window opened by a click on the tray icon.
  HWND OtevriIkonou() const {
    KlikNaIkonu(Upozorneni());
    return DOCKEJ(3s, Hlavni()) ? Hlavni() : nullptr;
  }

  HANDLE handle = nullptr, cteni = nullptr;
  DWORD id = 0, vlakno = 0;
};

// The text of a message box, or of the input box its title and prompt.
inline std::wstring TextBoxu(HWND box) {
  HWND zprava = GetDlgItem(box, 0xFFFF);
  return zprava ? Text(zprava) : Text(box) + L"|" + Text(GetDlgItem(box, 201));
}

// The status bar's text: it has to be read into memory of the program's own.
inline std::wstring StavovyRadek(const Proces& program) {
  HWND lista = FindWindowExW(program.Hlavni(), nullptr, STATUSCLASSNAMEW, nullptr);
  constexpr SIZE_T Velikost = 512 * sizeof(wchar_t);
  void* cizi = VirtualAllocEx(program.handle, nullptr, Velikost, MEM_COMMIT, PAGE_READWRITE);
  if (!lista || !cizi) return L"(no status bar)";
  wchar_t text[512] = {};
  SendMessageW(lista, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(cizi));
  ReadProcessMemory(program.handle, cizi, text, Velikost - sizeof(wchar_t), nullptr);
  VirtualFreeEx(program.handle, cizi, 0, MEM_RELEASE);
  return text;
}

// Waits for a box of the program and answers it with the button's identifier; or, given a password,
// types it into the input box and confirms it. What the box said, or that there was none.
inline std::wstring OdpovezBoxu(const Proces& program, int tlacitko, const wchar_t* heslo = nullptr) {
  HWND box = nullptr;
  if (!DOCKEJ(5s, box = program.Dialog())) return L"(no box)";
  const std::wstring text = TextBoxu(box);
  if (heslo) SetDlgItemTextW(box, 202, heslo);
  PostMessageW(box, WM_COMMAND, tlacitko, 0);
  DOCKEJ(5s, program.Dialog() != box);
  return text;
}

// The program driven by a line of words, left to right, as a user drives it. A control's name clicks
// it, "name=text" types the text over what its box holds and ">text" into the box with the focus; Tab,
// Right, Up, Down, Space, Enter and Backspace press a key, "Alt+A" and "Ctrl+V" a combination; Ano, Ne
// and OK answer the box that is up, "heslo=text" types into the password prompt; "ikona" clicks the
// tray icon, "najed=name" moves the pointer onto a control and "pryc" away, "pauza" waits half a
// second. "what?text" waits up to 3 s for a reading to be that text (ending in '*': to start with it):
// a control's text ("(hidden)" while it is), or ulozeny (the stored schedule), zbytek (and what else
// is left for the next log-on), stav (the status bar), fokus (the control that has it), box (what the
// box up says), schranka (the clipboard), seznam (the condition's list open or closed) or maska (the
// password box's mask). '_' stands for a blank. It fails with the script as it went, each reading
// that did not match written as it was; an unknown word fails too.
inline ::testing::AssertionResult Hraj(const Proces& program, const std::string& skript) {
  const auto jmeno = [](Ovladac o) {
    return std::string(Navrh(o).jmeno) + (IndexPole(o) < 0 ? "" : std::to_string(IndexPole(o)));
  };
  const std::map<std::string, WORD> klavesy = {{"Tab", VK_TAB},       {"Right", VK_RIGHT}, {"Up", VK_UP},
                                               {"Down", VK_DOWN},     {"Space", VK_SPACE}, {"Enter", VK_RETURN},
                                               {"Backspace", VK_BACK}};
  const std::map<std::string, int> odpovedi = {{"Ano", IDYES}, {"Ne", IDNO}, {"OK", IDOK}, {"heslo", IDOK}};
  std::map<std::string, Ovladac> ovladace;
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) ovladace[jmeno(n.id)] = n.id;
  std::string hrano;
  std::istringstream slova(skript);
  for (std::string slovo; slova >> slovo; hrano += (hrano.empty() ? "" : " ") + slovo) {
    const std::size_t znak = slovo.find_first_of("=?");
    const std::string co = slovo.substr(0, znak);
    std::string text = znak == std::string::npos ? "" : slovo.substr(znak + 1);
    std::ranges::replace(text, '_', ' ');
    const HWND pole = ovladace.contains(co) ? program.Pole(ovladace.at(co)) : nullptr;
    if (znak != std::string::npos && slovo[znak] == '?') {
      const auto precti = [&]() -> std::string {
        const auto kde = static_cast<std::size_t>(GetDlgCtrlID(Fokus()) - IdOvladace(Ovladac::Formular));
        if (pole) return IsWindowVisible(pole) ? Utf8(Text(pole)) : "(hidden)";
        if (co == "ulozeny") return Ulozeny();
        if (co == "zbytek") return Zbytek() + (Hodnota(KlicRunOnce) ? " RunOnce" : "");
        if (co == "stav") return Utf8(StavovyRadek(program));
        if (co == "box") return program.Dialog() ? Utf8(TextBoxu(program.Dialog())) : "";
        if (co == "schranka") return Utf8(TextSchranky());
        if (co == "fokus") return kde < PocetOvladacu ? jmeno(static_cast<Ovladac>(kde)) : "(other)";
        if (co == "maska") return SendMessageW(program.Pole(Ovladac::txtHNHeslo), EM_GETPASSWORDCHAR, 0, 0) ? "*" : "";
        if (co == "seznam")
          return SendMessageW(program.Pole(Ovladac::cbHNPodminka), CB_GETDROPPEDSTATE, 0, 0) ? "open" : "closed";
        return "(unknown reading)";
      };
      std::string videno;
      const bool zacatek = text.ends_with('*');
      if (zacatek) text.pop_back();
      if (!Dockej([&] { return (videno = precti()) == text || (zacatek && videno.starts_with(text)); }, 3s))
        std::ranges::replace(slovo = co + "?" + videno, ' ', '_');
      continue;
    }
    int shod = 0;
    const auto je = [&](bool ano) { return ano && ++shod; };
    if (je(pole && text.empty())) Klikni(pole);
    if (je(pole && !text.empty())) {
      if (Fokus() != pole) Klikni(pole);
      DOCKEJ(3s, Fokus() == pole);
      PostMessageW(pole, EM_SETSEL, 0, -1);
      Napis(Utf16(text));
      DOCKEJ(2s, Text(pole).size() >= Utf16(text).size());
    }
    if (je(co.starts_with('>'))) Napis(Utf16(co.substr(1)));
    if (je(klavesy.contains(co))) Stiskni(klavesy.at(co));
    if (je(odpovedi.contains(co))) OdpovezBoxu(program, odpovedi.at(co), co == "heslo" ? Utf16(text).c_str() : nullptr);
    if (je(co.starts_with("Alt+"))) AltA(towlower(co.back()));
    if (je(co.starts_with("Ctrl+"))) CtrlA(co.back());
    if (je(co == "ikona")) program.OtevriIkonou();
    if (je(co == "najed")) NajedNa(program.Pole(ovladace.at(text)));
    if (je(co == "pryc")) PresunUkazatel(0, 0);
    if (je(co == "pauza")) std::this_thread::sleep_for(500ms);
    if (!shod) ADD_FAILURE() << "unknown word " << slovo;
  }
  return hrano == skript ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << hrano;
}

class Program_e2e : public ::testing::Test {
 protected:
  void SetUp() override { Uklid(SouborNanecisto().c_str()); }
  void TearDown() override { Uklid(nullptr); }
  // Nothing of a test stays for the next; the program only writes its power calls down to the file.
  static void Uklid(const wchar_t* nanecisto) {
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", nanecisto);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZD\\ZDKZ", L"parametr");
    for (const wchar_t* klic : {KlicRun, KlicRunOnce}) RegDeleteKeyValueW(HKEY_CURRENT_USER, klic, L"ZDKZ");
    fs::remove(SouborNanecisto());
  }
  UlozisteWin uloziste;
};
