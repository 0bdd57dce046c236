#pragma once

#include <optional>
#include <string_view>

// The text without the blanks and tabs around it.
std::string_view Orizni(std::string_view text);

// Reads a number as the user writes it: blanks around it, an optional sign, digits with the locale's
// decimal separator. No exponent: "1e3" is a typing slip, not a thousand. Anything else, the empty
// text included, is no number.
std::optional<double> CtiCislo(std::string_view text, std::string_view desetinny_oddelovac);

// The same number rounded to a whole one; halves go to the even neighbour (2,5 gives 2 and 3,5
// gives 4), the rounding of the platform's own integer conversions.
std::optional<double> CtiCeleCislo(std::string_view text, std::string_view desetinny_oddelovac);
