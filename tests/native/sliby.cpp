#include "sliby.h"

#include "falesny_svet.h"

namespace {

// The bytes as a stream of choices; once they run out every choice is 0 and the sequence ends.
class Kostky {
 public:
  explicit Kostky(std::span<const std::uint8_t> b) : b_(b) {}
  bool Dosly() const { return i_ >= b_.size(); }
  int Do(int n) { return n <= 1 ? 0 : static_cast<int>(Bajt() | (Bajt() << 8)) % n; }
  bool Sance(int procent) { return Do(100) < procent; }
  template <class T, std::size_t N>
  const T& Z(const T (&a)[N]) {
    return a[static_cast<std::size_t>(Do(N))];
  }
  // One of the choices, each as likely as its weight.
  template <class T>
  T Vaha(std::initializer_list<std::pair<int, T>> volby) {
    int soucet = 0;
    for (const auto& v : volby) soucet += v.first;
    auto i = volby.begin();
    for (int los = Do(soucet); los >= i->first; ++i) los -= i->first;
    return i->second;
  }

 private:
  unsigned Bajt() { return i_ < b_.size() ? b_[i_++] : 0u; }
  std::span<const std::uint8_t> b_;
  std::size_t i_ = 0;
};

// What the user asked for, as the generator built it: the oracle knows its meaning from these fields,
// never from the program's parse.
struct Zamer {
  enum Kdy { Hned, Minuty, VCas, BezCasu, OdDo, Neznamy } kdy = Hned;
  std::uint8_t akce = akce::Vypnuti;
  int minuty = 0, hodina = 0, minuta = 0, do_hodina = 0, do_minuta = 0;
  std::optional<Cas> datum;  // its day, with a date
  bool kd = false, zs = false, ss = false, kv = false;
  std::uint8_t dny = dny::Kazdy;
  Podminky podminka;
  std::string heslo;
  std::string text;  // what the program armed it as
  Cas zadano{};      // when it was armed
  int id = 0;
};

constexpr const char* Slova[] = {"", "/vypnuti", "/restart", "/odhlaseni", "/spanek", "/zamceni"};
constexpr const char* Hesla[] = {"tajne", "a;b", "ř ž", "x\"y", "12 34"};
// Options earlier strings wrote by mistake: they meant nothing then and mean nothing now.
constexpr const char* Omyly[] = {";pozdeji", ";klidne", ";pozor", ";dnyx", ";necinny", ";x"};

std::string Hm(int h, int m) { return std::to_string(h) + (m < 10 ? ":0" : ":") + std::to_string(m); }

// The user's string: the action word first, the options in any order, a stray word now and then.
std::string Zapis(const Zamer& z, Kostky& k) {
  std::vector<std::string> volby;
  if (z.kdy == Zamer::OdDo) volby.push_back(";od/" + Hm(z.hodina, z.minuta) + "-" + Hm(z.do_hodina, z.do_minuta) + "/");
  if (z.kd) volby.push_back(";kd");
  if (z.dny != dny::Kazdy) volby.push_back(";dny/" + ZapisDny(z.dny) + "/");
  if (!z.podminka.program.empty()) volby.push_back(";po/" + z.podminka.program + "/");
  if (z.podminka.klid) volby.push_back(";klid/" + std::to_string(z.podminka.klid) + "/");
  if (z.podminka.necinnost) volby.push_back(";necinnost/" + std::to_string(z.podminka.necinnost) + "/");
  for (const auto& [ano, volba] : {std::pair{z.zs, ";zs"}, {z.ss, ";ss"}, {z.kv, ";kv"}})
    if (ano) volby.push_back(volba);
  if (!z.heslo.empty()) volby.push_back(";h/" + z.heslo + "/");
  if (z.kdy == Zamer::Minuty) volby.push_back(";t/" + std::to_string(z.minuty) + "/");
  if (z.kdy == Zamer::VCas) volby.push_back(";t/" + Hm(z.hodina, z.minuta) + "/");
  if (z.datum) volby.push_back(";d/" + FormatDatum(*z.datum) + "/");
  if (k.Sance(15)) volby.push_back(k.Z(Omyly));
  for (std::size_t i = volby.size(); i > 1; --i)
    std::swap(volby[i - 1], volby[static_cast<std::size_t>(k.Do(static_cast<int>(i)))]);
  std::string s = z.kdy == Zamer::OdDo ? "" : Slova[z.akce];
  for (const auto& v : volby) s += v;
  return s;
}

Cas Den(Cas c) { return floor<days>(c); }
Cas Okamzik(Cas den, int h, int m) { return den + hours{h} + minutes{m}; }

// A schedule of any kind, its moments near the present so that the sequence meets them.
Zamer Vygeneruj(Kostky& k, Cas ted) {
  Zamer z;
  z.akce = static_cast<std::uint8_t>(1 + k.Do(5));
  // clang-format off
  z.kdy = k.Vaha<Zamer::Kdy>({{8, Zamer::Hned}, {18, Zamer::Minuty}, {52, Zamer::VCas}, {8, Zamer::BezCasu},
                              {9, Zamer::OdDo}, {5, Zamer::Neznamy}});
  // clang-format on
  const Cas cil = floor<minutes>(ted) + minutes{k.Sance(20) ? k.Do(1500) : k.Do(15)};
  const DatumCas c = RozlozCas(cil);
  if (z.kdy == Zamer::Minuty) z.minuty = 1 + (k.Sance(70) ? k.Do(15) : k.Do(600));
  const bool pulnoc = z.kdy == Zamer::VCas && k.Sance(10);  // 24:00, the day's end
  z.hodina = pulnoc ? 24 : c.hodina;
  z.minuta = pulnoc ? 0 : c.minuta;
  const bool muze_denne = z.kdy == Zamer::VCas || z.kdy == Zamer::OdDo || z.kdy == Zamer::Minuty;
  z.kd = muze_denne && k.Sance(35);
  if (z.kd && z.kdy == Zamer::VCas && k.Sance(50)) z.dny = static_cast<std::uint8_t>(1 + k.Do(0x7F));  // all seven too
  if (z.kdy == Zamer::OdDo && k.Sance(30)) z.dny = static_cast<std::uint8_t>(1 + k.Do(0x7F));
  if (z.kdy == Zamer::VCas && !z.kd && k.Sance(25)) {
    z.datum = z.hodina == 24 ? Den(ted) + days{k.Do(2)} : Den(cil);
  }
  if (z.kdy == Zamer::OdDo) {
    const DatumCas konec = RozlozCas(cil + minutes{1 + k.Do(600)});
    z.do_hodina = konec.hodina;
    z.do_minuta = konec.minuta;
  }
  if ((z.kdy == Zamer::VCas && k.Sance(30)) || z.kdy == Zamer::BezCasu) {
    const int ktera = k.Do(3);
    if (ktera == 0) z.podminka.program = k.Sance(50) ? "render.exe" : "zaloha";
    if (ktera == 1) z.podminka.klid = 1 + k.Do(10);
    if (ktera == 2) z.podminka.necinnost = 1 + k.Do(10);
  }
  if (z.kdy != Zamer::OdDo) {
    z.zs = k.Sance(15);
    z.ss = k.Sance(15);
    z.kv = k.Sance(25);
  }
  if (k.Sance(20)) z.heslo = k.Z(Hesla);
  z.text = Zapis(z, k);
  if (z.kdy == Zamer::Neznamy) {  // broken: a character gone or the string cut short
    const std::size_t kde = static_cast<std::size_t>(k.Do(static_cast<int>(z.text.size())));
    k.Sance(50) ? void(z.text.erase(kde, 1)) : z.text.resize(kde);
  }
  return z;
}

// The action a string may carry out at once: its own without a time, a broken one's if it still names it.
std::optional<int> MoznaHned(const Zamer& z) {
  if (z.kdy == Zamer::Hned) return z.akce;
  if (z.kdy == Zamer::Neznamy && z.text.find(Slova[z.akce]) != std::string::npos) return z.akce;
  return std::nullopt;
}

// Whether ";zs" holds: a broken string's only if it still says so.
bool BezStorna(const Zamer& z) { return z.kdy == Zamer::Neznamy ? z.text.find(";zs") != std::string::npos : z.zs; }

// The promises, kept from what the user did and what the fake world recorded, never from the
// program's own state. Times: the wall clock, and the real time that went by (`skutecne`, on which
// the warning's minute and the quiet periods are counted).
class Orakulum {
 public:
  std::vector<std::string> pribeh;
  std::optional<std::string> poruseni;
  std::optional<Zamer> plan;       // the schedule in force as the user knows it
  std::optional<int> hned;         // an action the user just asked for at once
  bool hned_zs = false;            // with ";zs": nothing stops it
  bool hned_zrusena = false;       // a cancel came while it closed the programs
  milliseconds skutecne{0};        // real time awake
  milliseconds posuny{0};          // the wall clock set forward since the schedule was armed
  milliseconds rusny_do{0};        // busy until then (real time)
  milliseconds vstup{-hours{48}};  // the last input
  bool program_bezi = false;

