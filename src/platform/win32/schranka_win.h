#pragma once

#include <windows.h>

#include <string>

#include "platform/schranka.h"

// The clipboard as Unicode text. The clipboard wants an owner window; this object keeps a message-only
// window of its own for it.
class SchrankaWin final : public Schranka {
 public:
  SchrankaWin() = default;
  ~SchrankaWin() override;
  SchrankaWin(const SchrankaWin&) = delete;
  SchrankaWin& operator=(const SchrankaWin&) = delete;

  void Vloz(std::string_view text) override;

 private:
  HWND vlastnik_ = nullptr;
};

// The clipboard's Unicode text; empty when it holds none or cannot be opened.
std::wstring TextSchranky();
