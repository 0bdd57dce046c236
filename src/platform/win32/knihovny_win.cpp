#include "platform/win32/knihovny_win.h"

#include <string>

namespace {

HMODULE ZeSystemu(const wchar_t* nazev) {
  if (HMODULE modul = LoadLibraryExW(nazev, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return modul;
  // Windows 7 without its 2011 loader update knows no such flag: the full path does the same there.
  wchar_t slozka[MAX_PATH];
  const UINT delka = GetSystemDirectoryW(slozka, MAX_PATH);
  if (delka == 0 || delka >= MAX_PATH) return nullptr;
  const std::wstring cesta = std::wstring(slozka, delka) + L"\\" + nazev;
  return LoadLibraryExW(cesta.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// The function of that name as the type its header declares, or nullptr.
template <typename F>
void Najdi(HMODULE modul, const char* jmeno, F& funkce) {
  funkce = modul ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(modul, jmeno))) : nullptr;
}

bool apartman = false;

}  // namespace

void OmezHledaniKnihoven() {
  using Omez = BOOL(WINAPI*)(DWORD);
  Omez omez = nullptr;
  Najdi(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories", omez);
  if (omez) omez(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

const Powrprof& PowrprofDll() {
  static const Powrprof dll = [] {
    const HMODULE m = ZeSystemu(L"powrprof.dll");
    Powrprof f;
    Najdi(m, "SetSuspendState", f.SetSuspendState);
    Najdi(m, "CallNtPowerInformation", f.CallNtPowerInformation);
    Najdi(m, "PowerGetActiveScheme", f.PowerGetActiveScheme);
    Najdi(m, "PowerReadACValueIndex", f.PowerReadACValueIndex);
    Najdi(m, "PowerReadDCValueIndex", f.PowerReadDCValueIndex);
    return f;
  }();
  return dll;
}

const Oleacc& OleaccDll() {
  static const Oleacc dll = [] {
    const HMODULE m = ZeSystemu(L"oleacc.dll");
    Oleacc f;
    Najdi(m, "LresultFromObject", f.LresultFromObject);
    Najdi(m, "AccessibleObjectFromWindow", f.AccessibleObjectFromWindow);
    return f;
  }();
  return dll;
}

const Iphlpapi& IphlpapiDll() {
  static const Iphlpapi dll = [] {
    const HMODULE m = ZeSystemu(L"iphlpapi.dll");
    Iphlpapi f;
    Najdi(m, "GetIfTable2", f.GetIfTable2);
    Najdi(m, "FreeMibTable", f.FreeMibTable);
    return f;
  }();
  return dll;
}

const Wtsapi32& Wtsapi32Dll() {
  static const Wtsapi32 dll = [] {
    const HMODULE m = ZeSystemu(L"wtsapi32.dll");
    Wtsapi32 f;
    Najdi(m, "WTSEnumerateSessionsW", f.WTSEnumerateSessionsW);
    Najdi(m, "WTSQuerySessionInformationW", f.WTSQuerySessionInformationW);
    Najdi(m, "WTSFreeMemory", f.WTSFreeMemory);
    return f;
  }();
  return dll;
}

const Ole& OleDll() {
  static const Ole dll = [] {
    const HMODULE ole = ZeSystemu(L"ole32.dll");
    Ole f;
    Najdi(ole, "OleInitialize", f.OleInitialize);
    Najdi(ole, "OleUninitialize", f.OleUninitialize);
    Najdi(ole, "CoInitializeEx", f.CoInitializeEx);
    Najdi(ole, "CoUninitialize", f.CoUninitialize);
    Najdi(ole, "CoCreateInstance", f.CoCreateInstance);
    Najdi(ole, "CoTaskMemFree", f.CoTaskMemFree);
    Najdi(ZeSystemu(L"oleaut32.dll"), "SysAllocStringLen", f.SysAllocStringLen);
    return f;
  }();
  return dll;
}

const Comctl32& Comctl32Dll() {
  static const Comctl32 dll = [] {
    const HMODULE m = ZeSystemu(L"comctl32.dll");
    Comctl32 f;
    Najdi(m, "InitCommonControlsEx", f.InitCommonControlsEx);
    Najdi(m, "SetWindowSubclass", f.SetWindowSubclass);
    Najdi(m, "DefSubclassProc", f.DefSubclassProc);
    if (f.InitCommonControlsEx) {
      INITCOMMONCONTROLSEX tridy{sizeof tridy, ICC_BAR_CLASSES};
      f.InitCommonControlsEx(&tridy);
    }
    return f;
  }();
  return dll;
}

void ZacniApartman() {
  if (!apartman && OleDll().OleInitialize) apartman = SUCCEEDED(OleDll().OleInitialize(nullptr));
}

void KonecApartmanu() {
  if (apartman) OleDll().OleUninitialize();
  apartman = false;
}