  // A schedule whose options the user wrote himself (a broken string's are anyone's guess).
  bool Vlastni() const { return plan && plan->kdy != Zamer::Neznamy; }
  void Porus(int slib, const std::string& proc) {
    if (!poruseni) poruseni = "slib " + std::to_string(slib) + ": " + proc;
  }

  void Nastav(Zamer z, Cas ted) {
    z.zadano = ted;
    zadano_skutecne_ = skutecne;
    z.id = ++dalsi_id_;
    plan = std::move(z);
    posuny = milliseconds{0};
    storno_ = varovano_ = minuty_varovano_ = false;
    prvni_zdi_.reset();
    vyrizene_.clear();
    varovane_.clear();
  }
  void Zrus() {
    plan.reset();
    storno_ = true;
  }
  // The warning's cancel: a daily schedule keeps its next day, its present one is gone.
  void StornoVarovani() {
    storno_ = true;
    if (plan && plan->kdy == Zamer::VCas && prvni_zdi_) {
      if (const auto m = Shoda(*plan, *prvni_zdi_, *prvni_zdi_)) vyrizene_.push_back(*m);
    }
    prvni_zdi_.reset();
    if (plan && !(plan->kd || plan->dny)) plan.reset();
  }

  // The warning appeared (with ";ss" its countdown began unseen).
  void Varovani(Cas ted, const std::vector<std::string>& procesy) {
    VcasVarovano(ted);
    MinutyVarovano();
    varovani_ = skutecne;
    podminky_ = plan ? NesplnenaPodminka(plan->podminka, procesy) : std::nullopt;
    // A countdown begun again (after a sleep cut it) is still the same day's: its first one tells which.
    const bool jiny = plan && plan->kdy == Zamer::VCas && prvni_zdi_ && !Shoda(*plan, *prvni_zdi_, ted);
    if (!prvni_zdi_ || varovani_pro_ != (plan ? plan->id : -1) || jiny) prvni_zdi_ = ted;  // another day's
    varovani_zdi_ = ted;
    varovani_pro_ = plan ? plan->id : -1;
    varovano_ = plan.has_value();
    if (plan && plan->kdy == Zamer::VCas) {  // its day's moment came: whatever follows is the program's
      if (const auto m = Shoda(*plan, *prvni_zdi_, ted)) varovane_.push_back(*m);
    }
    storno_ = false;
  }

  // Something that may change the schedule's course happened: the user acted, the computer slept, the
  // clock moved, a log-on.
  void Vyruseni(Cas ted) {
    klid_zdi_ = ted;
    nejdal_ = std::max(nejdal_, ted);
    od_ = nejdal_;  // a clock set back does not open a day gone by again
  }

