#pragma once

#include <string>

// Windows family codes of WinPlatform.
namespace platforma {
inline constexpr int Win32s = 0;
inline constexpr int Windows = 1;  // 95, 98, ME
inline constexpr int WindowsNT = 2;
inline constexpr int Windows64 = 3;
inline constexpr int Neznama = 4;
inline constexpr int BezFunkce = 5;  // no version function at all
}  // namespace platforma

// Release codes of WinVersion. They rise from older to newer releases and callers compare them as
// numbers, so an unknown release (11) counts as newer than every named one.
namespace verze {
inline constexpr int Win32s = 0;
inline constexpr int Win95 = 1;
inline constexpr int Win98 = 2;
inline constexpr int WinME = 4;
inline constexpr int NT351 = 5;
inline constexpr int NT40 = 6;
inline constexpr int Win2000 = 7;
inline constexpr int WinXP = 8;
inline constexpr int Server2003 = 9;
inline constexpr int Vista = 10;
inline constexpr int Neznama = 11;
inline constexpr int BezFunkce = 12;
}  // namespace verze

// What the rest of the program asks about the running Windows. The program installs its one
// clsosgv object (src/system/clsosgv.h) here at start-up; tests of the power actions and the windows
// install a fake with the codes they need.
class InfoSystemu {
 public:
  virtual ~InfoSystemu() = default;
  virtual int WinPlatform() const = 0;
  virtual int WinVersion() const = 0;
  virtual std::string WinVersionS() const = 0;
};
