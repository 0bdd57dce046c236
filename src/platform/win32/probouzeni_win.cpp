#include "platform/win32/probouzeni_win.h"

ProbouzeniWin::~ProbouzeniWin() {
  if (casovac_) CloseHandle(casovac_);
}

// The local moment becomes the system's time (UTC) with the rules of daylight saving of that day. A
// computer that cannot wake from sleep, or a failed call, leaves the schedule as it is.
bool ProbouzeniWin::Nastav(Cas kdy) {
  if (!casovac_) casovac_ = CreateWaitableTimerW(nullptr, TRUE, nullptr);
  if (!casovac_) return false;
  const DatumCas d = RozlozCas(kdy);
  SYSTEMTIME mistni{};
  mistni.wYear = static_cast<WORD>(d.rok);
  mistni.wMonth = static_cast<WORD>(d.mesic);
  mistni.wDay = static_cast<WORD>(d.den);
  mistni.wHour = static_cast<WORD>(d.hodina);
  mistni.wMinute = static_cast<WORD>(d.minuta);
  SYSTEMTIME utc{};
  FILETIME cas{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &mistni, &utc) || !SystemTimeToFileTime(&utc, &cas)) return false;
  LARGE_INTEGER kdyUtc{};
  kdyUtc.LowPart = cas.dwLowDateTime;
  kdyUtc.HighPart = static_cast<LONG>(cas.dwHighDateTime);
  return SetWaitableTimer(casovac_, &kdyUtc, 0, nullptr, nullptr, TRUE) != FALSE;
}

void ProbouzeniWin::Zrus() {
  if (casovac_) CancelWaitableTimer(casovac_);
}

void ProbouzeniWin::DrzBdely(bool drzet) {
  SetThreadExecutionState(drzet ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}
