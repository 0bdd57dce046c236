#include "ui/main_window/formular.h"

#include "core/dny.h"

Formular::Formular() {
  for (const NavrhOvladace& n : NavrhHlavnihoOkna()) {
    StavOvladace& s = (*this)[n.id];
    s.text = n.Caption;
    s.viditelny = n.viditelny;
    s.povoleny = n.povoleny;
    s.barva = n.ForeColor;
  }
  (*this)[Ovladac::opHN0].hodnota = 1;  // "no action" is selected at design
}

bool Formular::Aktivni(Ovladac o) const {
  const Ovladac ram = Navrh(o).kontejner;
  return (*this)[o].povoleny && (ram == Ovladac::Formular || (*this)[ram].povoleny);
}

void VyberVolbu(Formular& f, int index) {
  for (int i = 0; i <= PocetAkci; ++i) f[opHN(i)].hodnota = i == index ? 1 : 0;
}

int VybranaVolba(const Formular& f) {
  for (int i = 1; i <= PocetAkci; ++i)
    if (f[opHN(i)].hodnota == 1) return i;
  return 0;
}

void NastavDny(Formular& f, std::uint8_t dny) {
  for (int den = 0; den < 7; ++den) f[tlHNDen(den)].TrueFalse = dny == dny::Kazdy || (dny & BitDne(den)) != 0;
}

std::uint8_t VybraneDny(const Formular& f) {
  std::uint8_t dny = 0;
  for (int den = 0; den < 7; ++den)
    if (f[tlHNDen(den)].TrueFalse) dny |= BitDne(den);
  return dny;
}
