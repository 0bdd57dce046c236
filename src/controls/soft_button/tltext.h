#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/barva.h"
#include "controls/geometrie.h"
#include "controls/kontrast.h"

// Edge kinds and border flags of the platform's edge drawing.
namespace hrana {
inline constexpr unsigned VnejsiVystouply = 0x1;
inline constexpr unsigned VnejsiZapusteny = 0x2;
inline constexpr unsigned VnitrniVystouply = 0x4;
inline constexpr unsigned Vystouply = 0x5;
inline constexpr unsigned Zapusteny = 0xA;
inline constexpr unsigned CtyriStrany = 0x000F;
inline constexpr unsigned Mekke = 0x1000;
}  // namespace hrana

// Flags of the caption drawing: the "&" prefix is honoured, and the disabled look.
namespace titulek {
inline constexpr unsigned SPrefixem = 0x02;
inline constexpr unsigned Zakazany = 0x20;
}  // namespace titulek

unsigned DEEdge(std::int32_t DEBorder, bool DEMove, bool stisknuto);
unsigned DEFlags(std::int32_t DEBorder, bool DEMove);

int PulKSudemu(int rozdil);
Bod PoziceTitulku(int sirka, int vyska, int sirkaTextu, int vyskaTextu, bool stisknuto);

// The run-time state of a soft button that a paint reads.
struct StavTlText {
  bool focused = false;
  bool pressed = false;
  bool hover = false;
  bool releasing = false;
  bool zKlavesnice = false;  // the focus came by the keyboard (Tab, an arrow), not by a click
  bool zapnuto = false;      // a toggle that is on: it stays drawn down
};

// What a paint needs besides the state: the client size, the measured caption and the properties.
struct VstupKresby {
  int sirka = 0;
  int vyska = 0;
  int sirkaTextu = 0;
  int vyskaTextu = 0;
  StavTlText stav;
  bool Enabled = true;
  bool DEMove = false;
  std::int32_t DEBorder = 0;
  std::int32_t FocusDraw = 0;
  Barva ForeColor = 0;
  Barva MoveColor = 0;
  Barva DownColor = 0;
  // High contrast: a disabled caption is drawn in this colour (the system's grey text), not embossed.
  std::optional<Barva> SedyText;
  // High contrast: the caption of a toggle that is on, in the text colour paired with its face.
  std::optional<Barva> TextZapnuti;
};

enum class Fokus { zadny, cara, obdelnik };

struct PlanKresby {
  Bod titulek;
  unsigned priznakyTitulku = titulek::SPrefixem;
  Barva barvaTextu = 0;
  UcelBarvy plocha = UcelBarvy::PlochaTlacitka;  // the face that goes with that text in high contrast
  bool hoverZrusen = false;  // the paint draws the normal colours, which ends the hover look
  Fokus fokus = Fokus::zadny;
  Bod caraFokusu[3];
  Obdelnik hrana;
  bool kresliHranu = false;
  unsigned edge = 0;
  unsigned flags = 0;
};

PlanKresby NaplanujKresbu(const VstupKresby& vstup);

char32_t PristupovaKlavesa(std::string_view caption);
// What a screen reader says of a caption: the text without its access-key mark ("&&" is one "&"),
// and the shortcut, e.g. "Alt+A" for "&Aktivace" (empty when there is none).
std::string NazevProCtecku(std::string_view caption);
std::string KlavesovaZkratka(std::string_view caption);
char32_t MalePismeno(char32_t znak);
bool StejneBezVelikosti(std::string_view a, std::string_view b);
