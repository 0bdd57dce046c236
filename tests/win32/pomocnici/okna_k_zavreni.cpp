// A program with one window of each kind that the closing of programs tells apart. Each window writes
// the closing messages it receives into the file named on the command line, one line each, and
// refuses to close, so that every pass still finds it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace {

const wchar_t* soubor = nullptr;

void Zapis(const char* radek) {
  HANDLE h = CreateFileW(soubor, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD zapsano = 0;
  WriteFile(h, radek, static_cast<DWORD>(strlen(radek)), &zapsano, nullptr);
  CloseHandle(h);
}

const char* NazevZpravy(UINT zprava) {
  switch (zprava) {
    case WM_CLOSE: return "WM_CLOSE";
    case WM_QUERYENDSESSION: return "WM_QUERYENDSESSION";
    case WM_ENDSESSION: return "WM_ENDSESSION";
    default: return nullptr;
  }
}

LRESULT CALLBACK ProceduraOkna(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  if (zprava == WM_NCCREATE) {
    const auto* vytvoreni = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(okno, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(vytvoreni->lpCreateParams));
  }
  if (const char* nazev = NazevZpravy(zprava)) {
    char radek[128];
    snprintf(radek, sizeof radek, "%s %s %llu 0x%llX\n",
             reinterpret_cast<const char*>(GetWindowLongPtrW(okno, GWLP_USERDATA)), nazev,
             static_cast<unsigned long long>(w), static_cast<unsigned long long>(l));
    Zapis(radek);
    return zprava == WM_QUERYENDSESSION ? TRUE : 0;
  }
  if (zprava == WM_TIMER) PostQuitMessage(7);  // never outlive a test that failed to end us
  return DefWindowProcW(okno, zprava, w, l);
}

void Registruj(HINSTANCE instance, const wchar_t* trida) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ProceduraOkna;
  wc.hInstance = instance;
  wc.lpszClassName = trida;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int pocet = 0;
  wchar_t** argumenty = CommandLineToArgvW(GetCommandLineW(), &pocet);
  if (argumenty == nullptr || pocet < 2) return 2;
  soubor = argumenty[1];

  Registruj(instance, L"ZkusebniOkno");
  Registruj(instance, L"CabinetWClass");
  const struct {
    const char* nazev;
    const wchar_t* trida;
    DWORD styl, rozsireny;
  } okna[] = {
      {"vyskakovaci", L"ZkusebniOkno", WS_POPUP | WS_BORDER | WS_VISIBLE, 0},
      {"hlavni", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
      {"nastroj", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOOLWINDOW},
      {"zakazane", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_DISABLED, 0},
      {"skryte", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW, 0},
      {"slozka", L"CabinetWClass", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
  };
  HWND prvni = nullptr;
  int x = 20;
  for (const auto& o : okna) {
    HWND h = CreateWindowExW(o.rozsireny, o.trida, L"okna_k_zavreni", o.styl, x, 40, 150, 120, nullptr,
                             nullptr, instance, const_cast<char*>(o.nazev));
    if (h == nullptr) return 3;
    if (prvni == nullptr) prvni = h;
    x += 160;
  }
  SetTimer(prvni, 1, 60000, nullptr);
  Zapis("pripraveno\n");

  MSG zprava;
  while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
    TranslateMessage(&zprava);
    DispatchMessageW(&zprava);
  }
  LocalFree(argumenty);
  return static_cast<int>(zprava.wParam);
}
