#include "platform/win32/uloziste_win.h"

#include <windows.h>

#include <string>

#include "platform/produkt.h"
#include "platform/win32/text_win.h"

namespace {

constexpr const wchar_t* KlicNastaveni = L"Software\\ZD\\" VYPNUTI_PRODUKT_W;
constexpr const wchar_t* HodnotaParametru = L"parametr";
constexpr const wchar_t* HodnotaVyrizeno = L"vyrizeno";
constexpr const wchar_t* HodnotaVyrizenoSpravce = L"vyrizenoSpravce";
constexpr const wchar_t* HodnotaAutostartu = VYPNUTI_PRODUKT_W;

const wchar_t* CestaAutostartu(Autostart klic) {
  return klic == Autostart::Run ? L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"
                                : L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
}

// REG_SZ written with its explicit length, so that a scrambled character of value 0 survives.
void ZapisText(const wchar_t* cesta, const wchar_t* hodnota, std::string_view text) {
  HKEY klic = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, cesta, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &klic, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const std::wstring data = Utf16(text);
  RegSetValueExW(klic, hodnota, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(klic);
}

std::string CtiText(const wchar_t* hodnota) {
  HKEY klic = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KlicNastaveni, 0, KEY_QUERY_VALUE, &klic) != ERROR_SUCCESS) return {};
  DWORD typ = 0;
  DWORD bajtu = 0;
  std::wstring data;
  if (RegQueryValueExW(klic, hodnota, nullptr, &typ, nullptr, &bajtu) == ERROR_SUCCESS && typ == REG_SZ) {
    data.resize(bajtu / sizeof(wchar_t));
    if (RegQueryValueExW(klic, hodnota, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &bajtu) !=
        ERROR_SUCCESS) {
      data.clear();
    }
    data.resize(bajtu / sizeof(wchar_t));
  }
  RegCloseKey(klic);
  if (!data.empty() && data.back() == L'\0') data.pop_back();  // the terminator, and only it
  return Utf8(data);
}

}  // namespace

std::string UlozisteWin::CtiParametr() { return CtiText(HodnotaParametru); }
std::string UlozisteWin::CtiVyrizeno() { return CtiText(HodnotaVyrizeno); }

void UlozisteWin::ZapisVyrizeno(std::string_view okamzik) { ZapisText(KlicNastaveni, HodnotaVyrizeno, okamzik); }
std::string UlozisteWin::CtiVyrizenoSpravce() { return CtiText(HodnotaVyrizenoSpravce); }
void UlozisteWin::ZapisVyrizenoSpravce(std::string_view okamzik_a_plan) {
  ZapisText(KlicNastaveni, HodnotaVyrizenoSpravce, okamzik_a_plan);
}

void UlozisteWin::ZapisParametr(std::string_view ulozeny_tvar) {
  ZapisText(KlicNastaveni, HodnotaParametru, ulozeny_tvar);
}

void UlozisteWin::NastavAutostart(Autostart klic, std::string_view prikaz) {
  ZapisText(CestaAutostartu(klic), HodnotaAutostartu, prikaz);
}

void UlozisteWin::SmazAutostart(Autostart klic) {
  HKEY otevreny = nullptr;
  constexpr REGSAM Pristup = 0x3F;  // query, set, create sub-key, enumerate, notify, create link
  if (RegOpenKeyExW(HKEY_CURRENT_USER, CestaAutostartu(klic), 0, Pristup, &otevreny) != ERROR_SUCCESS) return;
  RegDeleteValueW(otevreny, HodnotaAutostartu);
  RegCloseKey(otevreny);
}

// Task Manager's Startup tab and Settings keep the switch as a binary value beside the Run values'
// names: its first byte is even while on (2) and odd once switched off (3).
bool UlozisteWin::AutostartPovolen() {
  BYTE data[12] = {};
  DWORD bajtu = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
                   HodnotaAutostartu, RRF_RT_REG_BINARY, nullptr, data, &bajtu) != ERROR_SUCCESS ||
      bajtu == 0) {
    return true;
  }
  return (data[0] & 1) == 0;
}

std::string UlozisteWin::CestaProgramu() {
  std::wstring cesta(MAX_PATH, L'\0');
  for (;;) {
    const DWORD delka = GetModuleFileNameW(nullptr, cesta.data(), static_cast<DWORD>(cesta.size()));
    if (delka == 0) return {};
    if (delka < cesta.size()) {
      cesta.resize(delka);
      return Utf8(cesta);
    }
    cesta.resize(cesta.size() * 2);
  }
}
