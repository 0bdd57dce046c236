#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/cinnost.h"

// What a schedule may wait for besides its moment: a program that ends (";po/render.exe/"), a quiet
// computer (";klid/15/"), nobody at the keyboard or mouse (";necinnost/30/"). All that are given must
// hold at once.
struct Podminky {
  std::string program;  // no process of this executable name runs; empty: not asked
  int klid = 0;         // minutes of quiet; 0: not asked
  int necinnost = 0;    // minutes without keyboard or mouse input; 0: not asked

  bool Zadne() const { return program.empty() && klid == 0 && necinnost == 0; }
  bool operator==(const Podminky&) const = default;
};

// Quiet means both below these, measured over the whole computer.
inline constexpr int KlidProcesorProcent = 10;                  // processor time of all cores together
inline constexpr std::uint64_t KlidSitBajtuZaSekundu = 50'000;  // received and sent, all interfaces

// The minutes a condition can ask for: from one minute to a day.
inline constexpr int NejvyseMinutPodminky = 1440;

// The counters of the computer's work at one moment of the steady clock; those that could not be
// read are missing.
struct Vzorek {
  std::chrono::milliseconds tik{0};
  std::optional<CasyProcesoru> procesor;
  std::optional<std::uint64_t> bajty;
};

// Whether the computer was quiet between the two samples. A counter that could not be read, or one
// that went back (an interface gone), proves nothing quiet.
bool BylKlid(const Vzorek& pred, const Vzorek& po);

// The names to look for among the processes: the name as given, and with ".exe" unless it ends so;
// "render" means "render.exe", "HandBrake.Worker" means "HandBrake.Worker.exe" too.
std::vector<std::string> JmenaProcesu(const std::string& program);

// The conditions as the parameter string writes them: ";po/render.exe/;klid/15/".
std::string ZapisPodminky(const Podminky& p);

// The conditions as a sentence names them after its action: "po skončení programu render.exe a po 15
// minutách klidu (teď 3 min)"; the quiet time so far only while it is being watched.
std::string PodminkyVeVete(const Podminky& p, std::optional<std::chrono::minutes> klid_ted = std::nullopt);

// How a schedule's conditions are being watched: from its moment on, each check at most every few
// seconds. Empty while nothing is watched.
struct HlidaniPodminek {
  std::optional<std::chrono::local_seconds> pro;  // the moment the watching began for
  std::chrono::milliseconds kontrola{0};          // the last check, on the steady clock
  std::chrono::milliseconds klid_od{0};           // quiet since then, on the steady clock
  std::optional<Vzorek> vzorek;                   // the counters at the last check
  int bez_programu = 0;                           // checks in a row that found the program not running
};
