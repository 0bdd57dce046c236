#include "controls/soft_button/tltext.h"

unsigned DEEdge(std::int32_t DEBorder, bool DEMove, bool stisknuto) {
  switch (DEBorder) {
    case 0:
      if (stisknuto) return hrana::VnejsiZapusteny;
      return DEMove ? hrana::VnitrniVystouply : hrana::VnejsiVystouply;
    case 1:
      return stisknuto ? hrana::Zapusteny : hrana::Vystouply;
    case 2:
      return stisknuto ? hrana::VnejsiZapusteny : hrana::VnitrniVystouply;
    default:
      return 0;
  }
}

unsigned DEFlags(std::int32_t DEBorder, bool DEMove) {
  switch (DEBorder) {
    case 0:
      return DEMove ? hrana::CtyriStrany : hrana::CtyriStrany | hrana::Mekke;
    case 1:
      return hrana::CtyriStrany | hrana::Mekke;
    case 2:
      return hrana::CtyriStrany;
    default:
      return 0;
  }
}

// Half of a difference, a half going to the even neighbour: 29 / 2 gives 14, 31 / 2 gives 16. The
// caption then sits where the platform's own rounding of the same number would put it.
int PulKSudemu(int rozdil) {
  const int dolu = rozdil >= 0 ? rozdil / 2 : -((-rozdil + 1) / 2);  // floor of the half
  if (rozdil % 2 == 0) return dolu;
  return dolu % 2 == 0 ? dolu : dolu + 1;
}

// A caption larger than the control gets a negative offset; the window clips it.
Bod PoziceTitulku(int sirka, int vyska, int sirkaTextu, int vyskaTextu, bool stisknuto) {
  Bod p{PulKSudemu(sirka - sirkaTextu), PulKSudemu(vyska - vyskaTextu)};
  if (stisknuto) {
    ++p.x;
    ++p.y;
  }
  return p;
}

PlanKresby NaplanujKresbu(const VstupKresby& v) {
  PlanKresby plan;
  const StavTlText& s = v.stav;
  const bool dole = s.pressed || s.zapnuto;
  plan.titulek = PoziceTitulku(v.sirka, v.vyska, v.sirkaTextu, v.vyskaTextu, dole);
  plan.priznakyTitulku = v.Enabled ? titulek::SPrefixem : titulek::SPrefixem | titulek::Zakazany;

  bool hover = s.hover;
  if (s.hover && !s.releasing) {
    plan.barvaTextu = s.pressed ? v.DownColor : v.MoveColor;
    plan.plocha = s.pressed ? UcelBarvy::PlochaStisku : UcelBarvy::PlochaPohybu;
  } else {
    plan.barvaTextu = v.ForeColor;
    plan.hoverZrusen = s.hover;
    hover = false;
  }

  // A toggle that is on shows it on its face too, not only by its edge, which is hard to see.
  if (s.zapnuto && !hover) {
    plan.plocha = UcelBarvy::PlochaZapnuti;
    if (v.TextZapnuti) plan.barvaTextu = *v.TextZapnuti;
  }

  if (!v.Enabled && v.SedyText) {
    plan.barvaTextu = *v.SedyText;
    plan.priznakyTitulku = titulek::SPrefixem;
  }

  plan.hrana = {0, 0, v.sirka, v.vyska};
  if (s.focused && !s.pressed) {
    if (v.FocusDraw == 0) {
      // The line runs down the rightmost column and along the bottom row; the edge stays inside it.
      plan.fokus = Fokus::cara;
      plan.caraFokusu[0] = {v.sirka - 1, 0};
      plan.caraFokusu[1] = {v.sirka - 1, v.vyska - 1};
      plan.caraFokusu[2] = {-1, v.vyska - 1};
      plan.hrana.right = v.sirka - 1;
      plan.hrana.bottom = v.vyska - 1;
    } else if (v.FocusDraw == 1 || s.zKlavesnice) {
      // A button that shows no focus by design still shows it to the keyboard's user, who has no
      // pointer to tell where the keys go.
      plan.fokus = Fokus::obdelnik;
    }
  }

  // A flat button shows its edge only under the mouse.
  plan.kresliHranu = !v.DEMove || hover;
  plan.edge = DEEdge(v.DEBorder, v.DEMove, dole);
  plan.flags = DEFlags(v.DEBorder, v.DEMove);
  return plan;
}

namespace {

// One character of UTF-8 text; a stray byte stands for itself, so nothing is skipped.
char32_t DalsiZnak(std::string_view text, std::size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  int pokracovani = 0;
  char32_t znak = b;
  if (b >= 0xF0 && b < 0xF8) {
    pokracovani = 3;
    znak = b & 0x07;
  } else if (b >= 0xE0) {
    pokracovani = 2;
    znak = b & 0x0F;
  } else if (b >= 0xC0) {
    pokracovani = 1;
    znak = b & 0x1F;
  } else {
    return znak;
  }
  const std::size_t zacatek = i;
  for (int k = 0; k < pokracovani; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      i = zacatek;
      return b;
    }
    znak = (znak << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return znak;
}

}  // namespace

// The character after the first "&"; none when there is no "&" or it ends the caption.
char32_t PristupovaKlavesa(std::string_view caption) {
  const std::size_t amp = caption.find('&');
  if (amp == std::string_view::npos || amp + 1 >= caption.size()) return 0;
  std::size_t i = amp + 1;
  return DalsiZnak(caption, i);
}

// Lower case for the Latin letters the program's captions and keyboards use (ASCII, Latin-1 and
// Latin Extended-A, which holds the Czech ones); other characters stay as they are.
char32_t MalePismeno(char32_t z) {
  if (z >= U'A' && z <= U'Z') return z + 32;
  if (z >= 0xC0 && z <= 0xDE && z != 0xD7) return z + 32;
  if (z >= 0x100 && z <= 0x137 && z != 0x130 && z % 2 == 0) return z + 1;
  if (z >= 0x139 && z <= 0x148 && z % 2 == 1) return z + 1;
  if (z >= 0x14A && z <= 0x177 && z % 2 == 0) return z + 1;
  if (z == 0x178) return 0xFF;
  if (z >= 0x179 && z <= 0x17E && z % 2 == 1) return z + 1;
  return z;
}

std::string NazevProCtecku(std::string_view caption) {
  std::string nazev;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == '&') continue;
    nazev += caption[i];
  }
  return nazev;
}

std::string KlavesovaZkratka(std::string_view caption) {
  const std::size_t amp = caption.find('&');
  if (amp == std::string_view::npos || amp + 1 >= caption.size() || caption[amp + 1] == '&') return {};
  std::size_t konec = amp + 2;
  while (konec < caption.size() && (static_cast<unsigned char>(caption[konec]) & 0xC0) == 0x80) ++konec;
  std::string klavesa(caption.substr(amp + 1, konec - amp - 1));
  if (klavesa.size() == 1 && klavesa[0] >= 'a' && klavesa[0] <= 'z') klavesa[0] = static_cast<char>(klavesa[0] - 32);
  return "Alt+" + klavesa;
}

bool StejneBezVelikosti(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (MalePismeno(DalsiZnak(a, i)) != MalePismeno(DalsiZnak(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}
