#include "controls/status_bar/clskzsb.h"

#include "controls/twipy.h"

// 1 is the parent window's own small icon, 32512 to 32517 the system's predefined icons; anything
// else shows none.
ZdrojIkony ZdrojIkonyListy(std::int32_t sbIcon) {
  if (sbIcon == 1) return ZdrojIkony::okno;
  if (sbIcon >= 32512 && sbIcon <= 32517) return ZdrojIkony::systemova;
  return ZdrojIkony::zadna;
}

// Along the bottom of the parent: 2 pixels from the left, right and bottom edges, 20 pixels high
// (at 96 dpi; the margins and the height grow with the screen's dpi).
Obdelnik ObdelnikListy(const Obdelnik& klient, int dpi) {
  const int okraj = TwipyNaPixely(30, dpi);
  const int vyska = TwipyNaPixely(300, dpi);
  const int top = klient.bottom - vyska - okraj;
  return {okraj, top, klient.right - okraj, top + vyska};
}

int VelikostIkonyListy(int dpi) { return TwipyNaPixely(240, dpi); }
