#pragma once

// The program's shortcut on the user's desktop ("Vypnutí počítače.lnk").
class Plocha {
 public:
  virtual ~Plocha() = default;
  virtual bool MaZastupce() = 0;
  virtual void SmazZastupce() = 0;
  // Starts the program's own executable from its folder, without arguments, with its icon.
  virtual void VytvorZastupce() = 0;
};
