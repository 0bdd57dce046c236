#include "ui/main_window/editor.h"

#include "ui/main_window/zobraz_nastaveni.h"

using O = Ovladac;

namespace {

bool OdDo(const Formular& f) { return f[O::tlHNOdDo].TrueFalse; }

void UkazDatum(Formular& f, bool ukazat) {
  for (const Ovladac o : {lblN(1), O::txtHNDatum, O::Label1}) f[o].viditelny = ukazat;
}

}  // namespace

void NastavZaskrtnuti(Formular& f, int index, int hodnota) {
  if (f[chHN(index)].hodnota == hodnota) return;
  f[chHN(index)].hodnota = hodnota;
  chHN_Click(f, index);
}

// A daily schedule has no date; a password box is filled right after its box is checked; hiding the
// cancel button leaves nothing to cancel with, so cancelling is forbidden too.
void chHN_Click(Formular& f, int index) {
  const bool zaskrtnuto = f[chHN(index)].hodnota == 1;
  switch (index) {
    case 0:
      if (!zaskrtnuto) UkazDatum(f, true);
      else if (!OdDo(f)) UkazDatum(f, false);
      break;
    case 2:
      if (!zaskrtnuto) f[O::txtHNHeslo].text.clear();
      else if (f[O::frHN].povoleny) f.fokus = O::txtHNHeslo;
      break;
    case 4:
      NastavZaskrtnuti(f, 1, zaskrtnuto ? 1 : 0);
      f[chHN(1)].povoleny = !zaskrtnuto;
      break;
    default:
      break;
  }
}

void tlHNOdDo_Click(Formular& f) {
  if (OdDo(f)) {
    f[O::tlHNOdDo].TrueFalse = false;
    f[O::tlHNOdDo].text = "Od-Do";
    f[lblN(0)].text = "Čas";
    f[lblN(1)].text = "Datum";
    f[O::Label1].text = "den.měsíc.rok";
    f[opHN(1)].povoleny = true;
    for (int i = 2; i <= 5; ++i) f[opHN(i)].viditelny = true;
    f[chHN(1)].povoleny = true;
    f[chHN(3)].viditelny = true;
    if (!f[O::tlHNStorno].TrueFalse) ZobrazNastaveni(f, true);
  } else {
    f[O::tlHNOdDo].TrueFalse = true;
    UkazDatum(f, true);
    f[O::tlHNOdDo].text = "Zpět";
    f[lblN(0)].text = "Od";
    f[lblN(1)].text = "Do";
    f[O::Label1].text = "hodina:minuta";
    VyberVolbu(f, 1);
    f[opHN(1)].povoleny = false;
    for (int i = 2; i <= 5; ++i) f[opHN(i)].viditelny = false;
    NastavZaskrtnuti(f, 1, 1);
    f[chHN(1)].povoleny = false;
    NastavZaskrtnuti(f, 3, 0);
    f[chHN(3)].viditelny = false;
    f[O::txtHNCas].text.clear();
    f[O::txtHNDatum].text.clear();
  }
  if (f[O::frHN].povoleny) f.fokus = O::txtHNCas;
}
