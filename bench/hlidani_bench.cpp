// What watching a condition costs, in the release build under the system it runs on: one check of
// each kind, as the tick makes it at most every 5 s, and the share of one core that is at that rate.
// Figures only; nothing here is a test.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "platform/win32/cinnost_win.h"

namespace {

constexpr int Opakovani = 200;
constexpr double MeziKontrolami_us = 5e6;

// This thread's processor time, in microseconds: what the check costs the program itself.
double CasVlakna_us() {
  FILETIME vznik, konec, jadro, uzivatel;
  GetThreadTimes(GetCurrentThread(), &vznik, &konec, &jadro, &uzivatel);
  const auto us = [](const FILETIME& f) {
    return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10.0;
  };
  return us(jadro) + us(uzivatel);
}

void Zmer(const char* nazev, const std::function<void()>& kontrola) {
  kontrola();  // the first one loads what it needs
  const double cpu0 = CasVlakna_us();
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < Opakovani; ++i) kontrola();
  const double zed = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
  const double cpu = CasVlakna_us() - cpu0;
  // The elapsed time counts work done for the program outside its thread too (a system service).
  std::printf("%-34s %10.0f %10.0f %12.4f %%\n", nazev, zed / Opakovani, cpu / Opakovani,
              100.0 * zed / Opakovani / MeziKontrolami_us);
}

}  // namespace

int wmain() {
  CinnostWin cinnost;
  std::printf("%-34s %10s %10s %14s\n", "one check", "us", "CPU us", "core at 1/5 s");
  Zmer("process list (;po)", [&] { cinnost.BeziProgram("render.exe"); });
  Zmer("processor and network (;klid)", [&] {
    cinnost.Procesor();
    cinnost.BajtySite();
  });
  Zmer("last input (;necinnost)", [&] { cinnost.BezVstupu(); });
  return 0;
}
