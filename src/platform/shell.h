#pragma once

#include <string_view>

// Hands a web address, an e-mail address or a file to the system, which opens it with its default
// program; it does not wait and reports nothing.
class Spoustec {
 public:
  virtual ~Spoustec() = default;
  virtual void Otevri(std::string_view cil, std::string_view parametry) = 0;
};