  // Kept: a plain clock time (or a number of minutes) whose warning minute and moment passed with the
  // program ticking undisturbed has been carried out.
  void Probehlo(Cas ted) {
    nejdal_ = std::max(nejdal_, ted);
    if (!plan || !plan->podminka.Zadne() || ted < klid_zdi_ + minutes{2} || (varovano_ && !plan->kd)) return;
    const auto m = DalsiOkamzik();
    if (m && ted >= *m + seconds{10} && ted < *m + minutes{3} && posledni_akce_ < *m - minutes{1}) {
      Porus(3, "akce v " + Hm(plan->hodina, plan->minuta) + " neproběhla, program běžel bez vyrušení");
    }
  }
  // Kept: a number of minutes never warns sooner than a minute before they have passed, counted from the
  // arming or, daily, from the log-on (the wall clock set forward may bring it sooner).
  void MinutyVarovano() {
    if (!Vlastni() || plan->kdy != Zamer::Minuty || std::exchange(minuty_varovano_, true)) return;
    const milliseconds od = plan->kd ? std::max(zadano_skutecne_, prihlaseni_) : zadano_skutecne_;
    if (posuny == milliseconds{0} && skutecne < od + minutes{plan->minuty} - minutes{2}) {
      Porus(3, "za " + std::to_string(plan->minuty) + " minut varovalo po " +
                   std::to_string(duration_cast<seconds>(skutecne - od).count()) + " s");
    }
  }
  // Kept: undisturbed, a plain clock time's warning comes in the first seconds of its warning minute.
  void VcasVarovano(Cas ted) {
    if (!plan || !plan->podminka.Zadne() || ted < klid_zdi_ + minutes{2} || (varovano_ && !plan->kd)) return;
    const auto m = DalsiOkamzik();
    if (m && ted > *m - seconds{57} && ted < *m + minutes{3}) {
      Porus(3, "varování před " + Hm(plan->hodina, plan->minuta) + " přišlo až v " + FormatCasSekundy(ted));
    }
  }
  // The first moment of the schedule whose whole warning minute lies in the undisturbed stretch (kept
  // until something changes: it is asked at every tick).
  std::optional<Cas> DalsiOkamzik() {
    const auto klic = std::tuple(plan->id, od_, vyrizene_.size(), varovane_.size());
    if (dalsi_ && dalsi_->first == klic) return dalsi_->second;
    const Zamer& z = *plan;
    std::optional<Cas> m;
    if (z.kdy == Zamer::Minuty && !z.kd) m = floor<minutes>(z.zadano) + minutes{z.minuty};
    if (m && *m < od_ + minutes{2}) m.reset();
    for (int d = 0; z.kdy == Zamer::VCas && !m && d <= 8; ++d) {
      const Cas den = Den(od_) + days{d};
      const Cas kdy = Okamzik(den, z.hodina, z.minuta);
      const bool vyrizeny =
          std::ranges::find(vyrizene_, kdy) != vyrizene_.end() || std::ranges::find(varovane_, kdy) != varovane_.end();
      if (JehoDen(z, den, kdy) && !vyrizeny && kdy >= od_ + minutes{2}) m = kdy;
    }
    dalsi_ = std::pair(klic, m);
    return m;
  }

  // A resume: a countdown that ran out while the computer slept needs a new warning.
  void Probuzeni() { probuzeni_ = skutecne; }
  // A log-off: whatever the warning said, the next action needs a new one.
  void Odhlaseni() {
    prihlaseni_ = skutecne;
    minuty_varovano_ = false;
    varovani_.reset();
    prvni_zdi_.reset();
  }

  // A power action recorded at `ted`.
  void Akce(int akce, Cas ted) {
    posledni_akce_ = ted;
    if (hned && *hned == akce) {
      if (std::exchange(hned_zrusena, false)) Porus(2, "okamžitá akce po stornu");
      hned.reset();
      return;
    }
    if (!plan || (plan->kdy == Zamer::OdDo ? akce::Vypnuti : plan->akce) != akce) {
      return Porus(1, std::string("akce ") + Slova[akce] + ", o kterou nikdo nepožádal");
    }
    const Zamer& z = *plan;
    if (z.kdy == Zamer::Neznamy) return Hotovo();
    if (z.kdy == Zamer::OdDo) {
      if (!VOkneOdDo(z, ted)) Porus(3, "okno od-do mimo své hodiny v " + FormatCasSekundy(ted));
      return Hotovo();
    }
    if (!varovani_ || varovani_pro_ != z.id) return Porus(2, "akce bez varování");
    if (skutecne - *varovani_ < seconds{60}) {
      Porus(2, "varování jen " + std::to_string(duration_cast<seconds>(skutecne - *varovani_).count()) + " s");
    }
    if (storno_) Porus(2, "akce po stornu");
    if (probuzeni_ > *varovani_ + seconds{63}) Porus(2, "akce po spánku bez nového varování");
    if (podminky_) Porus(4, *podminky_);
    NaSvemMiste(z, *prvni_zdi_, varovani_zdi_);
    Hotovo();
  }

  // What must be armed after a log-on: daily schedules, a one-off moment still ahead; never minutes, a
  // lone condition, an immediate action or anything cancelled. Near its moment either is right.
  std::optional<bool> MaBytNaplanovano(Cas ted) const {
    if (!plan) return false;
    const Zamer& z = *plan;
    if (z.kdy == Zamer::Neznamy || z.kdy == Zamer::OdDo) return std::nullopt;
    if (z.kd) return true;
    if (z.kdy != Zamer::VCas) return false;
    if (varovano_) return std::nullopt;  // its moment came; the clock set back since does not make it new
    const Cas m = MomentJednorazovy(z);
    if (MinulSkutecne(m)) return std::nullopt;  // passed in real time: the program may have let it go
    if (nejdal_ >= m) return std::nullopt;       // passed on a clock set back since: given up, or not
    if (ted < m - minutes{2}) return true;
    if (!z.podminka.Zadne()) return ted > KonecHlidani(m) + minutes{1} ? std::optional(false) : std::nullopt;
    return ted > m + minutes{11} + posuny ? std::optional(false) : std::nullopt;
  }

  // Whether the moment has passed in real time, counted from the arming as if nobody moved the clock.
  bool MinulSkutecne(Cas m) const { return skutecne >= zadano_skutecne_ + (m - floor<minutes>(plan->zadano)); }

  // A one-off moment long passed, with its watch and the missed-moment minutes, once the program has
  // ticked at it: nothing of it can come any more.
  // The system's word of a resume or a clock change: the program looks for a missed moment at once, but
  // for a condition's watch only at its next tick.
  void VyprsiPoZprave(Cas ted) {
    if (plan && plan->podminka.Zadne()) Vyprsi(ted);
  }
  void Vyprsi(Cas ted, bool naplanovano = true) {
    if (!plan || plan->kd || (plan->kdy != Zamer::Minuty && plan->kdy != Zamer::VCas)) return;
    const Cas m =
        plan->kdy == Zamer::Minuty ? floor<minutes>(plan->zadano) + minutes{plan->minuty} : MomentJednorazovy(*plan);
    const Cas konec = (plan->podminka.Zadne() ? m + minutes{11} : KonecHlidani(m)) + duration_cast<seconds>(posuny);
    // A countdown begun at the very end has ended too; in between, the program knows best whether its
    // lateness (in real time) still allows it.
    // A number of minutes is real time: a clock set back does not keep it ahead.
    const bool minul = ted >= m || MinulSkutecne(m) || nejdal_ >= m;
    if (ted > konec + minutes{2} || (!naplanovano && (minul || varovano_))) plan.reset();
  }

