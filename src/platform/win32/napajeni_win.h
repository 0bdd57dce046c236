#pragma once

#include <string>

#include "platform/napajeni.h"

// The real power and session calls. When the environment variable ZDKZ_NANECISTO names a file, every
// call that would end the session, sleep, lock, kill the shell, close the other programs or start
// the remote-shutdown dialog is only written to that file as one line ("ExitWindowsEx 0x0000000D
// 0xFFFFFFFF"), for tests and demonstrations.
class NapajeniWin final : public Napajeni {
 public:
  NapajeniWin();
  void PovolVypnuti() override;
  void ExitWindowsEx(unsigned priznaky, unsigned duvod) override;
  void SetSuspendState(bool hibernace, bool vynutit, bool bez_probuzeni) override;
  void LockWorkStation() override;
  SchopnostiSpanku Schopnosti() override;
  void VypniObrazovku() override;
  void UkonciProgman() override;
  void ZavriProgramy() override;
  bool DialogVzdalenychPC() override;

 private:
  bool Zapis(const std::string& radek);  // true in a dry run
  std::wstring soubor_nanecisto_;
};
