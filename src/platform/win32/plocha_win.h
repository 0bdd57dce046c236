#pragma once

#include <string>

#include "platform/plocha.h"

// The shortcut "Vypnutí počítače.lnk" on the user's desktop, made with the shell's link object.
class PlochaWin final : public Plocha {
 public:
  bool MaZastupce() override;
  void SmazZastupce() override;
  void VytvorZastupce() override;

 private:
  std::wstring CestaZastupce() const;  // empty when the desktop folder cannot be found
};
