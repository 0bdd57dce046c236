#include "platform/win32/probouzeni_win.h"

#include "platform/win32/knihovny_win.h"

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

void ProbouzeniWin::DrzBdely(std::uint32_t priznaky) {
  if (nanecisto_.Zapis("SetThreadExecutionState " + Hex(priznaky))) return;
  SetThreadExecutionState(priznaky);
}

// The sleep subgroup's "Allow wake timers" (ALLOW_RTC_WAKE) of the active plan, on battery or on mains
// as the computer runs now.
std::optional<unsigned> ProbouzeniWin::NastaveniBuzeni() {
  static constexpr GUID Spanek = {0x238c9fa8, 0x0aad, 0x41ed, {0x83, 0xf4, 0x97, 0xbe, 0x24, 0x2c, 0x8f, 0x20}};
  static constexpr GUID Buzeni = {0xbd3b718a, 0x0680, 0x4d9d, {0x8a, 0xb2, 0xe1, 0xd2, 0xb4, 0xac, 0x80, 0x6d}};
  const Powrprof& dll = PowrprofDll();
  if (!dll.PowerGetActiveScheme || !dll.PowerReadACValueIndex || !dll.PowerReadDCValueIndex) return std::nullopt;
  GUID* schema = nullptr;
  if (dll.PowerGetActiveScheme(nullptr, &schema) != ERROR_SUCCESS) return std::nullopt;
  SYSTEM_POWER_STATUS zdroj{};
  const bool baterie = GetSystemPowerStatus(&zdroj) && zdroj.ACLineStatus == 0;
  DWORD hodnota = 0;
  const DWORD vysledek = baterie ? dll.PowerReadDCValueIndex(nullptr, schema, &Spanek, &Buzeni, &hodnota)
                                 : dll.PowerReadACValueIndex(nullptr, schema, &Spanek, &Buzeni, &hodnota);
  LocalFree(schema);
  if (vysledek != ERROR_SUCCESS) return std::nullopt;
  return hodnota;
}
