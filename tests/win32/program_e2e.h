#pragma once
// The real vypnuti.exe, its installers and helper programs for the end-to-end tests: started as a user,
// a script or the autostart entry would start them, the program in dry-run mode, and what can be seen
// of them from outside.
#include "zaklad_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <regex>
#include <sstream>

#include "ovladani.h"
#include "platform/win32/schranka_win.h"
#include "platform/win32/uloziste_win.h"
#include "ui/navrh_oken.h"

// Dockej with the condition written in place.
#define DOCKEJ(limit, ...) Dockej([&] { return static_cast<bool>(__VA_ARGS__); }, limit)

using O = Ovladac;  // the main window's controls, short in the tests' lines

inline constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* Vypnuto = "ExitWindowsEx 0x0000000D 0x80040001\r\n";  // the dry run's line

inline fs::path SouborNanecisto() { return fs::temp_directory_path() / "vypnuti-e2e.txt"; }
// The dry run's record: the power calls, or with `bdelost` only the requests to keep the computer awake.
inline std::string Zaznam(bool bdelost = false) {
  std::string vybrane;
  std::istringstream radky(Obsah(SouborNanecisto()));
  for (std::string radek; std::getline(radky, radek);)
    if (radek.starts_with("SetThreadExecutionState") == bdelost) vybrane += radek + "\n";
  return vybrane;
}
// The dry run's record once there is one (empty when the time ran out).
inline std::string DockejZaznam(std::chrono::milliseconds limit) {
  return Dockej([] { return !Zaznam().empty(); }, limit), Zaznam();
}

// The stored schedule as it was given, and what else is left for the next log-on: the autostart entry.
// Like every reading of the program's state, in a statement after the action it follows: the operands
// of one + may be evaluated in any order.
inline std::string Ulozeny() {
  const std::string ulozeny = UlozisteWin().CtiParametr();
  return ulozeny.empty() ? "" : RozbalUlozenyTvar(ulozeny).value_or("(damaged)");
}
inline std::string Zbytek() { return "'" + Ulozeny() + "'" + (Hodnota(KlicRun) ? " Run" : ""); }

// The program's tray icon, as the notification area knows it (its window and identifier 1).
inline bool IkonaJe(HWND okno, DWORD co = NIM_MODIFY) {
  NOTIFYICONDATAW ikona{};
  ikona.cbSize = sizeof ikona, ikona.hWnd = okno, ikona.uID = 1, ikona.uFlags = NIF_TIP;
  return Shell_NotifyIconW(co, &ikona);
}

// A folder of the user's, as the shell knows it.
inline fs::path Slozka(REFKNOWNFOLDERID id) {
  PWSTR cesta = nullptr;
  fs::path vysledek = SHGetKnownFolderPath(id, 0, nullptr, &cesta) == S_OK ? cesta : L"";
  CoTaskMemFree(cesta);
  return vysledek;
}

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
  void Zavri() const { PostMessageW(Upozorneni(), WM_CLOSE, 0, 0) && Skoncil(10000); }
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
  HWND Dialog() const { return IsWindowVisible(Okno(L"#32770")) ? Okno(L"#32770") : nullptr; }
  bool UpozorneniViditelne() const { return IsWindowVisible(Upozorneni()); }
  std::wstring Odpocet() const { return Text(FindWindowExW(Upozorneni(), nullptr, L"Static", nullptr)); }
  // The warning's soft button of that caption.
  HWND Tlacitko(std::wstring_view titulek) const {
    for (HWND t = nullptr; (t = FindWindowExW(Upozorneni(), t, L"tlText", nullptr)) != nullptr;)
      if (Text(t) == titulek) return t;
    return nullptr;
  }
  HWND Storno() const { return Tlacitko(L"S T O R N O"); }
  HWND Odlozit() const { return Tlacitko(L"&Odložit o 10 minut"); }
  HWND Pole(Ovladac o) const { return GetDlgItem(Hlavni(), IdOvladace(o)); }
  // The main window opened by a click on the tray icon.
  HWND OtevriIkonou() const { return KlikNaIkonu(Upozorneni()), DOCKEJ(3s, Hlavni()) ? Hlavni() : nullptr; }

  HANDLE handle = nullptr, cteni = nullptr;
  DWORD id = 0, vlakno = 0;
};

