#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What the machine offers for sleep: a sleep state (S1, S2 or S3), Modern Standby (connected standby
// instead of a sleep state), and hibernation (S4 with its file present: switched on).
struct SchopnostiSpanku {
  bool spanek = true;
  bool modernStandby = false;
  bool hibernace = true;
};

// The capabilities read from the bytes of the system's power-capabilities structure.
SchopnostiSpanku SchopnostiZBajtu(std::span<const std::uint8_t> bajty);

// What a power or session call came to: nothing when it was made (or written down in a dry run), else
// the system's own words for why not.
using Selhani = std::optional<std::string>;

// The system's power and session calls.
class Napajeni {
 public:
  virtual ~Napajeni() = default;
  virtual void PovolVypnuti() = 0;  // the shutdown privilege in the process's own token
  virtual Selhani ExitWindowsEx(unsigned priznaky, unsigned duvod) = 0;
  virtual Selhani SetSuspendState(bool hibernace, bool vynutit, bool bez_probuzeni) = 0;
  virtual Selhani LockWorkStation() = 0;
  virtual SchopnostiSpanku Schopnosti() = 0;  // a machine whose capabilities cannot be read has none
  virtual void VypniObrazovku() = 0;
  virtual void UkonciProgman() = 0;  // ends the old shell's process before a log-off on 9x
  // The system's dialog for shutting down computers on the network ("shutdown.exe /i"), not waited
  // for; false when it could not be started.
  virtual bool DialogVzdalenychPC() = 0;
};
