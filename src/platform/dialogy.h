#pragma once

#include <optional>
#include <string>
#include <string_view>

// Message-box styles and answers, with the values of the platform's message box.
namespace styl {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned AnoNe = 0x04;
inline constexpr unsigned Otaznik = 0x20;
inline constexpr unsigned Vykricnik = 0x30;
inline constexpr unsigned Informace = 0x40;
inline constexpr unsigned DruheVychozi = 0x100;  // the second button (No) is the default
}  // namespace styl

namespace odpoved {
inline constexpr int Ok = 1;
inline constexpr int Ano = 6;
inline constexpr int Ne = 7;
}  // namespace odpoved

// Modal message boxes: the program's messages, errors and questions, and a one-line input box.
class Dialogy {
 public:
  virtual ~Dialogy() = default;
  virtual int Zprava(std::string_view text, std::string_view titulek, unsigned styl) = 0;
  // What the user typed and confirmed with OK; nothing when the box was cancelled.
  virtual std::optional<std::string> Vstup(std::string_view vyzva, std::string_view titulek) = 0;
  // True while one of these boxes is up: a request from outside then waits for no answer of the user.
  virtual bool Otevreno() const = 0;
};
