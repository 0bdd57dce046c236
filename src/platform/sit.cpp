#include "platform/sit.h"

namespace {

constexpr std::uint32_t Ethernet = 6;       // IF_TYPE_ETHERNET_CSMACD
constexpr std::uint32_t Wifi = 71;          // IF_TYPE_IEEE80211
constexpr std::uint32_t MobilniSit = 243;   // IF_TYPE_WWANPP
constexpr std::uint32_t MobilniSit2 = 244;  // IF_TYPE_WWANPP2

}  // namespace

// A Hyper-V or VPN adapter may call itself Ethernet: it is told by not being hardware.
bool PocitatAdapter(std::uint32_t typ, bool filtr, bool hardware) {
  if (filtr || !hardware) return false;
  return typ == Ethernet || typ == Wifi || typ == MobilniSit || typ == MobilniSit2;
}
