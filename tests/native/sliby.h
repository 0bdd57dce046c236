#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// One random user with random schedules on random days, read from bytes and run through the program's
// portable logic in the fake world. Answers the first promise to the user that broke, with the story of
// events that led to it; nothing when every promise held. `udalosti` counts the events run.
std::optional<std::string> ProverSliby(std::span<const std::uint8_t> bajty, long& udalosti);
