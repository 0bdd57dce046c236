#pragma once

#include "platform/napajeni.h"
#include "platform/win32/nanecisto_win.h"

// The real power and session calls; in a dry run (nanecisto_win.h) they are only written down.
class NapajeniWin final : public Napajeni {
 public:
  void PovolVypnuti() override;
  Selhani ExitWindowsEx(unsigned priznaky, unsigned duvod) override;
  Selhani SetSuspendState(bool hibernace, bool vynutit, bool bez_probuzeni) override;
  Selhani LockWorkStation() override;
  SchopnostiSpanku Schopnosti() override;
  void VypniObrazovku() override;
  void UkonciProgman() override;
  bool DialogVzdalenychPC() override;

 private:
  // In a dry run, the answer of the system written down: nothing, or the error ZDKZ_NANECISTO_CHYBA
  // names, for a test of a refused call.
  Selhani OdpovedNanecisto() const;
  Nanecisto nanecisto_;
};
