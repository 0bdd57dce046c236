#include "ui/warning/umisteni.h"

// A warning centred on a monitor nobody looks at is easy to miss.
Bod UmisteniUpozorneni(const std::optional<Obdelnik>& popredi, const std::optional<Obdelnik>& ukazatel,
                       const Obdelnik& primarni, int sirka, int vyska) {
  const Obdelnik& plocha = popredi ? *popredi : ukazatel ? *ukazatel : primarni;
  return {plocha.left + (plocha.Sirka() - sirka) / 2, plocha.top + (plocha.Vyska() - vyska) / 2};
}
