#pragma once

// Points and rectangles in pixels, with the platform's meaning: right and bottom lie just outside.
struct Bod {
  int x = 0;
  int y = 0;
  bool operator==(const Bod&) const = default;
};

struct Obdelnik {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Sirka() const { return right - left; }
  int Vyska() const { return bottom - top; }
  bool operator==(const Obdelnik&) const = default;
};
