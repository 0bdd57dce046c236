#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/parametr.h"
#include "falesny_svet.h"
#include "scheduler/casovac.h"

// The program started at a moment with a parameter string, as start-up does it, and its timer
// ticking on the fake clock.
class BehProgramu : public ::testing::Test {
 protected:
  void Spust(Cas kdy, const std::string& parametr) {
    stav = StavPlanu{};
    svet.hodiny.ted = kdy;
    stav.CasSpusteni = kdy;
    ASSERT_TRUE(RozeberParametr(parametr, false, false));
    Casovac(true);
    svet.log.clear();
  }
  // Ticks once a second up to and including the moment.
  void TikejDo(Cas konec) {
    while (svet.hodiny.ted < konec) {
      svet.hodiny.ted += std::chrono::seconds{1};
      CasovacTik();
    }
  }
  void TikejV(Cas kdy) {
    svet.hodiny.ted = kdy;
    CasovacTik();
  }

  FalesnySvet svet;
};
