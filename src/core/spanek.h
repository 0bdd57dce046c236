#pragma once

#include "platform/napajeni.h"

// How "Spánek" is carried out on this machine.
enum class ZpusobSpanku {
  Hibernace,         // the old releases, where the suspend call with hibernate set meant sleep
  Spanek,            // the deepest sleep state the machine has (S1 to S3), never hibernation
  VypnoutObrazovku,  // Modern Standby: the display off, after which the system goes to standby itself
  Nelze,             // neither: refused at activation and at start
};

// The choice for a release code of WinVersion and the machine's power capabilities.
ZpusobSpanku VyberSpanek(int verze, const SchopnostiSpanku& schopnosti);
// The same for the running system.
ZpusobSpanku ZpusobSpankuPocitace();
