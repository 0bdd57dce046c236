#pragma once

#include <string_view>

// The system clipboard, text only.
class Schranka {
 public:
  virtual ~Schranka() = default;
  // Empties the clipboard and puts the text on it (an empty text too).
  virtual void Vloz(std::string_view text) = 0;
};
