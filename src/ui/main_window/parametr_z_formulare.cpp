#include "ui/main_window/parametr_z_formulare.h"

#include <string_view>

#include "core/dny.h"
#include "core/kodovani.h"
#include "core/parametr.h"
#include "platform/port.h"
#include "platform/schranka.h"
#include "ui/main_window/editor.h"
#include "ui/main_window/podminka_formulare.h"

using O = Ovladac;

namespace {

bool Zaskrtnuto(const Formular& f, int index) { return f[chHN(index)].hodnota == 1; }
bool OdDo(const Formular& f) { return f[O::tlHNOdDo].TrueFalse; }

}  // namespace

std::string SestavParametr(const Formular& f) {
  const std::string cas(Orizni(f[O::txtHNCas].text));
  const std::string datum(Orizni(f[O::txtHNDatum].text));
  const std::string heslo(Orizni(f[O::txtHNHeslo].text));
  std::string s;
  if (OdDo(f)) {
    if (cas.empty() || datum.empty()) return {};
    s = ";od/" + cas + "-" + datum + "/";
  } else {
    s = KlicoveSlovoAkce(static_cast<std::uint8_t>(VybranaVolba(f)));
    if (s.empty()) return {};
  }
  if (Zaskrtnuto(f, 0)) s += ";kd";
  if (Zaskrtnuto(f, 0) && VybraneDny(f) != dny::Vsechny) s += ";dny/" + ZapisDny(VybraneDny(f)) + "/";
  if (!OdDo(f)) s += PodminkaRadku(f);
  if (Zaskrtnuto(f, 1)) s += ";zs";
  if (Zaskrtnuto(f, 2) && !heslo.empty()) s += ";h/" + heslo + "/";
  if (Zaskrtnuto(f, 4)) s += ";ss";
  if (!OdDo(f)) {
    if (Zaskrtnuto(f, 3)) s += ";kv";
    if (!cas.empty()) s += ";t/" + cas + "/";
    if (!Zaskrtnuto(f, 0) && !datum.empty()) s += ";d/" + datum + "/";
  }
  return s;
}

// A password with "/" would end its own option early and leave the user with only its first part.
std::optional<std::string> CoChybi(const Formular& f) {
  if (OdDo(f)) {
    if (Orizni(f[O::txtHNCas].text).empty() || Orizni(f[O::txtHNDatum].text).empty()) {
      return "Zadejte oba časy, od kdy a do kdy má být počítač vypnutý.";
    }
  } else if (VybranaVolba(f) == 0) {
    return "Vyberte akci: Vypnout, Restartovat, Odhlásit, Uspat, Zamknout nebo Hibernovat.";
  } else if (Orizni(f[O::txtHNCas].text).empty() && PodminkaRadku(f).empty()) {
    // Without a time or a condition the action would come at once: never what a postponement or a date
    // means.
    if (f[O::tlHNastaveniP].TrueFalse) return "Zadejte čas, na který se má akce posunout.";
    if (!Orizni(f[O::txtHNDatum].text).empty()) return "Zadejte k datu i čas.";
  }
  if (Zaskrtnuto(f, 0) && VybraneDny(f) == 0) return "Vyberte alespoň jeden den v týdnu.";
  if (auto chyba = ChybaPodminky(f, f[O::txtHNCas].text)) return chyba;
  if (Zaskrtnuto(f, 2)) {
    const std::string& heslo = f[O::txtHNHeslo].text;
    if (heslo.find('/') != std::string::npos) return "Heslo nesmí obsahovat lomítko \"/\".";
    if (!LzeUlozit(heslo)) return "Heslo obsahuje znak, který nelze uložit. Použijte písmena české abecedy a číslice.";
  }
  return std::nullopt;
}

void tlHNParametr_Click(Formular& f) {
  if (OdDo(f)) {
    VyberVolbu(f, 1);
    NastavZaskrtnuti(f, 1, 1);
  }
  f.Tag = SestavParametr(f);
  port<Schranka>().Vloz(f.Tag);
}
