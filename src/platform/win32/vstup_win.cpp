// The one-line input box of DialogyWin: Windows has no system input box for programs like ours.
#include <windows.h>

#include "platform/win32/text_win.h"
#include "platform/win32/zakladni_porty_win.h"
#include "platform/zdroje.h"

namespace {

struct DataVstupu {
  std::wstring vyzva, titulek, odpoved;
};

INT_PTR CALLBACK ProceduraVstupu(HWND dialog, UINT zprava, WPARAM w, LPARAM l) {
  switch (zprava) {
    case WM_INITDIALOG: {
      const auto* vstup = reinterpret_cast<const DataVstupu*>(l);
      SetWindowLongPtrW(dialog, DWLP_USER, l);
      SetWindowTextW(dialog, vstup->titulek.c_str());
      SetDlgItemTextW(dialog, IDC_VYZVA, vstup->vyzva.c_str());
      SetForegroundWindow(dialog);
      return TRUE;  // the focus goes to the line to type into
    }
    case WM_COMMAND:
      if (LOWORD(w) == IDOK) {
        reinterpret_cast<DataVstupu*>(GetWindowLongPtrW(dialog, DWLP_USER))->odpoved =
            TextOkna(GetDlgItem(dialog, IDC_VSTUP));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(w) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

// Modal to whatever window of ours is active, like the message boxes.
std::optional<std::string> DialogyWin::Vstup(std::string_view vyzva, std::string_view titulek) {
  DataVstupu vstup{Utf16(vyzva), Utf16(titulek), {}};
  const Otevreny box(otevreno_);
  const INT_PTR vysledek = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_VSTUP), GetActiveWindow(),
                                           ProceduraVstupu, reinterpret_cast<LPARAM>(&vstup));
  if (vysledek != IDOK) return std::nullopt;
  return Utf8(vstup.odpoved);
}
