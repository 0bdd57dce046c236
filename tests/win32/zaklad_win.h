#pragma once
// What every Win32 test file includes first, so that each file lists only the project headers it
// tests; and the readers that several tests need: a registry value, a file, the screen's pixels.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../native/falesne_porty.h"
#include "controls/twipy.h"
#include "core/kodovani.h"
#include "platform/win32/okna_procesu_win.h"
#include "platform/win32/text_win.h"
#include "system/clsosgv.h"
#include "testovaci_okno.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A text value in the user's registry (or under the root given); nothing when it is not there.
inline std::optional<std::wstring> Hodnota(const wchar_t* klic, const wchar_t* nazev = L"ZDKZ",
                                           HKEY koren = HKEY_CURRENT_USER) {
  wchar_t data[2048];
  DWORD bajtu = sizeof data;
  if (RegGetValueW(koren, klic, nazev, RRF_RT_REG_SZ, nullptr, data, &bajtu)) return std::nullopt;
  return data;
}

// A file's bytes as they are, line ends included; empty when there is no file.
inline std::string Obsah(const fs::path& soubor) {
  std::ifstream vstup(soubor, std::ios::binary);
  return {std::istreambuf_iterator<char>(vstup), {}};
}

// The colours on the screen over a window, row by row; or over a part of it from x, y (negative: from
// the right or the bottom edge) so many pixels wide and high.
inline std::vector<COLORREF> Pixely(HWND okno, int x = 0, int y = 0, int sirka = 0, int vyska = 0) {
  RECT r{};
  GetWindowRect(okno, &r);
  const int levy = x < 0 ? r.right + x : r.left + x, horni = y < 0 ? r.bottom + y : r.top + y;
  std::vector<COLORREF> barvy;
  HDC obrazovka = GetDC(nullptr);
  for (int j = horni; j < (vyska ? horni + vyska : r.bottom); ++j)
    for (int i = levy; i < (sirka ? levy + sirka : r.right); ++i) barvy.push_back(GetPixel(obrazovka, i, j));
  ReleaseDC(nullptr, obrazovka);
  return barvy;
}

// The height of the font a control draws with, as its LOGFONT gives it.
inline int VyskaPisma(HWND okno) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(okno, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf.lfHeight;
}

// A window's place in its parent (a top-level one's on the screen) and its size: "left,top WxH".
inline std::string Misto(HWND okno) {
  RECT r{};
  GetWindowRect(okno, &r);
  MapWindowPoints(nullptr, GetParent(okno), reinterpret_cast<POINT*>(&r), 2);
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}
