// The scheduler against the real registry of the test prefix and the dry-run file.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/kodovani.h"
#include "core/parametr.h"
#include "core/stav.h"
#include "platform/okna_programu.h"
#include "platform/port.h"
#include "platform/win32/napajeni_win.h"
#include "platform/win32/okna_procesu_win.h"
#include "platform/win32/text_win.h"
#include "platform/win32/uloziste_win.h"
#include "platform/win32/zakladni_porty_win.h"
#include "scheduler/casovac.h"
#include "scheduler/nastaveni.h"
#include "scheduler/planovac_programu.h"
#include "system/clsosgv.h"

namespace {

constexpr const wchar_t* KlicRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* KlicRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// A value of the current user's registry as it is, or nothing when it does not exist.
std::optional<std::wstring> Hodnota(const wchar_t* klic, const wchar_t* nazev) {
  DWORD bajtu = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, klic, nazev, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, nullptr, &bajtu) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring data(bajtu / sizeof(wchar_t), L'\0');
  RegGetValueW(HKEY_CURRENT_USER, klic, nazev, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, data.data(), &bajtu);
  data.resize(bajtu / sizeof(wchar_t));
  if (!data.empty() && data.back() == L'\0') data.pop_back();
  return data;
}

void SmazVse() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZD\\ZDKZ", L"parametr");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRun, L"ZDKZ");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, KlicRunOnce, L"ZDKZ");
}

std::wstring SouborNanecisto() {
  wchar_t slozka[MAX_PATH];
  GetTempPathW(MAX_PATH, slozka);
  return std::wstring(slozka) + L"vypnuti-nanecisto-test.txt";
}

std::vector<std::string> Radky(const std::wstring& soubor) {
  std::ifstream vstup(std::filesystem::path(soubor), std::ios::binary);
  std::vector<std::string> radky;
  for (std::string radek; std::getline(vstup, radek);) {
    if (!radek.empty() && radek.back() == '\r') radek.pop_back();
    radky.push_back(radek);
  }
  return radky;
}

// Dry run for the lifetime of the object, into a fresh file.
class Nanecisto {
 public:
  Nanecisto() {
    DeleteFileW(soubor.c_str());
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", soubor.c_str());
  }
  ~Nanecisto() {
    SetEnvironmentVariableW(L"ZDKZ_NANECISTO", nullptr);
    DeleteFileW(soubor.c_str());
  }
  const std::wstring soubor = SouborNanecisto();
};

}  // namespace

TEST(UlozisteWin, ParametrProjdeUlozistemBezeZmeny) {
  SmazVse();
  UlozisteWin uloziste;
  EXPECT_EQ(uloziste.CtiParametr(), "");
  const std::string pripady[] = {
      "/vypnuti;t/15:32/",
      "/restart;kd;zs;ss;kv;h/Žluťoučký kůň/;t/525600/",
      "/vypnuti;h/ż/;t/22:00/",  // its 'ż' scrambles to a character of value 0
      "/spanek;t/8:00/;d/24.12.2026/",
      ";od/22:00-06:00/;kd;h/€/",
      "",
  };
  ASSERT_NE(UlozenyTvar(pripady[2]).find('\0'), std::string::npos);
  for (const auto& parametr : pripady) {
    uloziste.ZapisParametr(UlozenyTvar(parametr));
    EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr);
  }
  SmazVse();
}

TEST(UlozisteWin, UlozNastaveniZapiseASmazeAutostart) {
  SmazVse();
  UlozisteWin uloziste;
  Pripojeni<Uloziste> p(uloziste);
  stav = StavPlanu{};
  stav.Parametr = "/vypnuti;t/22:00/";

  UlozNastaveni();  // armed
  const std::wstring prikaz = Utf16(PrikazAutostartu(uloziste.CestaProgramu(), UlozenyTvar(stav.Parametr)));
  EXPECT_EQ(prikaz.front(), L'"');
  EXPECT_NE(prikaz.find(L"testy_win32.exe\" "), std::wstring::npos);
  EXPECT_EQ(Hodnota(KlicRun, L"ZDKZ"), prikaz);
  EXPECT_EQ(Hodnota(KlicRunOnce, L"ZDKZ"), prikaz);
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), stav.Parametr);

  stav.Neaktivni = 1;
  UlozNastaveni();  // idle, one-off: forgotten
  EXPECT_EQ(Hodnota(KlicRun, L"ZDKZ"), std::nullopt);
  EXPECT_EQ(Hodnota(KlicRunOnce, L"ZDKZ"), std::nullopt);
  EXPECT_EQ(Hodnota(L"Software\\ZD\\ZDKZ", L"parametr"), L"");
  UlozNastaveni();  // nothing left to clear: still fine
  EXPECT_EQ(Hodnota(KlicRun, L"ZDKZ"), std::nullopt);
  SmazVse();
}

