// The command line reaches the running vypnuti.exe: a second start hands over a schedule, cancels it,
// asks for it or opens the main window, and ends with the running program's answer as its exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/predani_win.h"
#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "program/predani.h"
#include "program_e2e.h"

namespace {

// A start from a script: its output read from a pipe, its exit code waited for.
class Spusteni {
 public:
  explicit Spusteni(const std::wstring& argument) {
    SECURITY_ATTRIBUTES dedit = {sizeof dedit, nullptr, TRUE};
    HANDLE zapis = nullptr;
    CreatePipe(&cteni_, &zapis, &dedit, 0);
    SetHandleInformation(cteni_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = zapis;
    std::wstring radek = L"\"" + VedleTestu(L"vypnuti.exe").wstring() + L"\" " + argument;
    CreateProcessW(nullptr, radek.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &info_);
    CloseHandle(zapis);
    CloseHandle(info_.hThread);
  }
  ~Spusteni() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 9);
    CloseHandle(info_.hProcess);
    CloseHandle(cteni_);
  }
  // The exit code, or -1 while it runs.
  int Kod(DWORD ms = 10000) const {
    DWORD kod = 0;
    if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(info_.hProcess, &kod);
    return static_cast<int>(kod);
  }
  std::string Vystup() const {
    std::string text;
    char blok[256];
    DWORD precteno = 0;
    while (ReadFile(cteni_, blok, sizeof blok, &precteno, nullptr) && precteno > 0) text.append(blok, precteno);
    return text;
  }

 private:
  PROCESS_INFORMATION info_ = {};
  HANDLE cteni_ = nullptr;
};

class Predani_e2e : public Program_e2e {};

}  // namespace

TEST_F(Predani_e2e, PredaniStavStornoAOkno) {
  {
    Spusteni stav(L"/stav");
    EXPECT_EQ(stav.Kod(), 1);
    EXPECT_EQ(stav.Vystup(), "Program neběží.\r\n");
  }
  Program prvni(Utf16("/vypnuti" + ZaMinut(300)));
  ASSERT_TRUE(Dockej([&] { return prvni.Okno(L"frmkzupozorneni") != nullptr; }, 5s));

  const std::string restart = "/restart" + ZaMinut(200);
  EXPECT_EQ(Spusteni(Utf16(restart)).Kod(), 0);
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), restart);
  const auto run = HodnotaAutostartu(KlicRun);
  ASSERT_TRUE(run.has_value());
  EXPECT_TRUE(run->ends_with(L"\" " + Utf16(UlozenyTvar(""))));
  {
    Spusteni stav(L"/stav");
    EXPECT_EQ(stav.Kod(), 0);
    EXPECT_TRUE(stav.Vystup().starts_with("Restartování za 3 hodiny a ")) << stav.Vystup();
  }
  // Started with nothing, as the Start menu's shortcut: the main window, with the tray's sentence.
  EXPECT_EQ(Spusteni(L"").Kod(), 0);
  ASSERT_TRUE(Dockej([&] { return prvni.Hlavni() != nullptr; }, 5s));
  EXPECT_TRUE(StavovyRadek(prvni).starts_with(L"Restartov\u00e1n\u00ed za 3 hodiny a ")) << StavovyRadek(prvni);

  // A text over the size limit changes nothing and shows nothing.
  EXPECT_EQ(Spusteni(L"/vypnuti;t/" + std::wstring(1100, L'1') + L"/").Kod(), 2);
  EXPECT_EQ(prvni.Dialog(), nullptr);
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), restart);

  EXPECT_EQ(Spusteni(L"/storno").Kod(), 0);
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(HodnotaAutostartu(KlicRun), std::nullopt);
  EXPECT_EQ(HodnotaAutostartu(KlicRunOnce), std::nullopt);
  EXPECT_EQ(StavovyRadek(prvni), L"Restartov\u00e1n\u00ed bylo stornov\u00e1no.");
  {
    Spusteni stav(L"/stav");
    EXPECT_EQ(stav.Kod(), 1);
    EXPECT_EQ(stav.Vystup(), "Nic není naplánováno.\r\n");
  }
  EXPECT_EQ(Spusteni(L"/storno").Kod(), 1);
  EXPECT_TRUE(prvni.Bezi());
}

