#pragma once

#include <cstdlib>
#include <tuple>

#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/planovac.h"
#include "platform/port.h"

// The parser's outside world, standing still and silent: a fixed clock, every box answered OK, a
// Czech decimal comma, and a scheduler that stores and does nothing, installed for its lifetime. For the
// fuzz targets and the benchmark, where only the parser's own work counts.
struct TichySvet : Hodiny, Dialogy, Mistni, Planovac {
  Cas ted = SlozCas(2026, 12, 5, 18, 30, 15);
  Cas Ted() override { return ted; }
  std::chrono::milliseconds Tik() override { return ted.time_since_epoch(); }
  int Zprava(std::string_view, std::string_view, unsigned) override { return odpoved::Ok; }
  std::optional<std::string> Vstup(std::string_view, std::string_view) override { return std::nullopt; }
  bool Otevreno() const override { return false; }
  std::string DesetinnyOddelovac() override { return ","; }
  std::string DenMesicSlovy(int, int, int) override { return {}; }
  std::string DlouheDatum(const DatumCas&) override { return {}; }
  void UlozNastaveni() override {}
  void ProvedAkci(const OkamzitaAkce&) override {}
  bool AkceMozna(std::uint8_t) override { return true; }
  bool KlidMeritelny() override { return true; }

  using Porty = std::tuple<Pripojeni<Hodiny>, Pripojeni<Dialogy>, Pripojeni<Mistni>, Pripojeni<Planovac>>;
  Porty pripojeni_{*this, *this, *this, *this};
};

// What must always hold; the fuzzer reports the input that breaks it.
inline void Over(bool podminka) {
  if (!podminka) std::abort();
}
