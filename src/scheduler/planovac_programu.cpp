#include "scheduler/planovac_programu.h"

#include "scheduler/akce.h"
#include "scheduler/nastaveni.h"

void PlanovacProgramu::UlozNastaveni() { ::UlozNastaveni(); }
void PlanovacProgramu::ProvedAkci(std::uint8_t kod) { ::ProvedAkci(kod); }
