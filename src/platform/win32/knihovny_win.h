#pragma once

#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <oleacc.h>
#include <powrprof.h>
#include <shlobj.h>
#include <winsock2.h>
// after winsock2.h, which they need for the newer interface table
#include <ws2ipdef.h>
// after ws2ipdef.h
#include <iphlpapi.h>
#include <wtsapi32.h>

// The system DLLs that are not among the system's known DLLs. Windows would look for them in the
// program's own folder first, where anyone may have left a file of that name (a Downloads folder, a
// USB stick), so they are loaded at run time, from System32 only, when first needed. A DLL or a
// function that is not there leaves its pointer empty, and the caller does without it. (version.dll
// is not needed at all: the program reads its own version record itself.)

// The same way, for lightness, the DLLs that only the main window, a screen reader or a shortcut
// needs: a start into the tray loads no more than a bare tray program does.

// At the very start: whatever the program or the system loads later comes from System32.
void OmezHledaniKnihoven();

// Power and sleep (powrprof.dll): at the first sleep or power query.
struct Powrprof {
  decltype(&::SetSuspendState) SetSuspendState = nullptr;
  decltype(&::CallNtPowerInformation) CallNtPowerInformation = nullptr;
  decltype(&::PowerGetActiveScheme) PowerGetActiveScheme = nullptr;
  decltype(&::PowerReadACValueIndex) PowerReadACValueIndex = nullptr;
  decltype(&::PowerReadDCValueIndex) PowerReadDCValueIndex = nullptr;
};
const Powrprof& PowrprofDll();

// What screen readers ask for (oleacc.dll): at the first WM_GETOBJECT.
struct Oleacc {
  decltype(&::LresultFromObject) LresultFromObject = nullptr;
  decltype(&::AccessibleObjectFromWindow) AccessibleObjectFromWindow = nullptr;
};
const Oleacc& OleaccDll();

// The network interfaces' counters (iphlpapi.dll): for a schedule that waits for a quiet computer.
struct Iphlpapi {
  decltype(&::GetIfTable2) GetIfTable2 = nullptr;
  decltype(&::FreeMibTable) FreeMibTable = nullptr;
};
const Iphlpapi& IphlpapiDll();

// The sessions of other users (wtsapi32.dll): at the end of a countdown, to leave their work alone.
struct Wtsapi32 {
  decltype(&::WTSEnumerateSessionsW) WTSEnumerateSessionsW = nullptr;
  decltype(&::WTSQuerySessionInformationW) WTSQuerySessionInformationW = nullptr;
  decltype(&::WTSFreeMemory) WTSFreeMemory = nullptr;
};
const Wtsapi32& Wtsapi32Dll();

// COM (ole32.dll and oleaut32.dll): for a screen reader and for the desktop shortcut.
struct Ole {
  decltype(&::OleInitialize) OleInitialize = nullptr;
  decltype(&::OleUninitialize) OleUninitialize = nullptr;
  decltype(&::CoInitializeEx) CoInitializeEx = nullptr;
  decltype(&::CoUninitialize) CoUninitialize = nullptr;
  decltype(&::CoCreateInstance) CoCreateInstance = nullptr;
  decltype(&::CoTaskMemFree) CoTaskMemFree = nullptr;
  decltype(&::SysAllocStringLen) SysAllocStringLen = nullptr;
};
const Ole& OleDll();

// The common controls (comctl32.dll, the version the manifest asks for): for the main window.
struct Comctl32 {
  decltype(&::InitCommonControlsEx) InitCommonControlsEx = nullptr;
  decltype(&::SetWindowSubclass) SetWindowSubclass = nullptr;
  decltype(&::DefSubclassProc) DefSubclassProc = nullptr;
};
const Comctl32& Comctl32Dll();

// The UI thread becomes a single-threaded apartment when a screen reader first asks, and stays one:
// only so can a reader in another process reach the buttons' objects. A start into the tray that
// nobody reads needs none of it. KonecApartmanu ends it, after the last window is gone.
void ZacniApartman();
void KonecApartmanu();
