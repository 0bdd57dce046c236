#include "core/spanek.h"

#include "platform/port.h"
#include "platform/system.h"

ZpusobSpanku VyberSpanek(int verze, const SchopnostiSpanku& schopnosti) {
  if (verze < verze::Vista) return ZpusobSpanku::Hibernace;
  if (schopnosti.spanek) return ZpusobSpanku::Spanek;
  if (schopnosti.modernStandby) return ZpusobSpanku::VypnoutObrazovku;
  return ZpusobSpanku::Nelze;
}

ZpusobSpanku ZpusobSpankuPocitace() {
  return VyberSpanek(port<InfoSystemu>().WinVersion(), port<Napajeni>().Schopnosti());
}
