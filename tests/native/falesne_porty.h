#pragma once

#include <array>
#include <deque>
#include <functional>
#include <tuple>
#include <vector>

#include "core/kalendar.h"
#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"
#include "platform/port.h"

// A clock standing at whatever the test sets. The steady clock follows it, unless the test sets the
// wall clock alone (Posun: what a user or daylight saving does to the clock).
class FalesneHodiny : public Hodiny {
 public:
  Cas ted = SlozCas(2026, 12, 4, 10, 0, 0);
  std::chrono::milliseconds posun{0};
  Cas Ted() override { return ted; }
  std::chrono::milliseconds Tik() override { return ted.time_since_epoch() + posun; }
  void Posun(std::chrono::seconds o) {
    ted += o;
    posun -= o;
  }
};

struct ZaznamZpravy {
  std::string text, titulek;
  unsigned styl = 0;
};

// Records every message box; answers from the script in order, then OK (Yes to a question). The
// input box is written down as a box too, with the answer "|" and what was typed (or "|zrušeno").
class FalesneDialogy : public Dialogy {
 public:
  std::vector<ZaznamZpravy> zpravy;
  std::deque<int> odpovedi;
  std::deque<std::optional<std::string>> vstupy;

  std::vector<std::string> Texty() const {
    std::vector<std::string> texty;
    for (const auto& z : zpravy) texty.push_back(z.text);
    return texty;
  }

  bool otevreno = false;  // a box of the program is up
  std::function<void()> priZprave;  // what happens elsewhere while a message box is up
  bool Otevreno() const override { return otevreno; }
  std::optional<std::string> Vstup(std::string_view vyzva, std::string_view titulek) override {
    const std::optional<std::string> vstup = vstupy.empty() ? std::nullopt : Dalsi(vstupy);
    zpravy.push_back({std::string(vyzva) + "|" + vstup.value_or("zrušeno"), std::string(titulek), 0});
    return vstup;
  }

  int Zprava(std::string_view text, std::string_view titulek, unsigned styl) override {
    zpravy.push_back({std::string(text), std::string(titulek), styl});
    if (priZprave) priZprave();
    if (!odpovedi.empty()) return Dalsi(odpovedi);
    const unsigned tlacitka = styl & 0x0F;
    return tlacitka == styl::AnoNe || tlacitka == 0x03 /* Yes, No, Cancel */ ? odpoved::Ano : odpoved::Ok;
  }

 private:
  template <class T>
  static T Dalsi(std::deque<T>& fronta) {
    T prvni = std::move(fronta.front());
    fronta.pop_front();
    return prvni;
  }
};

// A Czech locale.
class FalesneMistni : public Mistni {
 public:
  std::string oddelovac = ",";

  std::string DesetinnyOddelovac() override { return oddelovac; }
  std::string DenMesicSlovy(int den, int mesic, int) override {
    static constexpr std::array<const char*, 12> mesice = {
        "ledna", "února", "března", "dubna", "května", "června",
        "července", "srpna", "září", "října", "listopadu", "prosince"};
    return std::to_string(den) + "." + mesice.at(mesic - 1);
  }
  std::string DlouheDatum(const DatumCas& datum) override {
    static constexpr std::array<const char*, 7> dny = {"neděle", "pondělí", "úterý", "středa",
                                                       "čtvrtek", "pátek",  "sobota"};
    return std::string(dny.at(datum.den_tydne)) + ", " + DenMesicSlovy(datum.den, datum.mesic, datum.rok) +
           " " + std::to_string(datum.rok);
  }
};

// All three, installed for the lifetime of the object (e.g. as a member of a test fixture).
class FalesnePorty {
 public:
  FalesneHodiny hodiny;
  FalesneDialogy dialogy;
  FalesneMistni mistni;

 private:
  std::tuple<Pripojeni<Hodiny>, Pripojeni<Dialogy>, Pripojeni<Mistni>> pripojeni_{hodiny, dialogy, mistni};
};
