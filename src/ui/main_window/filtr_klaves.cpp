#include "ui/main_window/filtr_klaves.h"

namespace {

constexpr std::int16_t Backspace = 8;

std::int16_t Filtr(std::int16_t znak, char oddelovac) {
  if (znak == ':' || znak == ',' || znak == '.') return oddelovac;
  if ((znak >= '0' && znak <= '9') || znak == Backspace) return znak;
  return 0;
}

}  // namespace

std::int16_t FiltrCasu(std::int16_t KeyAscii) { return Filtr(KeyAscii, ':'); }

std::int16_t FiltrData(std::int16_t KeyAscii, bool odDo) { return Filtr(KeyAscii, odDo ? ':' : '.'); }

std::string FiltrujVlozeni(std::string_view text, bool datum, bool odDo) {
  std::string vysledek;
  for (const char c : text) {
    if (c == Backspace) continue;  // a control character in a paste is no key
    const std::int16_t znak =
        datum ? FiltrData(static_cast<unsigned char>(c), odDo) : FiltrCasu(static_cast<unsigned char>(c));
    if (znak != 0) vysledek += static_cast<char>(znak);
  }
  return vysledek;
}