  // A one-off time comes back from the store with the day it was given.
  std::string UlozenySeDnem() const {
    if (!plan || plan->kd || plan->kdy != Zamer::VCas || plan->datum) return plan ? plan->text : "";
    return plan->text + ";d/" + FormatDatum(Den(plan->zadano)) + "/";
  }

  // The day's moment a clock time's warning belongs to: its first warning never before the warning
  // minute (a condition's never before its moment), none after the ten minutes a missed moment may come
  // late (a condition's watch ends at 06:00).
  std::optional<Cas> Shoda(const Zamer& z, Cas prvni, Cas w) const {
    const milliseconds pozde = minutes{11} + posuny;
    const bool podminka = !z.podminka.Zadne();
    for (int d = -2; d <= 1; ++d) {
      const Cas den = Den(prvni) + days{d};
      const Cas m = Okamzik(den, z.hodina, z.minuta);
      if (!JehoDen(z, den, m)) continue;
      const Cas od = podminka ? m : m - seconds{60};
      const Cas konec = podminka ? KonecHlidani(m) : m + duration_cast<seconds>(pozde);
      if (prvni >= od && prvni < konec && w < konec) return m;
    }
    return std::nullopt;
  }
  // Monday is the first bit; no days at all means every day.
  static bool VeSveDny(const Zamer& z, Cas den) {
    return !z.dny || (z.dny & (1u << ((RozlozCas(den).den_tydne + 6) % 7)));
  }
  static bool JehoDen(const Zamer& z, Cas den, Cas m) {
    const bool den_planu =
        z.datum ? den == *z.datum : z.kd || z.dny || den == Den(z.zadano) || m == MomentJednorazovy(z);
    return den_planu && VeSveDny(z, den);
  }

  void NaSvemMiste(const Zamer& z, Cas prvni, Cas w) {
    if (z.kdy == Zamer::Minuty && !z.kd) {
      const Cas m = floor<minutes>(z.zadano) + minutes{z.minuty};
      if (posuny == milliseconds{0} && (prvni < m - seconds{60} || w >= m + minutes{11})) {
        Porus(3, "za " + std::to_string(z.minuty) + " minut varovalo v " + FormatCasSekundy(w));
      }
      return;
    }
    if (z.kdy != Zamer::VCas) return;
    const auto m = Shoda(z, prvni, w);
    if (!m) {
      return Porus(z.podminka.Zadne() ? 3 : 4, "varování v " + FormatDatum(w) + " " + FormatCasSekundy(w) +
                                                   " mimo den a čas " + Hm(z.hodina, z.minuta));
    }
    // A day cancelled in its warning (or carried out) is dealt with: it never comes again.
    if (std::ranges::find(vyrizene_, *m) != vyrizene_.end()) {
      return Porus(1, "den " + FormatDatum(*m) + " už byl vyřízen, a přišel znovu");
    }
    vyrizene_.push_back(*m);
  }

 private:
  void Hotovo() {
    if (plan && !(plan->kd || plan->dny) && plan->kdy != Zamer::OdDo) plan.reset();
    varovani_.reset();
    prvni_zdi_.reset();
  }
  // A one-off time without a date is the day it was given, 24:00 its end.
  static Cas MomentJednorazovy(const Zamer& z) { return Okamzik(z.datum.value_or(Den(z.zadano)), z.hodina, z.minuta); }
  // A condition's watch ends the next 06:00 after its moment (a small hours' one the same morning).
  static Cas KonecHlidani(Cas m) {
    const Cas rano = Okamzik(Den(m), 6, 0);
    return (rano > m ? rano : rano + days{1}) + minutes{1};
  }
  // Inside its hours, on an allowed day: the one the window opened on (the evening before, after midnight).
  static bool VOkneOdDo(const Zamer& z, Cas ted) {
    const minutes t = duration_cast<minutes>(ted - Den(ted));
    const minutes od = hours{z.hodina} + minutes{z.minuta}, konec = hours{z.do_hodina} + minutes{z.do_minuta};
    const Cas den = Den(ted) - days{t < od ? 1 : 0};
    if (!VeSveDny(z, den)) return false;
    return od <= konec ? t >= od && t <= konec : t >= od || t <= konec;
  }

  // What of the conditions did not hold when the warning appeared.
  std::optional<std::string> NesplnenaPodminka(const Podminky& p, const std::vector<std::string>& procesy) const {
    if (!p.program.empty()) {
      const std::string s_exe = p.program.ends_with(".exe") ? p.program : p.program + ".exe";
      for (const auto& bezi : procesy) {
        if (bezi == p.program || bezi == s_exe) return "program " + bezi + " ještě běží";
      }
    }
    if (p.klid && skutecne - rusny_do < minutes{p.klid}) return std::string("počítač nebyl v klidu");
    if (p.necinnost && skutecne - vstup < minutes{p.necinnost}) return std::string("uživatel pracoval");
    return std::nullopt;
  }

  int dalsi_id_ = 0;
  std::optional<std::string> podminky_;
  std::optional<milliseconds> varovani_;
  milliseconds probuzeni_{0};
  Cas varovani_zdi_{};
  std::optional<Cas> prvni_zdi_;  // the first warning of this moment of the schedule
  bool varovano_ = false;         // the one-off schedule in force has been warned of
  bool minuty_varovano_ = false;  // since the arming or the log-on
  milliseconds prihlaseni_{0};    // the real time of the last log-on
  Cas klid_zdi_{};                // the wall clock at the last event that could change the course
  milliseconds zadano_skutecne_{0};  // the real time the schedule in force was armed at
  Cas nejdal_{}, od_{};           // the latest wall time seen; and at that event
  std::vector<Cas> vyrizene_;     // the daily schedule's moments carried out or cancelled
  std::vector<Cas> varovane_;     // and those warned of
  std::optional<std::pair<std::tuple<int, Cas, std::size_t, std::size_t>, std::optional<Cas>>> dalsi_;
  Cas posledni_akce_{};
  int varovani_pro_ = -1;
  bool storno_ = false;  // the user cancelled after the last warning appeared
};

// Days the calendar makes hard: daylight saving both ways, month's and year's end, a leap day.
constexpr int Zacatky[][5] = {{2026, 3, 29, 1, 50},  {2026, 10, 25, 2, 40}, {2026, 12, 31, 23, 45},
                              {2027, 2, 28, 23, 30}, {2028, 2, 28, 23, 50}, {2026, 12, 4, 15, 30},
                              {2026, 12, 6, 23, 55}, {2027, 4, 30, 21, 0}};

// The fake world and the program in it, driven as the user and the computer would.
class Jezdec {
 public:
  explicit Jezdec(Kostky& k) : k_(k) {
    svet_.priZavirani = [this] { BehemZavirani(); };
  }

