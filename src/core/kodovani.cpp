#include "core/kodovani.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Unicode of the bytes 0x80 to 0xFF; the bytes below are ASCII.
constexpr std::array<char16_t, 128> HorniPolovina = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The scrambling key: thirteen capital letters, spelled out as codes so that it is not a plain string
// in the program file.
constexpr std::array<std::uint8_t, 13> Klic = {'V', 'Y', 'P', 'N', 'U', 'T', 'I', 'P', 'O', 'C', 'I', 'T', 'A'};

constexpr char32_t Neplatny = 0xFFFD;

// Reads one character of UTF-8 at i and moves past it; a malformed sequence gives U+FFFD for its
// first byte only.
char32_t CtiZnak(std::string_view text, std::size_t& i) {
  const auto bajt = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t prvni = bajt(i);
  int delka = prvni < 0x80 ? 1 : prvni >= 0xC2 && prvni < 0xE0 ? 2 : prvni >= 0xE0 && prvni < 0xF0 ? 3
                                 : prvni >= 0xF0 && prvni < 0xF5 ? 4 : 0;
  if (delka == 0 || i + delka > text.size()) {
    ++i;
    return delka == 1 ? prvni : Neplatny;
  }
  char32_t znak = delka == 1 ? prvni : prvni & (0x7F >> delka);
  for (int k = 1; k < delka; ++k) {
    if ((bajt(i + k) & 0xC0) != 0x80) {
      ++i;
      return Neplatny;
    }
    znak = (znak << 6) | (bajt(i + k) & 0x3F);
  }
  const bool prilis_dlouhy = (delka == 3 && znak < 0x800) || (delka == 4 && znak < 0x10000);
  if (prilis_dlouhy || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF)) {
    ++i;
    return Neplatny;
  }
  i += delka;
  return znak;
}

void PridejZnak(std::string& out, char32_t znak) {
  if (znak < 0x80) {
    out += static_cast<char>(znak);
  } else if (znak < 0x800) {
    out += static_cast<char>(0xC0 | (znak >> 6));
    out += static_cast<char>(0x80 | (znak & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (znak >> 12));
    out += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (znak & 0x3F));
  }
}

std::optional<std::uint8_t> BajtZnaku(char32_t znak) {
  if (znak < 0x80) return static_cast<std::uint8_t>(znak);
  const auto kde = std::find(HorniPolovina.begin(), HorniPolovina.end(), znak);
  if (kde == HorniPolovina.end()) return std::nullopt;
  return static_cast<std::uint8_t>(0x80 + (kde - HorniPolovina.begin()));
}

// Bytes of a text, with "?" for what the code page cannot hold.
std::string BajtyNebo(std::string_view utf8) {
  std::string bajty;
  for (std::size_t i = 0; i < utf8.size();) {
    bajty += static_cast<char>(BajtZnaku(CtiZnak(utf8, i)).value_or('?'));
  }
  return bajty;
}

// Character i (from 0) pairs with key character (i + 1) mod 13: the first character with the key's
// second, the thirteenth with the key's first.
std::string Posun(std::string_view text, int smer) {
  std::string bajty = BajtyNebo(text);
  for (std::size_t i = 0; i < bajty.size(); ++i) {
    const int k = Klic[(i + 1) % Klic.size()];
    bajty[i] = static_cast<char>((static_cast<std::uint8_t>(bajty[i]) + smer * k + 256) % 256);
  }
  return ZCp1250(bajty);
}

constexpr std::string_view Znacka = ";TD";

}  // namespace

std::optional<std::string> DoCp1250(std::string_view utf8) {
  std::string bajty;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto bajt = BajtZnaku(CtiZnak(utf8, i));
    if (!bajt) return std::nullopt;
    bajty += static_cast<char>(*bajt);
  }
  return bajty;
}

std::string ZCp1250(std::string_view bajty) {
  std::string utf8;
  for (const char c : bajty) {
    const auto bajt = static_cast<std::uint8_t>(c);
    PridejZnak(utf8, bajt < 0x80 ? bajt : HorniPolovina[bajt - 0x80]);
  }
  return utf8;
}

bool LzeUlozit(std::string_view utf8) { return DoCp1250(utf8).has_value(); }

std::string Zakoduj(std::string_view text) { return Posun(text, +1); }
std::string Dekoduj(std::string_view text) { return Posun(text, -1); }

std::string UlozenyTvar(std::string_view parametr) { return Zakoduj(Znacka) + Zakoduj(parametr); }

std::optional<std::string> RozbalUlozenyTvar(std::string_view text) {
  const std::string bajty = BajtyNebo(text);
  if (bajty.size() < Znacka.size()) return std::nullopt;
  const std::string znacka = ZCp1250(bajty.substr(0, Znacka.size()));
  if (Dekoduj(znacka) != Znacka) return std::nullopt;
  return Dekoduj(ZCp1250(bajty.substr(Znacka.size())));
}