// The second start waits while the running program asks: its help box for a bad string, the
// password of the schedule in force. A wrong password changes nothing.
TEST_F(Predani_e2e, CekaNaBoxyAHeslo) {
  Program prvni(Utf16("/vypnuti;h/tajne/" + ZaMinut(300)));
  ASSERT_TRUE(Dockej([&] { return prvni.Okno(L"frmkzupozorneni") != nullptr; }, 5s));
  const std::string ulozeny = uloziste.CtiParametr();

  Spusteni spatne(L"/storno");
  EXPECT_EQ(ZadejHeslo(prvni, L"spatne"), L"Vypnut\u00ed po\u010d\u00edta\u010de|Zadejte heslo!");
  EXPECT_EQ(spatne.Kod(500), -1) << "it waits for the box that says the password is wrong";
  EXPECT_EQ(OdpovezBoxu(prvni, IDOK), L"Neplatn\u00e9 heslo.");
  EXPECT_EQ(spatne.Kod(), 2);
  EXPECT_EQ(uloziste.CtiParametr(), ulozeny);

  // While a box of the program is up (here the help for a bad string, past the password), another
  // request is refused at once.
  Spusteni chybny(L"/foo");
  ZadejHeslo(prvni, L"tajne");
  ASSERT_TRUE(Dockej([&] { return prvni.Dialog() != nullptr; }, 5s));
  EXPECT_EQ(Spusteni(L"/storno").Kod(), 2);
  EXPECT_TRUE(OdpovezBoxu(prvni, IDOK).starts_with(L"/foo")) << "the help box";
  EXPECT_EQ(chybny.Kod(), 2);
  EXPECT_EQ(uloziste.CtiParametr(), ulozeny);

  const std::string restart = "/restart" + ZaMinut(200);
  Spusteni spravne(Utf16(restart));
  ZadejHeslo(prvni, L"tajne");
  EXPECT_EQ(spravne.Kod(), 0);
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), restart);
}

// A running program that has stopped taking its messages: the second start does not hang with it.
TEST_F(Predani_e2e, ZaseknutyProgramNeodpovida) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\ZD-ZDKZ-vypnuti");
  std::thread zaseknuty([] {
    WNDCLASSW trida = {};
    trida.lpfnWndProc = DefWindowProcW;
    trida.hInstance = GetModuleHandleW(nullptr);
    trida.lpszClassName = L"frmkzupozorneni";
    RegisterClassW(&trida);
    HWND okno =
        CreateWindowW(L"frmkzupozorneni", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, trida.hInstance, nullptr);
    std::this_thread::sleep_for(9s);  // no message taken: the system counts it hung after 5 s
    DestroyWindow(okno);
  });
  std::this_thread::sleep_for(6s);
  Spusteni druhy(L"/stav");
  EXPECT_EQ(druhy.Kod(2000), 3);
  zaseknuty.join();
  CloseHandle(mutex);
}

// Only a whole text of the program's tag is taken from another process: a foreign or broken message
// is refused before anything reads it as a command.
TEST(PredaniWin, CiziNeboPoskozenaZpravaSeOdmitne) {
  constexpr ULONG_PTR Pokyn = ZnackaPokynu;
  std::wstring text = L"/storno";
  const std::wstring dlouhy(1025, L'x'), s_nulou(L"/storno\0x", 9), pulka_paru = L"/po/\xD800/";
  const struct {
    const char* co;
    COPYDATASTRUCT data;
  } pripady[] = {
      {"another tag", {Pokyn + 7, DWORD(text.size() * 2), text.data()}},
      {"no data", {Pokyn, 0, nullptr}},
      {"half a character", {Pokyn, DWORD(text.size() * 2 - 1), text.data()}},
      {"over 1,024 characters", {Pokyn, DWORD(dlouhy.size() * 2), const_cast<wchar_t*>(dlouhy.data())}},
      {"a null inside", {Pokyn, DWORD(s_nulou.size() * 2), const_cast<wchar_t*>(s_nulou.data())}},
      {"not UTF-16", {Pokyn, DWORD(pulka_paru.size() * 2), const_cast<wchar_t*>(pulka_paru.data())}},
  };
  for (const auto& p : pripady) EXPECT_EQ(PrijmiPredani(nullptr, p.data), kod::Odmitnuto) << p.co;
}
