#include "platform/win32/plocha_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/produkt.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

// A COM interface released when it goes out of scope.
template <class Rozhrani>
struct Com {
  Rozhrani* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
};

std::wstring CestaProgramu() {
  wchar_t cesta[MAX_PATH] = {};
  const DWORD delka = GetModuleFileNameW(nullptr, cesta, MAX_PATH);
  return delka > 0 && delka < MAX_PATH ? std::wstring(cesta, delka) : std::wstring();
}

}  // namespace

std::wstring PlochaWin::CestaZastupce() const {
  PIDLIST_ABSOLUTE polozka = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &polozka) != S_OK) return {};
  wchar_t plocha[MAX_PATH] = {};
  const bool nalezena = SHGetPathFromIDListW(polozka, plocha) != FALSE;
  if (OleDll().CoTaskMemFree) OleDll().CoTaskMemFree(polozka);
  if (!nalezena) return {};
  return std::wstring(plocha) + L"\\" + Utf16(NazevAplikace) + L".lnk";
}

bool PlochaWin::MaZastupce() {
  const std::wstring cesta = CestaZastupce();
  return !cesta.empty() && GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PlochaWin::SmazZastupce() {
  const std::wstring cesta = CestaZastupce();
  if (!cesta.empty()) DeleteFileW(cesta.c_str());
}

// A failing step is skipped and the next one runs; nothing is reported.
void PlochaWin::VytvorZastupce() {
  const std::wstring cesta = CestaZastupce();
  const std::wstring program = CestaProgramu();
  if (cesta.empty() || program.empty()) return;
  const std::wstring slozka = program.substr(0, program.find_last_of(L'\\'));
  const Ole& dll = OleDll();
  if (!dll.CoInitializeEx || !dll.CoCreateInstance || !dll.CoUninitialize) return;
  const HRESULT com = dll.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    Com<IShellLinkW> odkaz;
    Com<IPersistFile> soubor;
    if (SUCCEEDED(dll.CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&odkaz.p)))) {
      odkaz.p->SetPath(program.c_str());
      odkaz.p->SetDescription(Utf16(NazevAplikace).c_str());
      odkaz.p->SetShowCmd(SW_SHOW);
      odkaz.p->SetIconLocation(program.c_str(), 0);
      odkaz.p->SetArguments(L"");
      odkaz.p->SetWorkingDirectory(slozka.c_str());
      odkaz.p->SetHotkey(0);
      if (SUCCEEDED(odkaz.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&soubor.p)))) {
        soubor.p->Save(cesta.c_str(), TRUE);
      }
    }
  }
  if (SUCCEEDED(com)) dll.CoUninitialize();
}
