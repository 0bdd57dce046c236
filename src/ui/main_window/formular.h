#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/barva.h"
#include "core/cislo.h"  // Orizni: a box's text without the blanks around it
#include "ui/navrh_oken.h"

// What one control of the main window shows: the window mirrors it into the real control.
struct StavOvladace {
  std::string text;        // the caption, or what a box holds
  int hodnota = 0;         // a check box 0 or 1; an option button 1 while selected
  bool viditelny = true;
  bool povoleny = true;    // the control's own setting; a disabled frame disables what is in it too
  Barva barva = 0;         // the text colour
  bool TrueFalse = false;  // a soft button's free flag, which the editor keeps its state in
  bool maska = false;      // a text box that shows "*" for every character
  bool operator==(const StavOvladace&) const = default;
};

// The main window as its logic sees it: every control's state, the status bar and the few things
// the window itself carries. The logic writes it, the tests read it, the window mirrors it.
class Formular {
 public:
  Formular();  // every control as designed

  StavOvladace& operator[](Ovladac o) { return ovladace_[static_cast<std::size_t>(o)]; }
  const StavOvladace& operator[](Ovladac o) const { return ovladace_[static_cast<std::size_t>(o)]; }
  // Whether the user can reach the control: enabled, and in an enabled frame.
  bool Aktivni(Ovladac o) const;

  std::string sbText;      // the status bar's line and its icon code
  int sbIkona = 0;
  bool mmeActive = false;  // a button's hint occupies the status bar
  std::optional<Ovladac> fokus;  // where the focus is to go next; the window moves it and clears this
  std::optional<int> kurzor;     // and where the caret goes in it, counted in characters
  // The conditions of the schedule shown, as the parameter string writes them (";po/render.exe/;klid/15/"):
  // the row "Podmínka" keeps them this way while they are more than it can show.
  std::string podminka;
  std::string Tag;         // tlHNParametr's Tag: the parameter string the builder made last
  // The password in force when the editor was let in: a schedule handed over meanwhile may bring another.
  std::optional<std::string> hesloEditoru;
  // The editor's own entries from before "Od-Do", which "Zpět" gives back.
  std::vector<std::pair<Ovladac, StavOvladace>> predOdDo;

 private:
  std::array<StavOvladace, PocetOvladacu> ovladace_;
};

// The option buttons opHN(0) to opHN(PocetAkci) are one group: selecting one clears the others.
void VyberVolbu(Formular& f, int index);
// The selected option's index, 0 (no action) when none.
int VybranaVolba(const Formular& f);

// The day buttons tlHNDen(0) to (6) are pressed for the days of the schedule, all for every day.
void NastavDny(Formular& f, std::uint8_t dny);
// The pressed days, one bit a day, Monday the lowest (core/dny.h); 0 when none is pressed.
std::uint8_t VybraneDny(const Formular& f);