  std::optional<std::string> Jed(long& udalosti) {
    const auto& z = k_.Z(Zacatky);
    svet_.hodiny.ted = SlozCas(z[0], z[1], z[2], z[3], z[4], k_.Do(60)) + days{k_.Sance(30) ? k_.Do(7) : 0};
    Prihlaseni(k_.Sance(50) ? std::optional(Vygeneruj(k_, Ted())) : std::nullopt);
    for (int prihlaseni = 0; !k_.Dosly() && !o_.poruseni && prihlaseni < 50;) {
      ++udalosti;
      if (std::exchange(spanek_, false)) {
        Spi(minutes{1 + k_.Do(600)});
      } else if (std::exchange(konec_sezeni_, false)) {
        ++prihlaseni;
        Odhlas(minutes{1 + k_.Do(600)});
        Prihlaseni(std::nullopt);
      } else {
        Udalost();
      }
    }
    if (!o_.poruseni) return std::nullopt;
    std::string zprava = *o_.poruseni + "\n";
    for (const auto& u : o_.pribeh) zprava += "  " + u + "\n";
    return zprava;
  }

 private:
  Cas Ted() const { return svet_.hodiny.ted; }
  // Writes the event into the story; one that can change the schedule's course (all but the world's own
  // and what the program recorded) starts the undisturbed stretch anew.
  void Pis(const std::string& udalost, bool rusi = true) {
    if (rusi) o_.Vyruseni(Ted());
    o_.pribeh.push_back(FormatDatum(Ted()) + " " + FormatCasSekundy(Ted()) + " " + udalost);
  }
  bool Prerusit() const { return o_.poruseni || spanek_ || konec_sezeni_ || !o_.program_bezi; }

  using Krok = std::function<void()>;
  void Udalost() {
    if (varovani_) return BehemVarovani();
    // clang-format off
    k_.Vaha<Krok>({{4, [&] { Tikej(seconds{1 + k_.Do(k_.Sance(70) ? 120 : 3600)}); }},
                   {1, [&] { Predej(); }}, {1, [&] { Editor(); }}, {1, [&] { StornoVarovani(); }},
                   {1, [&] { Stop(); }}, {1, [&] { PredejStorno(); }},
                   {1, [&] { Spanek(seconds{k_.Sance(50) ? 5 + k_.Do(900) : 60 * k_.Do(3000)}); }},
                   {1, [&] { PosunHodin(); }}, {1, [&] { Program(); }}, {1, [&] { Rusno(); }}, {1, [&] { Vstup(); }},
                   {1, [&] { k_.Sance(30) ? Ukoncit() : ZavriHlavni(); }}, {1, [&] { Restart(); }},
                   {1, [&] { Box(); }}, {3, [&] { Tikej(seconds{1 + k_.Do(90)}); }}})();
    // clang-format on
  }
  // While the programs are being closed before an action, the user may still change their mind.
  void BehemZavirani() {
    zavirani_ = true;
    Reakce();
    zavirani_ = false;
  }
  // The warning's minute: the user cancels, stops, hands something over, closes the lid, or waits.
  void BehemVarovani() {
    // clang-format off
    k_.Vaha<Krok>({{2, [&] { StornoVarovani(); }}, {1, [&] { Stop(); }}, {1, [&] { PredejStorno(); }},
                   {1, [&] { Predej(); }}, {1, [&] { Spanek(seconds{k_.Sance(50) ? 1 + k_.Do(80) : 5 + k_.Do(900)}); }},
                   {1, [&] { PosunHodin(); }}, {5, [&] { Tikej(seconds{1 + k_.Do(20)}); }}})();
    // clang-format on
  }
  void Reakce() {
    // clang-format off
    k_.Vaha<Krok>({{1, [&] { PredejStorno(); }}, {1, [&] { Stop(); }}, {1, [&] { Predej(); }},
                   {1, [&] { Spi(seconds{5 + k_.Do(900)}, true); }},  // the system's word comes while messages flow
                   {1, [&] { StornoVarovani(); }}, {2, [] {}}})();
    // clang-format on
  }

  // The password box answers the schedule's password, a near miss (a letter more, capitals), a wrong one,
  // or is closed.
  std::string OdpovezHeslo() {
    const int volba = k_.Do(5);
    const std::string spravne = o_.plan ? o_.plan->heslo : "";
    std::string velka = spravne;
    for (char& c : velka) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const std::array<std::optional<std::string>, 5> odpovedi = {
        spravne, spravne + "x", velka == spravne ? "spatne" : velka, "spatne", std::nullopt};
    const auto& odpoved = odpovedi[static_cast<std::size_t>(volba)];
    svet_.dialogy.vstupy.assign(3, odpoved);
    return odpoved.value_or("<zavřeno>");
  }
  bool HesloSpravne(const std::string& odpoved) const {
    return !o_.plan || o_.plan->heslo.empty() || odpoved == o_.plan->heslo;
  }

  std::string Naplanovano() const { return stav.Neaktivni == 0 ? stav.Parametr : "-"; }
  // Before the user acts: a passed one-off moment the program gave up is gone for the oracle too. One it
  // still holds stays: it may not have ticked since the computer woke.
  void PredUdalosti() {
    if (o_.program_bezi && !varovani_ && !zavirani_ && Naplanovano() == "-") o_.Vyprsi(Ted(), false);
  }

