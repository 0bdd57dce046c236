#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What an administrator set through Group Policy: values under the same key of the computer's and of
// the user's registry. The names are the templates' too (tools/zasady_test.py reads them from here).
namespace zasada {
inline constexpr const char* Klic = "Software\\Policies\\ZD\\ZDKZ";
inline constexpr const char* Parametr = "Parametr";                        // REG_SZ: the schedule in force
inline constexpr const char* Zprava = "Zprava";                            // REG_SZ: a line in the warning
inline constexpr const char* ZakazatVlastniPlany = "ZakazatVlastniPlany";  // REG_DWORD 1: no own schedules
}  // namespace zasada

enum class Rozsah { Pocitac, Uzivatel };

class Zasady {
 public:
  virtual ~Zasady() = default;
  // Nothing when the value is not there (not configured) or has another type.
  virtual std::optional<std::string> Text(Rozsah rozsah, std::string_view nazev) = 0;
  virtual std::optional<std::uint32_t> Cislo(Rozsah rozsah, std::string_view nazev) = 0;
};
