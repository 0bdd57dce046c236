#pragma once

#include <windows.h>

#include "platform/probouzeni.h"
#include "platform/win32/nanecisto_win.h"

// A waitable timer that resumes the computer from sleep at the set moment. The object owns it.
class ProbouzeniWin final : public Probouzeni {
 public:
  ProbouzeniWin() = default;
  ~ProbouzeniWin() override;
  ProbouzeniWin(const ProbouzeniWin&) = delete;
  ProbouzeniWin& operator=(const ProbouzeniWin&) = delete;

  bool Nastav(Cas kdy) override;
  void Zrus() override;
  void DrzBdely(std::uint32_t priznaky) override;
  std::optional<unsigned> NastaveniBuzeni() override;

 private:
  HANDLE casovac_ = nullptr;
  Nanecisto nanecisto_;
};