  // A guarded schedule stays as it was unless its password was given.
  void Strez(const std::string& pred, const std::string& odpoved, const char* co) {
    if (!HesloSpravne(odpoved) && Naplanovano() != pred) {
      o_.Porus(6, std::string(co) + " bez hesla " + o_.plan->heslo + " změnilo " + pred + " na " + Naplanovano());
    }
  }

  // A second start with a string: handed to the running program, or a first start of its own.
  void Predej() {
    PredUdalosti();
    Zamer z = Vygeneruj(k_, Ted());
    if (!o_.program_bezi) return Prihlaseni(std::move(z));
    const std::string odpoved = OdpovezHeslo(), pred = Naplanovano();
    Pis("předání " + z.text + " heslo " + odpoved);
    Odpoved vysledek;
    SHned(&z, [&] {
      vysledek = PrijmiPokyn(z.text);
      Pis("  kód " + std::to_string(vysledek.kod) + ", naplánováno " + Naplanovano());
      Sleduj();
    });
    Strez(pred, odpoved, "předání");
    const bool novy = vysledek.kod == kod::Hotovo && Naplanovano() == z.text && HesloSpravne(odpoved);
    if (novy) Prijato(std::move(z));
    if (novy && zavirani_ && o_.hned) o_.hned_zrusena = true;  // a new schedule stops the action under way
  }
  // What the string may carry out at once is the action under way while `co` hands it over; the one
  // before it (whose closing of programs let the user act) comes back after.
  void SHned(const Zamer* z, const std::function<void()>& co) {
    const auto hned = std::exchange(o_.hned, z ? MoznaHned(*z) : std::nullopt);
    const bool hned_zs = std::exchange(o_.hned_zs, z && BezStorna(*z));
    co();
    o_.hned = hned;
    o_.hned_zs = hned_zs;
    if (!hned) o_.hned_zrusena = false;  // the action it started is over, carried out or not
  }
  void PredejStorno() {
    PredUdalosti();
    const std::string odpoved = OdpovezHeslo(), pred = Naplanovano();
    Pis("předání /storno heslo " + odpoved);
    if (!o_.program_bezi) stav = StavPlanu{};  // a start of its own, which ends after it
    const bool bezi = o_.program_bezi;
    const int vysledek = bezi ? PrijmiPokyn("/storno").kod : ZrusUlozenyPlan();
    Pis("  kód " + std::to_string(vysledek) + ", naplánováno " + Naplanovano());
    Sleduj();
    if (bezi) Strez(pred, odpoved, "/storno");
    if (vysledek == kod::Hotovo && !HesloSpravne(odpoved)) o_.Porus(6, "/storno bez hesla " + o_.plan->heslo);
    if (vysledek == kod::Hotovo && zavirani_ && o_.hned) o_.hned_zrusena = true;
    if (vysledek == kod::Hotovo && o_.plan) o_.Zrus();
  }
  void Prijato(Zamer z) {
    z.text = stav.Parametr;
    o_.Nastav(std::move(z), Ted());
  }

  // A click on the tray icon opens the main window (it loads anew when it was closed).
  bool OtevriHlavni() {
    if (stav.HlavniOtevreno != 1) ZpracujZpravuOkna(zpravy_okna::ZpravaIkony, 0, zpravy_okna::LeveTlacitkoPusteno);
    Sleduj();
    return stav.HlavniOtevreno == 1;
  }

  // The main window's editor: "Nové" or "Změnit", a schedule typed in, "Aktivace" answered Yes.
  void Editor() {
    if (!o_.program_bezi || !OtevriHlavni() || !f_.Aktivni(O::tlHNastaveni)) return;
    PredUdalosti();
    Zamer z = Vygeneruj(k_, Ted());
    if (z.kdy == Zamer::Neznamy || z.kdy == Zamer::Minuty || z.podminka.klid || z.podminka.necinnost) return;
    const std::string odpoved = OdpovezHeslo(), pred = Naplanovano();
    Pis("editor " + z.text + " heslo " + odpoved);
    editor_heslo_ = odpoved;
    k_.Sance(50) ? tlHNastaveni_Click(f_) : tlHNastaveniZ_Click(f_);
    Sleduj();
    if (!f_.Aktivni(O::txtHNCas)) return Strez(pred, odpoved, "editor");
    if ((z.kdy == Zamer::OdDo) != f_[O::tlHNOdDo].TrueFalse) tlHNOdDo_Click(f_);
    if (z.kdy == Zamer::OdDo) {
      f_[O::txtHNCas].text = Hm(z.hodina, z.minuta);
      f_[O::txtHNDatum].text = Hm(z.do_hodina, z.do_minuta);
    } else {
      VyberVolbu(f_, z.akce);
      f_[O::txtHNCas].text = z.kdy == Zamer::VCas ? Hm(z.hodina, z.minuta) : "";
      f_[O::txtHNDatum].text = z.datum ? FormatDatum(*z.datum) : "";
      cbHNPodminka_Click(f_, z.podminka.program.empty() ? volba_podminky::Zadna : volba_podminky::Program);
      f_[O::txtHNPodminka].text = z.podminka.program;
    }
    bool s_heslem = !z.heslo.empty();
    const std::pair<int, bool*> boxy[] = {{0, &z.kd}, {1, &z.zs}, {2, &s_heslem}, {3, &z.kv}, {4, &z.ss}};
    for (const auto& [i, zapnout] : boxy) NastavZaskrtnuti(f_, i, *zapnout ? 1 : 0);
    if (z.kd) NastavDny(f_, z.dny == dny::Kazdy ? dny::Vsechny : z.dny);
    if (!z.kd) z.dny = dny::Kazdy;  // the days' boxes come with "každý den" only
    // What the boxes show once set (one may bring another): the user sees it and asks for that.
    for (const auto& [i, zapnout] : boxy) *zapnout = f_[chHN(i)].hodnota == 1;
    f_[O::txtHNHeslo].text = z.heslo;
    SHned(&z, [&] {
      tlHNAktivace_Click(f_);
      Sleduj();
    });
    const bool prijato = !f_.Aktivni(O::txtHNCas);
    Pis(std::string(prijato ? "  přijato" : "  odmítnuto") + ", naplánováno " + Naplanovano());
    if (!prijato) tlHNStorno_Click(f_);
    Strez(pred, odpoved, "editor");
    if (prijato && z.kdy != Zamer::Hned && HesloSpravne(odpoved) && Naplanovano() != pred) Prijato(std::move(z));
    if (!zavirani_ && k_.Sance(70)) ZavriHlavni();  // done with it
  }

