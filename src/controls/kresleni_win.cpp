#include "controls/kresleni_win.h"

#include <cmath>

#include "platform/win32/text_win.h"

// The window's own dpi where the system can tell it (Windows 10 on), otherwise the screen's.
int DpiOkna(HWND okno) {
  using DpiProOkno = UINT(WINAPI*)(HWND);
  static const auto dpiProOkno = reinterpret_cast<DpiProOkno>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiProOkno && okno) {
    if (const UINT dpi = dpiProOkno(okno)) return static_cast<int>(dpi);
  }
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

// Asked at every paint: the answer changes while the program runs, and the call costs next to nothing.
bool VysokyKontrast() {
  HIGHCONTRASTW kontrast{sizeof kontrast, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof kontrast, &kontrast, 0) &&
         (kontrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A system colour reference becomes the system's present colour for that index.
COLORREF BarvaGdi(Barva barva) {
  if (barva & SystemovaBarvaPriznak) return GetSysColor(static_cast<int>(barva & 0xFF));
  return barva & 0xFFFFFF;
}

PismoGdi::~PismoGdi() {
  if (pismo_) DeleteObject(pismo_);
}

void PismoGdi::Vytvor(const Pismo& p, int dpi) {
  LOGFONTW lf = {};
  lf.lfHeight = -static_cast<LONG>(std::lround(p.velikost * dpi / 72.0));
  lf.lfWeight = p.vaha;
  lf.lfItalic = p.kurziva;
  lf.lfUnderline = p.podtrzene;
  lf.lfCharSet = static_cast<BYTE>(p.znakovaSada);
  const std::wstring jmeno = Utf16(p.jmeno);
  lstrcpynW(lf.lfFaceName, jmeno.c_str(), LF_FACESIZE);
  HFONT nove = CreateFontIndirectW(&lf);
  if (!nove) return;  // the old font stays
  if (pismo_) DeleteObject(pismo_);
  pismo_ = nove;
}

VlastniIkona::~VlastniIkona() {
  if (ikona_) DestroyIcon(ikona_);
}

void VlastniIkona::Vymen(HICON nova) {
  if (ikona_) DestroyIcon(ikona_);
  ikona_ = nova;
}
