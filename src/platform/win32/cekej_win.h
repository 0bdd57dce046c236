#pragma once

#include <windows.h>

#include <cstdint>

// Waits ms milliseconds (INFINITE: without limit) or until one of the handles is signalled, while the
// thread's window messages are processed. Returns WAIT_TIMEOUT (258) when the time is up, otherwise
// the system wait's first result other than its message-arrived result.
std::uint32_t Cekej(std::uint32_t ms, const HANDLE* handles = nullptr, std::uint32_t pocet = 0);