  // "S" in the main window's editor, opened by "Změnit" behind the password (or open already): a cancel,
  // unless ";zs" forbids it now.
  void Stop() {
    PredUdalosti();
    if (!o_.program_bezi || !OtevriHlavni()) return;
    const std::string pred = Naplanovano();
    if (!f_.Aktivni(O::txtHNCas)) {
      editor_heslo_ = OdpovezHeslo();
      tlHNastaveniZ_Click(f_);
      Sleduj();
    }
    if (!f_.Aktivni(O::tlHNStop)) return Strez(pred, editor_heslo_, "Změnit");
    const std::string odpoved = editor_heslo_;
    // ";zs" of the countdown or of the action under way forbids it.
    const bool vlastni = stav.UpozorneniBezi == 1 || (stav.AkceBezi != 0 && !o_.hned);
    const bool zakazano = (o_.plan && o_.plan->zs && vlastni) || (o_.hned && o_.hned_zs && stav.AkceBezi != 0);
    Pis("S heslo " + odpoved);
    tlHNStop_Click(f_);
    Pis("  naplánováno " + Naplanovano());
    Sleduj();
    Strez(pred, odpoved, "S");
    if (o_.plan && HesloSpravne(odpoved) && !zakazano) o_.Zrus();
    if (HesloSpravne(odpoved) && !zakazano && zavirani_ && o_.hned) o_.hned_zrusena = true;
    if (!zavirani_ && k_.Sance(70)) ZavriHlavni();
  }

  void StornoVarovani() {
    if (!varovani_ || !tlacitko_storno_) return;
    Pis("S T O R N O");
    cmKZS_Click();
    o_.StornoVarovani();
    Sleduj();
  }

  // The main window closed by its title bar: the program goes on in the tray.
  void ZavriHlavni() {
    if (stav.HlavniOtevreno == 1) Pis("hlavní okno zavřeno", false);
    Form_Unload();
    nacteno_ = false;
  }

  void Ukoncit() {
    PredUdalosti();
    if (!o_.program_bezi || !OtevriHlavni()) return;
    const std::string odpoved = OdpovezHeslo();
    Pis("Ukončit heslo " + odpoved);
    tlHZavrit_Click();
    Sleduj();
    if (!o_.program_bezi && !HesloSpravne(odpoved)) o_.Porus(6, "Ukončit bez hesla " + o_.plan->heslo);
  }

  void Tikej(seconds jak_dlouho) {
    for (seconds s{0}; s < jak_dlouho && !Prerusit(); ++s) {
      Vterina();
      svet_.TikejV(Ted());
      if (std::exchange(probuzeni_ohlasit_, false)) svet_.Spi(0s);
      Sleduj();
      o_.Vyprsi(Ted());  // the program has seen this moment
      if (o_.program_bezi && !Prerusit()) o_.Probehlo(Ted());
    }
  }
  // One second of the world: daylight saving's hour, the counters of work.
  void Vterina() {
    svet_.hodiny.ted += seconds{1};
    o_.skutecne += seconds{1};
    const bool cela_hodina = Ted().time_since_epoch() % hours{1} == seconds{0};
    const DatumCas t = cela_hodina ? RozlozCas(Ted()) : DatumCas{};
    const bool nedele = cela_hodina && t.den >= 25 && t.den_tydne == 0;
    if (nedele && t.mesic == 3 && t.hodina == 2) {
      PosunZdi(hours{1}, "letní čas");
    } else if (nedele && t.mesic == 10 && t.hodina == 3 && zimni_ != t.rok) {
      zimni_ = t.rok;
      PosunZdi(-hours{1}, "zimní čas");
    }
    svet_.procesor.celkem += 1000;
    if (o_.skutecne > rusno_do_) {
      svet_.procesor.necinny += 1000;
    } else {
      svet_.bajty += 1'000'000;
      o_.rusny_do = o_.skutecne;
    }
  }
  void PosunZdi(milliseconds o, const std::string& proc) {
    svet_.hodiny.Posun(duration_cast<seconds>(o));
    if (o > milliseconds{0}) o_.posuny += o;
    Pis(proc + " " + std::to_string(duration_cast<minutes>(o).count()) + " min");
    if (k_.Sance(70)) {
      ZpracujZpravuOkna(zpravy_okna::ZmenaCasu, 0, 0);
      o_.VyprsiPoZprave(Ted());
    }
    Sleduj();
  }
  void PosunHodin() {
    if (o_.program_bezi) PosunZdi(minutes{k_.Do(240) - 120}, "hodiny posunuty o");
  }

  void Spanek(seconds jak_dlouho) {
    if (o_.program_bezi) Spi(jak_dlouho);
  }
  // Asleep and resumed; the system's word of it comes before the next tick, or after it.
  void Spi(seconds jak_dlouho, bool ohlasit = false) {
    Pis("spánek " + std::to_string(jak_dlouho.count()) + " s");
    probuzeni_ohlasit_ = !ohlasit && k_.Sance(30);
    svet_.Spi(jak_dlouho, !probuzeni_ohlasit_);
    o_.skutecne += jak_dlouho;
    o_.Probuzeni();
    o_.Vyruseni(Ted());
    if (!probuzeni_ohlasit_) o_.VyprsiPoZprave(Ted());
    Sleduj();
  }

  void Program() {
    const bool zacne = svet_.procesy.empty();
    svet_.procesy.clear();
    if (zacne) svet_.procesy.push_back(k_.Sance(50) ? "render.exe" : "zaloha.exe");
    Pis(svet_.procesy.empty() ? "programy skončily" : "běží " + svet_.procesy[0], false);
  }
  // A busy spell of the processor and the network, long enough for a check of the quiet to see it.
  void Rusno() {
    const seconds jak_dlouho{10 + k_.Do(600)};
    rusno_do_ = o_.skutecne + jak_dlouho;
    Pis("počítač pracuje " + std::to_string(jak_dlouho.count()) + " s", false);
  }
  void Vstup() {
    svet_.posledni_vstup = svet_.hodiny.Tik();
    o_.vstup = o_.skutecne;
    Pis("klávesnice", false);
  }
  // A box of the program left open for a while: the timer goes on under it.
  void Box() {
    if (!o_.program_bezi) return;
    Pis("box otevřený");
    svet_.dialogy.otevreno = true;
    Tikej(seconds{1 + k_.Do(400)});
    svet_.dialogy.otevreno = false;
  }

