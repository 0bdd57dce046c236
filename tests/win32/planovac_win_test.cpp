// The real settings store of the test prefix and the dry-run file; the whole flow through the real
// program is in program_e2e_test.cpp.
#include "zaklad_win.h"

#include "platform/win32/napajeni_win.h"
#include "platform/win32/uloziste_win.h"

// The longest strings the main window builds (SestavParametr with every box ticked), in both modes,
// with a password of Czech letters, the euro sign and quotes, come back from the store as they went
// in; so do one whose scrambled form holds a zero, the empty one, and a stored form holding every
// character a scrambled one can hold.
TEST(UlozisteWin, RetezecZOknaSeVratiBeziZmeny) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZD\\ZDKZ", L"parametr");
  UlozisteWin uloziste;
  EXPECT_EQ(uloziste.CtiParametr(), "");
  ASSERT_NE(UlozenyTvar("/vypnuti;h/ż/;t/22:00/").find('\0'), std::string::npos);
  for (const std::string parametr :
       {"/vypnuti;h/ż/;t/22:00/", "", "/odhlaseni;kd;dny//;zs;h/Žluťoučký kůň „€“/;ss;kv;t/23:59/",
        ";od/22:00-06:00/;kd;dny//;zs;h/Žluťoučký kůň „€“/;ss"}) {
    uloziste.ZapisParametr(UlozenyTvar(parametr));
    EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), parametr);
  }
  std::string bajty;
  for (int b = 0; b < 256; ++b) bajty += static_cast<char>(b);
  uloziste.ZapisParametr(ZCp1250(bajty));
  EXPECT_EQ(uloziste.CtiParametr(), ZCp1250(bajty));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZD\\ZDKZ", L"parametr");
}

TEST(NapajeniWin, NanecistoZapiseKazdeVolani) {
  const fs::path soubor = fs::temp_directory_path() / "vypnuti-nanecisto-test.txt";
  fs::remove(soubor);
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO", soubor.c_str());
  NapajeniWin napajeni;
  OknaProcesuWin okna;
  SetEnvironmentVariableW(L"ZDKZ_NANECISTO", nullptr);
  napajeni.PovolVypnuti();
  napajeni.ExitWindowsEx(0x06, 0xFFFFFFFF);
  napajeni.SetSuspendState(true, false, false);
  napajeni.LockWorkStation();
  napajeni.UkonciProgman();
  EXPECT_FALSE(okna.ZacniZavirani()) << "the programs are left alone";
  EXPECT_EQ(Obsah(soubor),
            "ExitWindowsEx 0x00000006 0xFFFFFFFF\r\nSetSuspendState 1 0 0\r\nLockWorkStation\r\n"
            "TerminateProcess progman\r\nZavriProgramy\r\n");
  fs::remove(soubor);
}
