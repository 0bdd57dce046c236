#pragma once

#include <string>

#include "platform/cas.h"

// What the user's locale decides: how numbers are written and how dates are named.
class Mistni {
 public:
  virtual ~Mistni() = default;
  // The decimal separator of numbers, e.g. "," in Czech.
  virtual std::string DesetinnyOddelovac() = 0;
  // Day and month with the month's name, e.g. "25.prosince".
  virtual std::string DenMesicSlovy(int den, int mesic, int rok) = 0;
  // The long date of the main window's clock, e.g. "sobota, 5.prosince 2026".
  virtual std::string DlouheDatum(const DatumCas& datum) = 0;
};