  // The user's restart, or a log-off and log-on; now and then with a line typed at the start.
  void Restart() {
    Pis("restart");
    Odhlas(minutes{1 + k_.Do(k_.Sance(50) ? 60 : 3000)});
    Prihlaseni(k_.Sance(15) ? std::optional(Vygeneruj(k_, Ted())) : std::nullopt);
  }
  void Odhlas(minutes jak_dlouho) {
    if (o_.program_bezi) Casovac(false);  // the session's end unloads its windows
    svet_.hodiny.ted += jak_dlouho;
    o_.skutecne += jak_dlouho;
    o_.Odhlaseni();
    svet_.procesy.clear();
    rusno_do_ = o_.skutecne;
    o_.program_bezi = false;
    nacteno_ = false;
  }
  // Start-up with what the autostart entries hold, or with a line the user typed.
  void Prihlaseni(std::optional<Zamer> napsany) {
    const std::string autostart(TextArgumentu(svet_.run_once.empty() ? svet_.run : svet_.run_once));
    const std::string argument = napsany ? napsany->text : autostart;
    svet_.run_once.clear();
    svet_.ZacniV(Ted());
    precteno_ = 0;
    Pis("přihlášení " + argument);
    o_.program_bezi = true;
    varovani_ = false;
    // What counted from the session's start is gone with it.
    const std::optional<bool> ocekavano = o_.MaBytNaplanovano(Ted());
    if (ocekavano == false) o_.plan.reset();
    const std::string odpoved = OdpovezHeslo();
    Pis("  heslo " + odpoved + ", plán " + (o_.plan ? o_.plan->text : "-"), false);
    SHned(napsany ? &*napsany : nullptr, [&] {
      Start(argument);
      Sleduj();
    });
    // A typed line that replaced what was surely stored, protected, did so behind its password; where the
    // store may have let it go already, the program knew.
    const bool prijat = napsany && napsany->kdy != Zamer::Hned && Naplanovano() == napsany->text;
    if (prijat && !HesloSpravne(odpoved) && ocekavano == true) {
      o_.Porus(6, "řádek při startu bez hesla " + o_.plan->heslo + " nahradil " + o_.plan->text);
    }
    if (prijat) {
      Prijato(std::move(*napsany));
    } else if (!konec_sezeni_) {
      Obnoveno(napsany ? std::nullopt : ocekavano);  // a typed line left what was stored in force
    }
    if (!konec_sezeni_ && k_.Sance(10)) PosunHodin();  // the clock synchronised before the first tick
    if (k_.Sance(50)) ZavriHlavni();
  }
  // What the autostart entry brought back; where either was right, the program chose.
  void Obnoveno(std::optional<bool> ocekavano) {
    const bool naplanovano = Naplanovano() != "-";
    if (ocekavano && *ocekavano != naplanovano) {
      o_.Porus(5, "po přihlášení " + Naplanovano() + ", čekáno " + (*ocekavano ? o_.plan->text : "nic"));
    } else if (naplanovano && o_.plan && Naplanovano() != o_.plan->text && Naplanovano() != o_.UlozenySeDnem()) {
      o_.Porus(5, "po přihlášení " + Naplanovano() + " místo " + o_.plan->text);
    }
    if (!naplanovano) o_.plan.reset();
  }

  // Reads what the fake world recorded since the last look.
  void Sleduj() {
    for (; precteno_ < svet_.log.size() && !o_.poruseni; ++precteno_) {
      if (precteno_ > 1000) {  // read: forgotten, or a long run would keep every tick's lines
        svet_.log.erase(svet_.log.begin(), svet_.log.begin() + static_cast<std::ptrdiff_t>(precteno_));
        precteno_ = 0;
      }
      const std::string& r = svet_.log[precteno_];
      if (r.starts_with("ukaz ")) {
        const bool storno = r.starts_with("ukaz storno");
        if (!storno && o_.Vlastni() && !o_.plan->zs && o_.plan->kdy != Zamer::OdDo) {
          o_.Porus(6, "varování bez S T O R N O, o které nikdo nežádal");
        }
        Odpocet(storno, r);
      } else if (r == "schovej") {
        varovani_ = false;
      } else if (r == "hlavni okno" && !nacteno_) {  // the window opens: the form loads
        nacteno_ = true;
        f_ = Formular{};
        NactiHlavniOkno(f_, "");
      } else if (r == "konec programu") {
        Pis(r, false);
        o_.program_bezi = false;
      } else if (const int akce = FalesnySvet::Akce(r)) {
        Pis(r, false);
        o_.Akce(akce, Ted());
        if (akce == akce::Spanek) spanek_ = true;
        if (akce != akce::Spanek && akce != akce::Zamceni) konec_sezeni_ = true;
      }
    }
    if (!varovani_ && stav.UpozorneniBezi == 1 && !o_.poruseni) {  // ";ss": the countdown runs unseen
      if (o_.Vlastni() && !o_.plan->ss) o_.Porus(2, "odpočet bez okna, o který nikdo nežádal");
      Odpocet(false, "odpočet bez okna");
    }
  }
  // The countdown began, shown with its "S T O R N O" or without, or unseen.
  void Odpocet(bool storno, const std::string& zapis) {
    varovani_ = true;
    tlacitko_storno_ = storno;
    o_.Varovani(Ted(), svet_.procesy);
    Pis(zapis, false);
  }

  Kostky& k_;
  FalesnySvet svet_;
  Formular f_;
  Orakulum o_;
  std::size_t precteno_ = 0;
  bool varovani_ = false, tlacitko_storno_ = false;
  milliseconds rusno_do_{0};  // the computer is busy until then (real time)
  bool spanek_ = false, konec_sezeni_ = false, probuzeni_ohlasit_ = false, zavirani_ = false;
  bool nacteno_ = false;  // the main window's form is loaded
  int zimni_ = 0;         // the year whose autumn hour has been set back
  std::string editor_heslo_;  // the answer the open editor was let in with
};

}  // namespace

std::optional<std::string> ProverSliby(std::span<const std::uint8_t> bajty, long& udalosti) {
  Kostky k(bajty);
  Jezdec jezdec(k);
  return jezdec.Jed(udalosti);
}
