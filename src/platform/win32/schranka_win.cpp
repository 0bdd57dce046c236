#include "platform/win32/schranka_win.h"

#include <cstring>
#include <string>

#include "platform/win32/text_win.h"

SchrankaWin::~SchrankaWin() {
  if (vlastnik_) DestroyWindow(vlastnik_);
}

// A failure leaves the clipboard as it was; nothing is reported.
void SchrankaWin::Vloz(std::string_view text) {
  if (!vlastnik_) {
    vlastnik_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
  }
  if (!OpenClipboard(vlastnik_)) return;
  EmptyClipboard();
  const std::wstring w = Utf16(text);
  const std::size_t bajtu = (w.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL pamet = GlobalAlloc(GMEM_MOVEABLE, bajtu)) {
    if (void* cil = GlobalLock(pamet)) {
      std::memcpy(cil, w.c_str(), bajtu);
      GlobalUnlock(pamet);
      if (!SetClipboardData(CF_UNICODETEXT, pamet)) GlobalFree(pamet);
    } else {
      GlobalFree(pamet);
    }
  }
  CloseClipboard();
}

std::wstring TextSchranky() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* znaky = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = znaky;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}
