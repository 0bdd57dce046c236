#include "controls/soft_button/tltext_balik.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

bool StejnyKlic(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

template <class T>
const T* Jako(const BalikVlastnosti::Hodnota* h) {
  return h ? std::get_if<T>(h) : nullptr;
}

}  // namespace

// Writing a key again replaces its value in place, so the order stays that of the first write.
void BalikVlastnosti::Zapis(std::string_view klic, Hodnota hodnota) {
  for (auto& [k, h] : polozky_) {
    if (StejnyKlic(k, klic)) {
      h = std::move(hodnota);
      return;
    }
  }
  polozky_.emplace_back(std::string(klic), std::move(hodnota));
}

const BalikVlastnosti::Hodnota* BalikVlastnosti::Najdi(std::string_view klic) const {
  for (const auto& [k, h] : polozky_)
    if (StejnyKlic(k, klic)) return &h;
  return nullptr;
}

// A number saved in any integer width reads back as a number.
std::optional<std::int64_t> BalikVlastnosti::CeleCislo(std::string_view klic) const {
  const Hodnota* h = Najdi(klic);
  if (!h) return std::nullopt;
  if (auto v = Jako<std::uint8_t>(h)) return *v;
  if (auto v = Jako<std::int16_t>(h)) return *v;
  if (auto v = Jako<std::int32_t>(h)) return *v;
  return std::nullopt;
}

// A value of another kind than the one asked for reads as missing: the default applies.
std::int32_t BalikVlastnosti::CtiCislo(std::string_view klic, std::int32_t vychozi) const {
  return CeleCislo(klic).value_or(vychozi);
}

std::uint8_t BalikVlastnosti::CtiBajt(std::string_view klic, std::uint8_t vychozi) const {
  const auto v = CeleCislo(klic);
  if (!v || *v < 0 || *v > std::numeric_limits<std::uint8_t>::max()) return vychozi;
  return static_cast<std::uint8_t>(*v);
}

bool BalikVlastnosti::CtiLogicky(std::string_view klic, bool vychozi) const {
  if (auto v = Jako<bool>(Najdi(klic))) return *v;
  if (auto v = CeleCislo(klic)) return *v != 0;
  return vychozi;
}

std::string BalikVlastnosti::CtiText(std::string_view klic, std::string_view vychozi) const {
  if (auto v = Jako<std::string>(Najdi(klic))) return *v;
  return std::string(vychozi);
}

Pismo BalikVlastnosti::CtiPismo(std::string_view klic, const Pismo& vychozi) const {
  if (auto v = Jako<Pismo>(Najdi(klic))) return *v;
  return vychozi;
}

Obrazek BalikVlastnosti::CtiObrazek(std::string_view klic, Obrazek vychozi) const {
  if (auto v = Jako<Obrazek>(Najdi(klic))) return *v;
  return vychozi;
}
