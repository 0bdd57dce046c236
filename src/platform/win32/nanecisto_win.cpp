#include "platform/win32/nanecisto_win.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cwchar>

Nanecisto::Nanecisto() {
  wchar_t cesta[MAX_PATH] = {};
  const DWORD delka = GetEnvironmentVariableW(L"ZDKZ_NANECISTO", cesta, MAX_PATH);
  if (delka > 0 && delka < MAX_PATH) soubor_ = cesta;
  wchar_t chyba[16] = {};
  if (GetEnvironmentVariableW(L"ZDKZ_NANECISTO_CHYBA", chyba, 16) > 0) chyba_ = std::wcstoul(chyba, nullptr, 10);
}

bool Nanecisto::Zapis(const std::string& radek) {
  if (soubor_.empty()) return false;
  if (FILE* soubor = _wfopen(soubor_.c_str(), L"ab")) {
    std::fputs((radek + "\r\n").c_str(), soubor);
    std::fclose(soubor);
  }
  return true;
}

std::string Hex(unsigned hodnota) {
  std::string text = "0x00000000";
  for (std::size_t i = text.size(); hodnota != 0; hodnota /= 16) text[--i] = "0123456789ABCDEF"[hodnota % 16];
  return text;
}
