// The administrator's schedule and line (Group Policy, set here under HKEY_LOCAL_MACHINE as the policy
// writes them) as a user of the real vypnuti.exe meets them.
#include "program_e2e.h"

constexpr const wchar_t* KlicZasad = L"Software\\Policies\\ZD\\ZDKZ";
constexpr const char* Odmitnuti = "box?Akci_naplánoval_správce_počítače._Změnit_ji_nelze. OK";

static void Zasada(const wchar_t* nazev, const std::string& text) {
  const std::wstring data = Utf16(text);
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, KlicZasad, nazev, REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// A start from a script, not waited for: the running program may ask first.
static Proces Skript(const wchar_t* argument) { return Proces(argument, VedleTestu(L"vypnuti.exe"), true); }

using Zasady_e2e = Program_e2e;

// Armed at a start with nothing; "/storno", "Nové" and "Ukončit" refused; a changed value taken up
// when the system says the policy changed (as gpupdate does), without a restart.
TEST_F(Zasady_e2e, PlanSpravceNikdoNezmeni) {
  Zasada(L"Parametr", "/vypnuti;kd;t/22:00/");
  const Proces program(L"");
  ASSERT_TRUE(DOCKEJ(5s, program.Upozorneni()));
  const auto naplanovano = [] {
    Proces dotaz = Skript(L"/stav");
    return std::to_string(dotaz.Kod()) + " " + dotaz.Vystup();
  };
  EXPECT_TRUE(naplanovano().ends_with(" (22:00).\r\n")) << naplanovano();
  const Proces storno = Skript(L"/storno");
  EXPECT_TRUE(Hraj(program, Odmitnuti));
  EXPECT_EQ(storno.Kod(), 2);
  EXPECT_EQ(Skript(L"").Kod(), 0);
  ASSERT_TRUE(DOCKEJ(5s, program.Hlavni()));
  EXPECT_TRUE(DOCKEJ(3s, Text(program.Pole(Ovladac::lblHN)).ends_with(L" (nastavuje spr\u00e1vce).")));
  EXPECT_TRUE(Hraj(program, std::string("tlHNastaveni ") + Odmitnuti + " tlHZavrit " + Odmitnuti + " bezi?yes zbytek?''"));

  Zasada(L"Parametr", "/vypnuti;kd;t/21:00/");
  DWORD_PTR vysledek = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"), SMTO_ABORTIFHUNG, 5000,
                      &vysledek);
  EXPECT_TRUE(DOCKEJ(5s, naplanovano().ends_with(" (21:00).\r\n"))) << naplanovano();
}

// The administrator's line under the countdown of a real warning.
TEST_F(Zasady_e2e, ZpravaVUpozorneni) {
  const std::string zprava = "Učebna se zavírá. Uložte si práci na disk H:.";
  Zasada(L"Parametr", "/vypnuti" + ZaMinut(1));
  Zasada(L"Zprava", zprava);
  const Proces program(L"");
  ASSERT_TRUE(DOCKEJ(65s, program.UpozorneniViditelne()));
  HWND odpocet = FindWindowExW(program.Upozorneni(), nullptr, L"Static", nullptr);
  EXPECT_EQ(Utf8(Text(FindWindowExW(program.Upozorneni(), odpocet, L"Static", nullptr))), zprava);
}
