#pragma once

#include <cassert>
#include <utility>

// A port is an interface through which the logic reaches the outside world. Each has exactly one
// implementation installed per process: the Win32 one in the program, a fake in the tests.
template <class Rozhrani>
inline Rozhrani* pripojeny_port = nullptr;

template <class Rozhrani>
Rozhrani& port() {
  assert(pripojeny_port<Rozhrani> != nullptr);
  return *pripojeny_port<Rozhrani>;
}

template <class Rozhrani>
bool port_pripojen() {
  return pripojeny_port<Rozhrani> != nullptr;
}

// Installs an implementation for the lifetime of this object and puts the previous one back after.
template <class Rozhrani>
class Pripojeni {
 public:
  explicit Pripojeni(Rozhrani& implementace)
      : predchozi_(std::exchange(pripojeny_port<Rozhrani>, &implementace)) {}
  ~Pripojeni() { pripojeny_port<Rozhrani> = predchozi_; }
  Pripojeni(const Pripojeni&) = delete;
  Pripojeni& operator=(const Pripojeni&) = delete;

 private:
  Rozhrani* predchozi_;
};
