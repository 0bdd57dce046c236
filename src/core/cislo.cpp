#include "core/cislo.h"

#include <cmath>
#include <string>

namespace {

bool JeMezera(char c) { return c == ' ' || c == '\t'; }
bool JeCislice(char c) { return c >= '0' && c <= '9'; }

// Copies the digits starting at i into out; returns how many there were.
std::size_t PrevezmiCislice(std::string_view text, std::size_t& i, std::string& out) {
  const std::size_t zacatek = i;
  while (i < text.size() && JeCislice(text[i])) out += text[i++];
  return i - zacatek;
}

}  // namespace

std::string_view Orizni(std::string_view text) {
  while (!text.empty() && JeMezera(text.front())) text.remove_prefix(1);
  while (!text.empty() && JeMezera(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<double> CtiCislo(std::string_view text, std::string_view desetinny_oddelovac) {
  text = Orizni(text);
  bool zaporne = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    zaporne = text.front() == '-';
    text = Orizni(text.substr(1));
  }
  std::size_t i = 0;
  std::string cele, desetinne;
  std::size_t cislic = PrevezmiCislice(text, i, cele);
  if (!desetinny_oddelovac.empty() && text.substr(i).starts_with(desetinny_oddelovac)) {
    i += desetinny_oddelovac.size();
    cislic += PrevezmiCislice(text, i, desetinne);
  }
  if (cislic == 0 || i != text.size()) return std::nullopt;

  // Digits to a value by hand: the library's floating-point parser would add some 30 KB to the
  // program for this one call. Past 19 significant digits the rest cannot change what we round to.
  double hodnota = 0;
  for (const char c : cele) hodnota = hodnota * 10 + (c - '0');
  double rad = 1;
  for (std::size_t d = 0; d < desetinne.size() && d < 19; ++d) {
    hodnota = hodnota * 10 + (desetinne[d] - '0');
    rad *= 10;
  }
  hodnota /= rad;
  if (!std::isfinite(hodnota)) return std::nullopt;
  return zaporne ? -hodnota : hodnota;
}

std::optional<double> CtiCeleCislo(std::string_view text, std::string_view desetinny_oddelovac) {
  const auto hodnota = CtiCislo(text, desetinny_oddelovac);
  if (!hodnota) return std::nullopt;
  return std::nearbyint(*hodnota);
}
