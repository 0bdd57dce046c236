#pragma once

#include <string>

// The dry run. When the environment variable ZDKZ_NANECISTO names a file, a call that would end the
// session, sleep, lock, kill the shell, close the other programs or start the remote-shutdown dialog
// is only written to that file as one line ("ExitWindowsEx 0x0000000D 0x80040001"), and so is each
// request to keep the computer awake ("SetThreadExecutionState 0x80000001"), for tests and
// demonstrations. ZDKZ_NANECISTO_CHYBA names the error such a call answers, for a test of a refused one.
class Nanecisto {
 public:
  Nanecisto();                                    // reads the environment now
  bool Zapis(const std::string& radek);           // true in a dry run
  unsigned long Chyba() const { return chyba_; }  // 0: none

 private:
  std::wstring soubor_;
  unsigned long chyba_ = 0;
};

// A number as the dry run writes flags: "0x0000000D".
std::string Hex(unsigned hodnota);
