#include "controls/twipy.h"

#include <cmath>

// Rounded to the nearest pixel, so that a layout does not creep by a pixel at every step.
int TwipyNaPixely(int twipy, int dpi) {
  if (dpi <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(twipy) * dpi / TwipuNaPalec));
}

float PixelyNaTwipy(float pixely, int dpi) {
  if (dpi <= 0) return 0;
  return pixely * TwipuNaPalec / static_cast<float>(dpi);
}
