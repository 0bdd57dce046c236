#pragma once

#include <string>

#include "platform/napajeni.h"

// The real power and session calls. When the environment variable ZDKZ_NANECISTO names a file, every
// call that would end the session, sleep, lock, kill the shell, close the other programs or start
// the remote-shutdown dialog is only written to that file as one line ("ExitWindowsEx 0x0000000D
// 0x80040001"), for tests and demonstrations.
class NapajeniWin final : public Napajeni {
 public:
  NapajeniWin();
  void PovolVypnuti() override;
  Selhani ExitWindowsEx(unsigned priznaky, unsigned duvod) override;
  Selhani SetSuspendState(bool hibernace, bool vynutit, bool bez_probuzeni) override;
  Selhani LockWorkStation() override;
  SchopnostiSpanku Schopnosti() override;
  void VypniObrazovku() override;
  void UkonciProgman() override;
  void ZavriProgramy() override;
  bool DialogVzdalenychPC() override;

 private:
  bool Zapis(const std::string& radek);  // true in a dry run
  // In a dry run, the answer of the system written down: nothing, or the error ZDKZ_NANECISTO_CHYBA
  // names, for a test of a refused call.
  Selhani OdpovedNanecisto() const;
  std::wstring soubor_nanecisto_;
  unsigned long chyba_nanecisto_ = 0;
};
