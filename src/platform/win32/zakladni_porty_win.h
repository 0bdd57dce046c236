#pragma once

#include "platform/dialogy.h"
#include "platform/hodiny.h"
#include "platform/mistni.h"

class HodinyWin final : public Hodiny {
 public:
  Cas Ted() override;
  std::chrono::milliseconds Tik() override;
};

class DialogyWin final : public Dialogy {
 public:
  int Zprava(std::string_view text, std::string_view titulek, unsigned styl) override;
  std::optional<std::string> Vstup(std::string_view vyzva, std::string_view titulek) override;
  bool Otevreno() const override { return otevreno_ > 0; }

 private:
  // A box's own message loop dispatches other messages, so a box may open over another.
  struct Otevreny {
    explicit Otevreny(int& pocet) : pocet_(pocet) { ++pocet_; }
    ~Otevreny() { --pocet_; }
    Otevreny(const Otevreny&) = delete;
    Otevreny& operator=(const Otevreny&) = delete;
    int& pocet_;
  };
  int otevreno_ = 0;
};

class MistniWin final : public Mistni {
 public:
  std::string DesetinnyOddelovac() override;
  std::string DenMesicSlovy(int den, int mesic, int rok) override;
  std::string DlouheDatum(const DatumCas& datum) override;
};
