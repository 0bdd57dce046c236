#include "app/predani_win.h"

#include <string>
#include <utility>

#include "platform/win32/text_win.h"
#include "program/predani.h"

namespace {

// The tags are ours, so that another program's WM_COPYDATA is never read as a command line.
constexpr ULONG_PTR ZnackaOkna = 0x5A444B02;      // started with nothing: the main window
constexpr ULONG_PTR ZnackaOdpovedi = 0x5A444B03;  // the line of "/stav", back to the second start
constexpr std::size_t NejvicZnaku = 1024;
constexpr wchar_t TridaPrijemce[] = L"frmkzupozorneni";
constexpr wchar_t TridaOdpovedi[] = L"ZDKZ-odpoved";

std::wstring radek_odpovedi;

// Only a whole text of our tag and size that holds no null character is read.
bool CtiText(const COPYDATASTRUCT& data, ULONG_PTR znacka, std::wstring& text) {
  if (data.dwData != znacka || data.lpData == nullptr || data.cbData == 0 || data.cbData % sizeof(wchar_t) != 0 ||
      data.cbData > NejvicZnaku * sizeof(wchar_t))
    return false;
  std::wstring kopie(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
  if (kopie.find(L'\0') != std::wstring::npos) return false;
  text = std::move(kopie);
  return true;
}

LRESULT CALLBACK ProceduraOdpovedi(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_COPYDATA) {
    return CtiText(*reinterpret_cast<const COPYDATASTRUCT*>(l), ZnackaOdpovedi, radek_odpovedi) ? TRUE : FALSE;
  }
  return DefWindowProcW(okno, zprava, w, l);
}

// A message-only window of the second start that the running program answers "/stav" to.
HWND OknoOdpovedi() {
  WNDCLASSEXW trida = {};
  trida.cbSize = sizeof trida;
  trida.lpfnWndProc = ProceduraOdpovedi;
  trida.hInstance = GetModuleHandleW(nullptr);
  trida.lpszClassName = TridaOdpovedi;
  RegisterClassExW(&trida);
  return CreateWindowExW(0, TridaOdpovedi, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, trida.hInstance, nullptr);
}

// The first start may still be reading its schedule: its window comes a moment after its mutex.
HWND NajdiBezici() {
  for (int pokus = 0; pokus < 50; ++pokus) {
    if (HWND okno = FindWindowW(TridaPrijemce, nullptr)) return okno;
    Sleep(100);
  }
  return nullptr;
}

void PosliRadek(HWND odesilatel, std::string_view radek) {
  if (radek.empty() || !IsWindow(odesilatel)) return;
  std::wstring text = Utf16(radek);
  COPYDATASTRUCT data = {ZnackaOdpovedi, static_cast<DWORD>(text.size() * sizeof(wchar_t)), text.data()};
  DWORD_PTR vysledek = 0;
  SendMessageTimeoutW(odesilatel, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &vysledek);
}

}  // namespace

int PredejBezicimu(std::string_view argument) {
  HWND cil = NajdiBezici();
  if (cil == nullptr) return kod::Neodpovida;
  // The running program's boxes (a password, a question) come to the front: the user asked for them.
  DWORD proces = 0;
  GetWindowThreadProcessId(cil, &proces);
  AllowSetForegroundWindow(proces);
  HWND odpoved = OknoOdpovedi();
  std::wstring text = Utf16(argument);
  COPYDATASTRUCT data = {ZnackaOkna, 0, nullptr};
  if (PokynZ(argument) != Pokyn::Okno)
    data = {ZnackaPokynu, static_cast<DWORD>(text.size() * sizeof(wchar_t)), text.data()};
  DWORD_PTR vysledek = kod::Neodpovida;
  const bool odpovedel =
      SendMessageTimeoutW(cil, WM_COPYDATA, reinterpret_cast<WPARAM>(odpoved), reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG, INFINITE, &vysledek) != 0;
  if (odpoved != nullptr) DestroyWindow(odpoved);
  if (!odpovedel || vysledek > kod::Neodpovida) return kod::Neodpovida;
  if (!radek_odpovedi.empty()) VypisNaKonzoli(Utf8(radek_odpovedi));
  return static_cast<int>(vysledek);
}

LRESULT PrijmiPredani(HWND odesilatel, const COPYDATASTRUCT& data) {
  if (data.dwData == ZnackaOkna) return PrijmiPokyn({}).kod;
  std::wstring kopie;
  if (!CtiText(data, ZnackaPokynu, kopie)) return kod::Odmitnuto;
  const std::string text = Utf8(kopie);  // empty when it is not valid UTF-16
  if (text.empty()) return kod::Odmitnuto;
  const Odpoved odpoved = PrijmiPokyn(text);
  PosliRadek(odesilatel, odpoved.radek);
  return odpoved.kod;
}

void VypisNaKonzoli(std::string_view radek) {
  HANDLE vystup = GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE konzole = INVALID_HANDLE_VALUE;
  if (vystup == nullptr || vystup == INVALID_HANDLE_VALUE) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    konzole = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
    if (konzole == INVALID_HANDLE_VALUE) return;
    vystup = konzole;
  }
  DWORD rezim = 0;
  DWORD zapsano = 0;
  if (GetConsoleMode(vystup, &rezim)) {
    const std::wstring text = Utf16(radek) + L"\r\n";
    WriteConsoleW(vystup, text.data(), static_cast<DWORD>(text.size()), &zapsano, nullptr);
  } else {
    const std::string text = std::string(radek) + "\r\n";
    WriteFile(vystup, text.data(), static_cast<DWORD>(text.size()), &zapsano, nullptr);
  }
  if (konzole != INVALID_HANDLE_VALUE) CloseHandle(konzole);
}
