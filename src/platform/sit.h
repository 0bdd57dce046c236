#pragma once

#include <cstdint>

// Whether a network interface's traffic counts towards a busy computer: only the adapters that carry
// its own traffic, a wired or wireless card and a mobile modem. A virtual switch, a VPN tunnel, a
// filter driver's interface and the loopback pass on the same bytes once more, or none that leave the
// computer. `typ` is the interface's IANA type (IF_TYPE_*).
bool PocitatAdapter(std::uint32_t typ, bool filtr, bool hardware);
