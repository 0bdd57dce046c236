#include "platform/win32/shell_win.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/text_win.h"

// No owner and no verb: the target's default action, in a normal window. A failure stays silent.
void SpoustecWin::Otevri(std::string_view cil, std::string_view parametry) {
  const std::wstring soubor = Utf16(cil);
  const std::wstring param = Utf16(parametry);
  ShellExecuteW(nullptr, nullptr, soubor.c_str(), param.empty() ? nullptr : param.c_str(), nullptr,
                SW_SHOWNORMAL);
}
