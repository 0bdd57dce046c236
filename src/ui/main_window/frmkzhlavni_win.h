#pragma once

#include "platform/okna_programu.h"

// The main window as the rest of the program reaches it. Loading it is the one call Otevri; the
// window itself, with its clock, editor and tool buttons, comes in with its own work.
class frmkzhlavni final : public HlavniOkno {
 public:
  void Otevri() override;
  void Zavri() {}
  void UkazCas(std::string_view cas, std::string_view datum) override;
  void StavovyRadek(std::string_view text, int ikona) override;
  bool mmeActive() override { return mmeActive_; }
  void ZrusHint() override { mmeActive_ = false; }

 private:
  bool mmeActive_ = false;
};