// The text of a message box, its line ends written as '|'; or of the input box its title and prompt.
inline std::string TextBoxu(HWND box) {
  HWND zprava = GetDlgItem(box, 0xFFFF);
  return std::regex_replace(Utf8(zprava ? Text(zprava) : Text(box) + L"|" + Text(GetDlgItem(box, 201))),
                            std::regex("\r\n"), "|");
}

// The status bar's text, as the bar answers WM_GETTEXT: that of its one part.
inline std::wstring StavovyRadek(const Proces& program) {
  return Text(FindWindowExW(program.Hlavni(), nullptr, STATUSCLASSNAMEW, nullptr));
}

// The program driven by a line of words, left to right, as a user drives it. A control's name clicks
// it, "name=text" types the text over what its box holds and ">text" into the box with the focus; Tab,
// Right, Up, Down, Space, Enter and Backspace press a key, "Alt+A" and "Ctrl+V" a combination; Ano, Ne
// and OK answer the box that is up (waiting for it), "heslo=text" types into the password prompt;
// "ikona" clicks the tray icon, "najed=name" moves the pointer onto a control and "pryc" away, "pauza"
// waits half a second and "cekej=N" N seconds; "storno" clicks the warning's STORNO, "esc" presses
// Escape on STORNO and on the warning, "altf4" asks the warning to close as Alt+F4 does, "odloz" clicks
// its "Odložit o 10 minut", "nabidka" right-clicks the tray icon and waits for its menu, "nabidka=X"
// chooses the item of access key X; "lista" announces a new taskbar, "bezikony" takes the icon away as a
// notification area that went does; "zavri" closes the program.
// "what?text" waits up to 3 s for a reading to be that text (ending in '*': to start with it): a
// control's text ("(hidden)" while it is), or ulozeny (the stored schedule), zbytek (and what else is
// left for the next log-on), stav (the status bar), fokus (the control that has it), box (what the box
// up says, '|' for a line's end), schranka (the clipboard), seznam (the condition's list open or
// closed), maska (the password box's mask), upozorneni (the warning shown or hidden), ikona (the tray
// icon there), bezi (the program running), storno (STORNO's caption) or, up to 70 s, odpocet (the
// warning's countdown), zaznam (the dry run's record, its lines joined by commas; bdelost: its
// keep-awake requests). '_' stands for a blank. It fails with the script as it went, each reading that
// did not match written as it was; an unknown word fails too.
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
    const auto pole = [&] { return ovladace.contains(co) ? program.Pole(ovladace.at(co)) : nullptr; };
    if (znak != std::string::npos && slovo[znak] == '?') {
      const auto precti = [&]() -> std::string {
        const auto kde = static_cast<std::size_t>(GetDlgCtrlID(Fokus()) - IdOvladace(Ovladac::Formular));
        if (pole()) return IsWindowVisible(pole()) ? Utf8(Text(pole())) : "(hidden)";
        if (co == "ulozeny") return Ulozeny();
        if (co == "zbytek") return Zbytek() + (Hodnota(KlicRunOnce) ? " RunOnce" : "");
        if (co == "stav") return Utf8(StavovyRadek(program));
        if (co == "box") return program.Dialog() ? TextBoxu(program.Dialog()) : "";
        if (co == "schranka") return Utf8(TextSchranky());
        if (co == "fokus") return kde < PocetOvladacu ? jmeno(static_cast<Ovladac>(kde)) : "(other)";
        if (co == "maska") return SendMessageW(program.Pole(Ovladac::txtHNHeslo), EM_GETPASSWORDCHAR, 0, 0) ? "*" : "";
        if (co == "upozorneni") return program.UpozorneniViditelne() ? "shown" : "hidden";
        if (co == "ikona") return IkonaJe(program.Upozorneni()) ? "yes" : "no";
        if (co == "bezi") return program.Bezi() ? "yes" : "no";
        if (co == "odpocet") return Utf8(program.Odpocet());
        if (co == "storno")
          return Utf8(Text(program.Storno())) + (IsWindowEnabled(program.Storno()) ? "" : " (disabled)");
        if (co == "zaznam" || co == "bdelost") {  // its lines joined by commas
          const std::string radky = std::regex_replace(Zaznam(co == "bdelost"), std::regex("\r\n"), ",");
          return radky.substr(0, radky.empty() ? 0 : radky.size() - 1);
        }
        if (co == "seznam")
          return SendMessageW(program.Pole(Ovladac::cbHNPodminka), CB_GETDROPPEDSTATE, 0, 0) ? "open" : "closed";
        return "(unknown reading)";
      };
      std::string videno;
      const bool zacatek = text.ends_with('*');
      if (zacatek) text.pop_back();
      // The dry run's record comes at the end of a minute, and the countdown's texts within it.
      const auto limit = co == "zaznam" || co == "bdelost" || co == "odpocet" ? 70s : 3s;
      if (!Dockej([&] { return (videno = precti()) == text || (zacatek && videno.starts_with(text)); }, limit))
        std::ranges::replace(slovo = co + "?" + videno, ' ', '_');
      continue;
    }
    int shod = 0;
    const auto je = [&](bool ano) { return ano && ++shod; };
    const auto posli = [](UINT zprava, WPARAM w, LPARAM l) { PostMessageW(Fokus(), zprava, w, l); };
    if (je(pole() && text.empty())) Klikni(pole());
    if (je(pole() && !text.empty())) {
      if (Fokus() != pole()) Klikni(pole());
      DOCKEJ(3s, Fokus() == pole());
      PostMessageW(pole(), EM_SETSEL, 0, -1);
      Napis(Utf16(text));
      DOCKEJ(2s, Text(pole()).size() >= Utf16(text).size());
    }
    if (je(co.starts_with('>'))) Napis(Utf16(co.substr(1)));
    if (je(klavesy.contains(co))) posli(WM_KEYDOWN, klavesy.at(co), 1), posli(WM_KEYUP, klavesy.at(co), 0xC0000001);
    if (je(odpovedi.contains(co))) {
      HWND box = nullptr;
      DOCKEJ(5s, box = program.Dialog());
      if (co == "heslo") SetDlgItemTextW(box, 202, Utf16(text).c_str());
      PostMessageW(box, WM_COMMAND, odpovedi.at(co), 0);
      DOCKEJ(5s, program.Dialog() != box);
    }
    if (je(co.starts_with("Alt+"))) posli(WM_SYSCHAR, towlower(co.back()), 0x20000001);
    if (je(co.starts_with("Ctrl+"))) posli(WM_CHAR, co.back() - L'A' + 1, 1);
    if (je(co == "ikona")) program.OtevriIkonou();
    if (je(co == "najed")) NajedNa(program.Pole(ovladace.at(text)));
    if (je(co == "pryc")) PresunUkazatel(0, 0);
    if (je(co == "pauza")) std::this_thread::sleep_for(500ms);
    if (je(co == "cekej")) std::this_thread::sleep_for(std::chrono::seconds(std::stoi(text)));
    if (je(co == "storno")) Klikni(program.Storno());
    if (je(co == "esc"))
      for (HWND cil : {program.Storno(), program.Upozorneni()})
        PostMessageW(cil, WM_KEYDOWN, VK_ESCAPE, 0), PostMessageW(cil, WM_KEYUP, VK_ESCAPE, 0);
    if (je(co == "lista")) SendMessageW(program.Upozorneni(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    if (je(co == "bezikony")) IkonaJe(program.Upozorneni(), NIM_DELETE);
    if (je(co == "odloz")) Klikni(program.Odlozit());
    if (je(co == "nabidka" && text.empty())) {
      PostMessageW(program.Upozorneni(), WM_USER + 101, 0, WM_CONTEXTMENU);  // the shell's word of a right click
      DOCKEJ(3s, program.Okno(L"#32768"));
    }
    if (je(co == "nabidka" && !text.empty())) PostMessageW(program.Okno(L"#32768"), WM_CHAR, towlower(text[0]), 1);
    if (je(co == "altf4")) PostMessageW(program.Upozorneni(), WM_SYSCOMMAND, SC_CLOSE, 0);
    if (je(co == "zavri")) program.Zavri();
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
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Policies\\ZD");  // an administrator's policy a test set
    fs::remove(SouborNanecisto());
  }
};
