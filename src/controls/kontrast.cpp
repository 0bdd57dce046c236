#include "controls/kontrast.h"

namespace {

// The system colour indexes of the platform.
constexpr int BarvaOkna = 5;
constexpr int TextOkna = 8;
constexpr int Zvyrazneni = 13;
constexpr int TextZvyrazneni = 14;
constexpr int PlochaTlacitka = 15;
constexpr int SedyText = 17;
constexpr int TextTlacitka = 18;
constexpr int Odkaz = 26;  // the "hot" colour of links and items under the pointer

}  // namespace

Barva BarvaVKontrastu(Barva navrzena, UcelBarvy ucel, bool vysokyKontrast) {
  if (!vysokyKontrast) return navrzena;
  switch (ucel) {
    case UcelBarvy::PlochaTlacitka: return SystemovaBarva(PlochaTlacitka);
    case UcelBarvy::TextTlacitka: return SystemovaBarva(TextTlacitka);
    case UcelBarvy::PlochaPohybu: return SystemovaBarva(BarvaOkna);
    case UcelBarvy::Pohyb: return SystemovaBarva(Odkaz);
    case UcelBarvy::PlochaStisku:
    case UcelBarvy::PlochaZapnuti:
      return SystemovaBarva(Zvyrazneni);
    case UcelBarvy::Stisk: return SystemovaBarva(TextZvyrazneni);
    case UcelBarvy::Zakazany: return SystemovaBarva(SedyText);
    case UcelBarvy::Pozadi: return SystemovaBarva(BarvaOkna);
    case UcelBarvy::TextPozadi: return SystemovaBarva(TextOkna);
  }
  return navrzena;
}
