// One window of each kind that the closing of programs tells apart. Each writes the closing messages
// it receives, after its title, into the file named on the command line, and refuses to close, so
// that every pass still finds it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <initializer_list>

namespace {

const wchar_t* soubor = nullptr;

void Zapis(const char* radek) {
  if (FILE* f = _wfopen(soubor, L"ab")) fputs(radek, f), fclose(f);
}

LRESULT CALLBACK ProceduraOkna(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
  const char* nazev = zprava == WM_CLOSE             ? "WM_CLOSE"
                      : zprava == WM_QUERYENDSESSION ? "WM_QUERYENDSESSION"
                      : zprava == WM_ENDSESSION      ? "WM_ENDSESSION"
                                                     : nullptr;
  if (nazev == nullptr) return DefWindowProcW(okno, zprava, w, l);
  char titulek[32], radek[128];
  GetWindowTextA(okno, titulek, sizeof titulek);
  snprintf(radek, sizeof radek, "%s %s %llu 0x%llX\n", titulek, nazev, static_cast<unsigned long long>(w),
           static_cast<unsigned long long>(l));
  Zapis(radek);
  return zprava == WM_QUERYENDSESSION;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int pocet = 0;
  wchar_t** argumenty = CommandLineToArgvW(GetCommandLineW(), &pocet);
  if (argumenty == nullptr || pocet < 2) return 2;
  soubor = argumenty[1];

  for (const wchar_t* trida : {L"ZkusebniOkno", L"CabinetWClass"}) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProceduraOkna, wc.hInstance = instance, wc.lpszClassName = trida;
    RegisterClassW(&wc);
  }
  const struct {
    const wchar_t *titulek, *trida;
    DWORD styl, rozsireny;
  } okna[] = {
      {L"vyskakovaci", L"ZkusebniOkno", WS_POPUP | WS_BORDER | WS_VISIBLE, 0},
      {L"hlavni", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
      {L"nastroj", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOOLWINDOW},
      {L"zakazane", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_DISABLED, 0},
      {L"skryte", L"ZkusebniOkno", WS_OVERLAPPEDWINDOW, 0},
      {L"slozka", L"CabinetWClass", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
  };
  int x = 20;
  for (const auto& o : okna)
    if (!CreateWindowExW(o.rozsireny, o.trida, o.titulek, o.styl, x += 160, 40, 150, 120, nullptr, nullptr, instance,
                         nullptr))
      return 3;
  SetTimer(nullptr, 0, 60000, nullptr);  // never outlive a test that failed to end us
  Zapis("pripraveno\n");

  MSG zprava;
  while (GetMessageW(&zprava, nullptr, 0, 0) > 0 && zprava.message != WM_TIMER) DispatchMessageW(&zprava);
  LocalFree(argumenty);
  return 7;
}
