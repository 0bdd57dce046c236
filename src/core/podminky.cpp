#include "core/podminky.h"

using namespace std::chrono;

bool BylKlid(const Vzorek& pred, const Vzorek& po) {
  if (!pred.procesor || !po.procesor || !pred.bajty || !po.bajty) return false;
  if (po.procesor->celkem < pred.procesor->celkem || po.procesor->necinny < pred.procesor->necinny ||
      *po.bajty < *pred.bajty || po.tik <= pred.tik) {
    return false;
  }
  const auto celkem = static_cast<double>(po.procesor->celkem - pred.procesor->celkem);
  const auto necinny = static_cast<double>(po.procesor->necinny - pred.procesor->necinny);
  const double procent = celkem > 0 ? 100.0 * (celkem - necinny) / celkem : 0.0;
  const double za_sekundu =
      static_cast<double>(*po.bajty - *pred.bajty) * 1000.0 / static_cast<double>((po.tik - pred.tik).count());
  return procent < KlidProcesorProcent && za_sekundu < static_cast<double>(KlidSitBajtuZaSekundu);
}

std::vector<std::string> JmenaProcesu(const std::string& program) {
  std::string pripona = program.size() >= 4 ? program.substr(program.size() - 4) : "";
  for (char& c : pripona) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (pripona == ".exe") return {program};
  return {program, program + ".exe"};
}

std::string ZapisPodminky(const Podminky& p) {
  std::string s;
  if (!p.program.empty()) s += ";po/" + p.program + "/";
  if (p.klid != 0) s += ";klid/" + std::to_string(p.klid) + "/";
  if (p.necinnost != 0) s += ";necinnost/" + std::to_string(p.necinnost) + "/";
  return s;
}

namespace {

// "po 1 minutě", "po 15 minutách".
std::string PoMinutach(int n) { return "po " + std::to_string(n) + (n == 1 ? " minutě" : " minutách"); }

}  // namespace

std::string PodminkyVeVete(const Podminky& p, std::optional<minutes> klid_ted) {
  std::vector<std::string> casti;
  if (!p.program.empty()) casti.push_back("po skončení programu " + p.program);
  if (p.klid != 0) {
    casti.push_back(PoMinutach(p.klid) + " klidu");
    if (klid_ted) casti.back() += " (teď " + std::to_string(klid_ted->count()) + " min)";
  }
  if (p.necinnost != 0) casti.push_back(PoMinutach(p.necinnost) + " nečinnosti");
  std::string veta;
  for (std::size_t i = 0; i < casti.size(); ++i) {
    if (i > 0) veta += i + 1 == casti.size() ? " a " : ", ";
    veta += casti[i];
  }
  return veta;
}
