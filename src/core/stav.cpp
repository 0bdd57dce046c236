#include "core/stav.h"

StavPlanu stav;
