#pragma once

// The exit codes of a start of the program, which scripts and the installer read. A second start gets
// its code from the running program's answer; the warning window, which takes the hand-over's
// message, refuses with one too, so they live below both.
namespace kod {
inline constexpr int Hotovo = 0;      // done; for "/stav": something is armed
inline constexpr int Nic = 1;         // nothing to do: nothing armed; for "/stav": the program does not run
inline constexpr int Odmitnuto = 2;   // a bad string, a wrong password, cancelling forbidden
inline constexpr int Neodpovida = 3;  // the running program does not answer
}  // namespace kod
