#pragma once

#include <cstdint>

#include "controls/geometrie.h"

// Where the icon shown in the status bar comes from.
enum class ZdrojIkony { zadna, okno, systemova };

ZdrojIkony ZdrojIkonyListy(std::int32_t sbIcon);
Obdelnik ObdelnikListy(const Obdelnik& klientRodice, int dpi);
int VelikostIkonyListy(int dpi);
