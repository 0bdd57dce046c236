#include "platform/port.h"
#include "program_e2e.h"
#include "scheduler/zavirani.h"

// The real windows and processes, narrowed to the ones the test allows: the desktop under Wine also
// holds its own shell windows and other programs, which must never be closed or terminated. Windows
// of other processes look hidden, and every pass looks for visible ones only.
struct OmezenaOkna final : OknaProcesuWin {
  std::set<std::uint32_t> povolene;
  std::map<std::uint32_t, int> ukonceni;

  std::uint32_t Styl(HandleOkna okno) override {
    return povolene.contains(Proces(okno)) ? OknaProcesuWin::Styl(okno) : 0;
  }
  bool UkonciProces(std::uint32_t proces) override {
    ++ukonceni[proces];
    return povolene.contains(proces) && OknaProcesuWin::UkonciProces(proces);
  }
};

// Our own visible window stands beside the helper's: the closing must pass it over.
TEST(ZaviraniWin, KazdeOknoDostaneSvojeAProcesSkonciJednou) {
  HWND vlastni = CreateWindowExW(0, L"STATIC", L"vlastni", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
  SetWindowSubclass(
      vlastni,
      [](HWND okno, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (zprava != WM_CLOSE) return DefSubclassProc(okno, zprava, w, l);
        ADD_FAILURE() << "our own window was closed";
        return 0;
      },
      1, 0);
  const fs::path zaznam =
      fs::temp_directory_path() / ("okna_k_zavreni_" + std::to_string(GetCurrentProcessId()) + ".txt");
  fs::remove(zaznam);
  ::Proces pomocnik(L"\"" + zaznam.wstring() + L"\"", VedleTestu(L"okna_k_zavreni.exe"));
  ASSERT_TRUE(DOCKEJ(15s, !Obsah(zaznam).empty()));
  ASSERT_EQ(Obsah(zaznam), "pripraveno\n");
  EXPECT_EQ(OknaProcesuWin().JmenoProcesu(pomocnik.id), "okna_k_zavreni.exe");  // the shell is told by it

  OmezenaOkna okna;
  okna.povolene = {pomocnik.id, GetCurrentProcessId()};
  Pripojeni<OknaProcesu> pripojeni(okna);
  ZavriProgramy({700, 700, 700, 700, 700});
  EXPECT_EQ(pomocnik.Kod(5000), 0) << "ended by the closing, not on its own";
  EXPECT_EQ(okna.ukonceni, (std::map<std::uint32_t, int>{{pomocnik.id, 1}}));
  EXPECT_EQ(Obsah(zaznam),
            "pripraveno\nvyskakovaci WM_CLOSE 0 0x0\nhlavni WM_CLOSE 0 0x0\n"
            "hlavni WM_QUERYENDSESSION 0 0x80000000\nhlavni WM_ENDSESSION 1 0x80000000\n"
            "vyskakovaci WM_CLOSE 0 0x0\n");
  fs::remove(zaznam);
  DestroyWindow(vlastni);
}
