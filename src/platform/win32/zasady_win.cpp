#include "platform/win32/zasady_win.h"

#include <windows.h>

#include "platform/win32/text_win.h"

namespace {

HKEY Koren(Rozsah rozsah) { return rozsah == Rozsah::Pocitac ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

}  // namespace

// The policy key is shared by the 32- and the 64-bit view, so no view is asked for.
std::optional<std::string> ZasadyWin::Text(Rozsah rozsah, std::string_view nazev) {
  const std::wstring klic = Utf16(zasada::Klic), hodnota = Utf16(nazev);
  DWORD bajtu = 0;
  if (RegGetValueW(Koren(rozsah), klic.c_str(), hodnota.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bajtu) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::wstring data(bajtu / sizeof(wchar_t) + 1, L'\0');
  bajtu = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegGetValueW(Koren(rozsah), klic.c_str(), hodnota.c_str(), RRF_RT_REG_SZ, nullptr, data.data(), &bajtu) !=
      ERROR_SUCCESS)
    return std::nullopt;
  data.resize(wcsnlen(data.c_str(), data.size()));
  return Utf8(data);
}

std::optional<std::uint32_t> ZasadyWin::Cislo(Rozsah rozsah, std::string_view nazev) {
  DWORD cislo = 0, bajtu = sizeof cislo;
  if (RegGetValueW(Koren(rozsah), Utf16(zasada::Klic).c_str(), Utf16(nazev).c_str(), RRF_RT_REG_DWORD, nullptr, &cislo,
                   &bajtu) != ERROR_SUCCESS)
    return std::nullopt;
  return cislo;
}
