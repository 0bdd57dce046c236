#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "controls/pismo.h"

// The keys a soft button is saved under.
namespace klic {
inline constexpr std::string_view FocusDraw = "FoD", FocusColor = "FoC", SEParameters = "SEP",
                                  SEFile = "SEF", SEMode = "SEM", DEMove = "DEM", DEBorder = "DEB",
                                  Enabled = "E", BackColor = "BC", ForeColor = "FC", MoveColor = "MC",
                                  DownColor = "DC", Font = "F", Caption = "C", MousePointer = "MP",
                                  MouseIcon = "MI", TrueFalse = "TF", StyleForList = "SFL",
                                  HelpTools = "HT";
}  // namespace klic

// A picture kept with a control: a cursor among the program's resources (0: none).
struct Obrazek {
  int zdroj = 0;
  bool operator==(const Obrazek&) const = default;
};

// The saved values of one soft button: typed values under keys, in the order they were written.
class BalikVlastnosti {
 public:
  using Hodnota = std::variant<bool, std::uint8_t, std::int16_t, std::int32_t, std::string, Pismo, Obrazek>;
  using Polozka = std::pair<std::string, Hodnota>;

  void Zapis(std::string_view klic, Hodnota hodnota);
  const Hodnota* Najdi(std::string_view klic) const;
  const std::vector<Polozka>& Polozky() const { return polozky_; }

  std::int32_t CtiCislo(std::string_view klic, std::int32_t vychozi) const;
  std::uint8_t CtiBajt(std::string_view klic, std::uint8_t vychozi) const;
  bool CtiLogicky(std::string_view klic, bool vychozi) const;
  std::string CtiText(std::string_view klic, std::string_view vychozi) const;
  Pismo CtiPismo(std::string_view klic, const Pismo& vychozi) const;
  Obrazek CtiObrazek(std::string_view klic, Obrazek vychozi) const;

 private:
  std::optional<std::int64_t> CeleCislo(std::string_view klic) const;
  std::vector<Polozka> polozky_;
};
