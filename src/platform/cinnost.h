#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

// The processor's times since the system started, all cores together, in any one unit.
struct CasyProcesoru {
  std::uint64_t necinny = 0;
  std::uint64_t celkem = 0;
};

// What the computer is doing, as the conditions of a schedule ask it. Each answer is missing when the
// system could not give it.
class Cinnost {
 public:
  virtual ~Cinnost() = default;
  // Whether a process of this executable name runs, the name compared without regard to case.
  virtual std::optional<bool> BeziProgram(std::string_view jmeno) = 0;
  virtual std::optional<CasyProcesoru> Procesor() = 0;
  // Bytes received and sent since the system started, over all network interfaces.
  virtual std::optional<std::uint64_t> BajtySite() = 0;
  // Whether the network counters exist on this system at all (not on XP and Server 2003).
  virtual bool MeriSit() = 0;
  // How long nobody has touched the keyboard or the mouse.
  virtual std::optional<std::chrono::milliseconds> BezVstupu() = 0;
};
