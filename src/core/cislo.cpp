#include "core/cislo.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool JeMezera(char c) { return c == ' ' || c == '\t'; }
bool JeCislice(char c) { return c >= '0' && c <= '9'; }

std::string_view Orizni(std::string_view text) {
  while (!text.empty() && JeMezera(text.front())) text.remove_prefix(1);
  while (!text.empty() && JeMezera(text.back())) text.remove_suffix(1);
  return text;
}

// Copies the digits starting at i into out; returns how many there were.
std::size_t PrevezmiCislice(std::string_view text, std::size_t& i, std::string& out) {
  const std::size_t zacatek = i;
  while (i < text.size() && JeCislice(text[i])) out += text[i++];
  return i - zacatek;
}

}  // namespace

std::optional<double> CtiCislo(std::string_view text, std::string_view desetinny_oddelovac) {
  text = Orizni(text);
  std::string normalni;  // the number in the form from_chars reads
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normalni += '-';
    text = Orizni(text.substr(i + 1));
  }
  std::size_t cislic = PrevezmiCislice(text, i, normalni);
  if (!desetinny_oddelovac.empty() && text.substr(i).starts_with(desetinny_oddelovac)) {
    i += desetinny_oddelovac.size();
    normalni += '.';
    cislic += PrevezmiCislice(text, i, normalni);
  }
  if (cislic == 0 || i != text.size()) return std::nullopt;

  double hodnota = 0;
  const auto [konec, chyba] = std::from_chars(normalni.data(), normalni.data() + normalni.size(), hodnota);
  if (chyba != std::errc{} || konec != normalni.data() + normalni.size() || !std::isfinite(hodnota)) {
    return std::nullopt;
  }
  return hodnota;
}

std::optional<double> CtiCeleCislo(std::string_view text, std::string_view desetinny_oddelovac) {
  const auto hodnota = CtiCislo(text, desetinny_oddelovac);
  if (!hodnota) return std::nullopt;
  return std::nearbyint(*hodnota);
}
