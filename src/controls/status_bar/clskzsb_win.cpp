#include "controls/status_bar/clskzsb_win.h"

#include <commctrl.h>

#include "controls/status_bar/clskzsb.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

// The icon goes with the object even when the bar's window went with its parent first.
clskzsb::~clskzsb() {
  ikona_.Vymen(nullptr);
  if (IsWindow(okno_)) DestroyWindow(okno_);
}

// The bar neither sizes nor places itself: sbResize does that, with margins of its own.
HWND clskzsb::sbCreate(HWND sbhWnd) {
  if (IsWindow(okno_)) DestroyWindow(okno_);  // created again: the old bar must not linger
  rodic_ = sbhWnd;
  if (!Comctl32Dll().InitCommonControlsEx) return nullptr;
  okno_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN, 0,
                          0, 0, 0, sbhWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!okno_) return nullptr;
  int pravyOkraj = -1;  // the one part reaches the right edge
  SendMessageW(okno_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&pravyOkraj));
  typKresleni_ = BezOkraje;
  sbSetIconText("", BezOkraje, 0);
  return okno_;
}

// A private copy in the small size: the source (a shared system icon or the parent's) is not ours.
HICON clskzsb::NovaIkona(std::int32_t sbIcon) const {
  HICON zdroj = nullptr;
  switch (ZdrojIkonyListy(sbIcon)) {
    case ZdrojIkony::okno:
      zdroj = reinterpret_cast<HICON>(SendMessageW(rodic_, WM_GETICON, ICON_SMALL, 0));
      break;
    case ZdrojIkony::systemova:
      zdroj = LoadIconW(nullptr, MAKEINTRESOURCEW(sbIcon));
      break;
    case ZdrojIkony::zadna:
      return nullptr;
  }
  if (!zdroj) return nullptr;
  const int velikost = VelikostIkonyListy(DpiOkna(okno_));
  return static_cast<HICON>(CopyImage(zdroj, IMAGE_ICON, velikost, velikost, 0));
}

// sbBorder is the type word of the bar's text: 0 a sunken part, 256 no border.
void clskzsb::sbSetIconText(std::string_view sbText, std::int32_t sbBorder, std::int32_t sbIcon) {
  if (!IsWindow(okno_)) return;
  ikona_.Vymen(nullptr);
  ikona_.Vymen(NovaIkona(sbIcon));
  SendMessageW(okno_, SB_SETICON, 0, reinterpret_cast<LPARAM>(ikona_.Handle()));
  const std::wstring text = Utf16(sbText);
  SendMessageW(okno_, SB_SETTEXTW, static_cast<WPARAM>(sbBorder), reinterpret_cast<LPARAM>(text.c_str()));
  typKresleni_ = sbBorder;
  sbRedraw(sbGetRect());
}

void clskzsb::sbResize() {
  if (!IsWindow(okno_)) return;
  RECT klient{};
  GetClientRect(rodic_, &klient);
  const Obdelnik r = ObdelnikListy({klient.left, klient.top, klient.right, klient.bottom}, DpiOkna(rodic_));
  MoveWindow(okno_, r.left, r.top, r.Sirka(), r.Vyska(), TRUE);
  RECT vlastni{};
  GetClientRect(okno_, &vlastni);
  sbRedraw(vlastni);
  EnableWindow(okno_, IsZoomed(GetParent(rodic_)) ? FALSE : TRUE);
}

RECT clskzsb::sbGetRect() const {
  RECT r{};
  SendMessageW(okno_, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

// Without a border the part only needs erasing later; with one it is redrawn at once.
void clskzsb::sbRedraw(const RECT& oblast) const {
  if (typKresleni_ == BezOkraje)
    InvalidateRect(okno_, &oblast, TRUE);
  else
    RedrawWindow(okno_, &oblast, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
