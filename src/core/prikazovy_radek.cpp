#include "core/prikazovy_radek.h"

// Windows reads the program's name the same way: up to the closing quotation mark when it starts with
// one, otherwise up to the first blank.
std::string_view TextArgumentu(std::string_view radek) {
  std::size_t i = 0;
  if (!radek.empty() && radek.front() == '"') {
    const auto zavreni = radek.find('"', 1);
    i = zavreni == std::string_view::npos ? radek.size() : zavreni + 1;
  } else {
    while (i < radek.size() && radek[i] != ' ' && radek[i] != '\t') ++i;
  }
  while (i < radek.size() && (radek[i] == ' ' || radek[i] == '\t')) ++i;
  return radek.substr(i);
}
