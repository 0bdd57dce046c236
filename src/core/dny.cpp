#include "core/dny.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> Zkratky = {"po", "ut", "st", "ct", "pa", "so", "ne"};
constexpr std::array<std::string_view, 7> SDiakritikou = {"po", "út", "st", "čt", "pá", "so", "ne"};

// The day of a name, in either spelling and any case of its ASCII letters.
std::optional<int> Den(std::string_view jmeno) {
  std::string male(jmeno);
  for (char& c : male) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  // The upper-case forms with diacritics: "ÚT", "ČT", "PÁ".
  if (male == "\xC3\x9At") male = "út";
  if (male == "\xC4\x8Ct") male = "čt";
  if (male == "p\xC3\x81") male = "pá";
  for (int d = 0; d < 7; ++d) {
    if (male == Zkratky[d] || male == SDiakritikou[d]) return d;
  }
  return std::nullopt;
}

std::optional<std::uint8_t> Polozka(std::string_view polozka) {
  const auto pomlcka = polozka.find('-');
  if (pomlcka == std::string_view::npos) {
    const auto d = Den(polozka);
    return d ? std::optional<std::uint8_t>(BitDne(*d)) : std::nullopt;
  }
  const auto od = Den(polozka.substr(0, pomlcka));
  const auto po = Den(polozka.substr(pomlcka + 1));
  if (!od || !po) return std::nullopt;
  std::uint8_t bity = 0;
  for (int d = *od;; d = (d + 1) % 7) {
    bity |= BitDne(d);
    if (d == *po) break;
  }
  return bity;
}

}  // namespace

std::optional<std::uint8_t> CtiDny(std::string_view text) {
  std::uint8_t bity = 0;
  while (true) {
    const auto carka = text.find(',');
    const auto polozka = Polozka(text.substr(0, carka));
    if (!polozka) return std::nullopt;
    bity |= *polozka;
    if (carka == std::string_view::npos) return bity;
    text.remove_prefix(carka + 1);
  }
}

// Runs of three days and more as a range, the rest one by one.
std::string ZapisDny(std::uint8_t dny) {
  std::string text;
  for (int d = 0; d < 7;) {
    if (!(dny & BitDne(d))) {
      ++d;
      continue;
    }
    int konec = d;
    while (konec + 1 < 7 && (dny & BitDne(konec + 1))) ++konec;
    if (!text.empty()) text += ',';
    if (konec - d >= 2) {
      text.append(Zkratky[d]).append("-").append(Zkratky[konec]);
    } else {
      for (int i = d; i <= konec; ++i) text.append(i > d ? "," : "").append(Zkratky[i]);
    }
    d = konec + 1;
  }
  return text;
}

bool DenPovolen(std::uint8_t dny, Cas cas) {
  if (dny == dny::Kazdy) return true;
  return (dny & BitDne((RozlozCas(cas).den_tydne + 6) % 7)) != 0;
}

std::string DnyVeVete(std::uint8_t dny) {
  if (dny == dny::Kazdy) return {};
  if (dny == dny::Pracovni) return " v pracovní dny";
  if (dny == dny::Vikend) return " o víkendu";
  std::string text = " v ";
  for (int d = 0; d < 7; ++d) {
    if (dny & BitDne(d)) text.append(text.size() > 3 ? ", " : "").append(SDiakritikou[d]);
  }
  return text;
}
