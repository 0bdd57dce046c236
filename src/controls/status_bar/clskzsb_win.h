#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "controls/kresleni_win.h"

// The status bar along the bottom of a window: one part with a line of text and a small icon. The
// object owns the bar's window and the one icon copy it shows; never the parent.
class clskzsb {
 public:
  clskzsb() = default;
  ~clskzsb();
  clskzsb(const clskzsb&) = delete;
  clskzsb& operator=(const clskzsb&) = delete;

  HWND sbCreate(HWND sbhWnd);
  void sbSetIconText(std::string_view sbText, std::int32_t sbBorder, std::int32_t sbIcon);
  void sbResize();

 private:
  RECT sbGetRect() const;
  void sbRedraw(const RECT& oblast) const;
  HICON NovaIkona(std::int32_t sbIcon) const;

  HWND okno_ = nullptr;
  HWND rodic_ = nullptr;  // borrowed, not ours to destroy
  std::int32_t typKresleni_ = BezOkraje;
  VlastniIkona ikona_;

  static constexpr std::int32_t BezOkraje = 256;
};