TEST(NapajeniWin, NanecistoZapiseKazdeVolani) {
  Nanecisto nanecisto;
  NapajeniWin napajeni;
  napajeni.PovolVypnuti();
  napajeni.ExitWindowsEx(0x0D, 0xFFFFFFFF);
  napajeni.ExitWindowsEx(0x06, 0xFFFFFFFF);
  napajeni.SetSuspendState(true, false, false);
  napajeni.LockWorkStation();
  napajeni.UkonciProgman();
  napajeni.ZavriProgramy();
  EXPECT_EQ(Radky(nanecisto.soubor),
            (std::vector<std::string>{"ExitWindowsEx 0x0000000D 0xFFFFFFFF", "ExitWindowsEx 0x00000006 0xFFFFFFFF",
                                      "SetSuspendState 1 0 0", "LockWorkStation", "TerminateProcess progman",
                                      "ZavriProgramy"}));
}

namespace {

// The program's windows stand aside: this test is about the store and the action.
class BezOken final : public CasovacOkna, public OknoUpozorneni, public IkonaListy, public HlavniOkno, public Hodiny {
 public:
  Cas ted = SlozCas(2026, 12, 4, 21, 58, 30);
  Cas Ted() override { return ted; }
  std::uintptr_t Zapni() override { return 1225; }
  void Vypni() override {}
  void Nacti() override {}
  void Ukaz(bool) override {}
  void Schovej() override {}
  void NastavText(std::string_view) override {}
  void NastavTip(std::string_view) override {}
  void Odeber() override {}
  void Otevri() override {}
  void UkazCas(std::string_view, std::string_view) override {}
  void StavovyRadek(std::string_view, int) override {}
  bool mmeActive() override { return false; }
  void ZrusHint() override {}
};

}  // namespace

TEST(PlanovacWin, NaplanovaneVypnutiZapiseRegistrANanecisto) {
  SmazVse();
  Nanecisto nanecisto;
  BezOken okna;
  DialogyWin dialogy;
  MistniWin mistni;
  UlozisteWin uloziste;
  NapajeniWin napajeni;
  OknaProcesuWin okna_procesu;
  clsosgv osgv;
  PlanovacProgramu planovac;
  Pripojeni<Hodiny> p1(okna);
  Pripojeni<CasovacOkna> p2(okna);
  Pripojeni<OknoUpozorneni> p3(okna);
  Pripojeni<IkonaListy> p4(okna);
  Pripojeni<HlavniOkno> p5(okna);
  Pripojeni<Dialogy> p6(dialogy);
  Pripojeni<Mistni> p7(mistni);
  Pripojeni<Uloziste> p8(uloziste);
  Pripojeni<Napajeni> p9(napajeni);
  Pripojeni<OknaProcesu> p10(okna_procesu);
  Pripojeni<InfoSystemu> p11(osgv);
  Pripojeni<Planovac> p12(planovac);

  stav = StavPlanu{};
  stav.CasSpusteni = okna.ted;
  ASSERT_TRUE(RozeberParametr("/vypnuti;t/22:00/", false, false));
  Casovac(true);
  EXPECT_TRUE(Hodnota(KlicRun, L"ZDKZ").has_value());
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), "/vypnuti;t/22:00/");

  while (okna.ted < SlozCas(2026, 12, 4, 22, 0, 0)) {
    okna.ted += std::chrono::seconds{1};
    CasovacTik();
  }
  EXPECT_EQ(Radky(nanecisto.soubor), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0xFFFFFFFF"});
  EXPECT_EQ(uloziste.CtiParametr(), "");
  EXPECT_EQ(Hodnota(KlicRun, L"ZDKZ"), std::nullopt);
  EXPECT_EQ(Hodnota(KlicRunOnce, L"ZDKZ"), std::nullopt);
  stav = StavPlanu{};
}
