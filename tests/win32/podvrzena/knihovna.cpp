// A DLL planted beside the program under the name of a system DLL. Loaded, it leaves a file
// "<its name>.nacteno" beside itself, so the test sees that the program took it. It exports the names
// the program uses from the real DLL (see the .def files made in cmake/win64.cmake), so that nothing
// but the search order keeps it out.
#include <windows.h>

extern "C" __declspec(dllexport) LONG_PTR Podvrzena() { return 0; }

BOOL WINAPI DllMain(HINSTANCE modul, DWORD duvod, LPVOID) {
  if (duvod != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t cesta[MAX_PATH + 16] = {};
  const DWORD delka = GetModuleFileNameW(modul, cesta, MAX_PATH);
  if (delka == 0 || delka >= MAX_PATH) return TRUE;
  lstrcatW(cesta, L".nacteno");
  HANDLE soubor = CreateFileW(cesta, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (soubor != INVALID_HANDLE_VALUE) CloseHandle(soubor);
  return TRUE;
}
