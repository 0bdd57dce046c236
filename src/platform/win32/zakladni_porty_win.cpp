#include "platform/win32/zakladni_porty_win.h"

#include <windows.h>

#include "platform/win32/text_win.h"

Cas HodinyWin::Ted() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return SlozCas(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

// The tick count goes on through sleep and is never set back.
std::chrono::milliseconds HodinyWin::Tik() { return std::chrono::milliseconds(GetTickCount64()); }

// Modal to whatever window of ours is active, so that the box comes up in front of it.
int DialogyWin::Zprava(std::string_view text, std::string_view titulek, unsigned styl) {
  HWND vlastnik = GetActiveWindow();
  const Otevreny box(otevreno_);
  return MessageBoxW(vlastnik, Utf16(text).c_str(), Utf16(titulek).c_str(), styl | MB_SETFOREGROUND);
}

std::string MistniWin::DesetinnyOddelovac() {
  wchar_t oddelovac[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, oddelovac, 8) <= 1) return ",";
  return Utf8(oddelovac);
}

namespace {

std::string FormatujDatum(const SYSTEMTIME& datum, const wchar_t* vzor) {
  wchar_t text[128] = {};
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &datum, vzor, text, 128, nullptr) <= 1) return {};
  return Utf8(text);
}

SYSTEMTIME Zaznam(int rok, int mesic, int den, int den_tydne = 0) {
  SYSTEMTIME t = {};
  t.wYear = static_cast<WORD>(rok);
  t.wMonth = static_cast<WORD>(mesic);
  t.wDay = static_cast<WORD>(den);
  t.wDayOfWeek = static_cast<WORD>(den_tydne);
  return t;
}

}  // namespace

// The locale's own month name: Czech gives the genitive form after a day ("25.prosince").
std::string MistniWin::DenMesicSlovy(int den, int mesic, int rok) {
  return FormatujDatum(Zaznam(rok, mesic, den), L"d.MMMM");
}

std::string MistniWin::DlouheDatum(const DatumCas& datum) {
  return FormatujDatum(Zaznam(datum.rok, datum.mesic, datum.den, datum.den_tydne), L"dddd, d.MMMM yyyy");
}
