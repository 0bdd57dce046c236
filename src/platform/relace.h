#pragma once

#include <optional>
#include <string>
#include <vector>

// Who else is signed in on this computer, and whose session has its screen and keyboard (the console).
struct PrihlaseniUzivatelu {
  bool vlastni_aktivni = true;    // the program's own session has the console
  bool jina_aktivni = false;      // another user's session has it
  std::vector<std::string> jini;  // the other users signed in, by name
};

class Relace {
 public:
  virtual ~Relace() = default;
  // Nothing when the system cannot say: then nobody else is known to be there.
  virtual std::optional<PrihlaseniUzivatelu> Prihlaseni() = 0;
};
