#include "platform/win32/relace_win.h"

#include <windows.h>

#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

// The user name of a session; empty for a session nobody is signed in to (the services', the log-on
// screen's).
std::string Uzivatel(const Wtsapi32& dll, DWORD relace) {
  LPWSTR jmeno = nullptr;
  DWORD bajtu = 0;
  if (!dll.WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, relace, WTSUserName, &jmeno, &bajtu)) return {};
  std::string text = jmeno != nullptr ? Utf8(jmeno) : std::string();
  dll.WTSFreeMemory(jmeno);
  return text;
}

}  // namespace

// The console session is the one with the screen and keyboard; a user switched away from stays signed
// in, disconnected.
std::optional<PrihlaseniUzivatelu> RelaceWin::Prihlaseni() {
  const Wtsapi32& dll = Wtsapi32Dll();
  DWORD vlastni = 0;
  if (!dll.WTSEnumerateSessionsW || !dll.WTSQuerySessionInformationW || !dll.WTSFreeMemory ||
      !ProcessIdToSessionId(GetCurrentProcessId(), &vlastni)) {
    return std::nullopt;
  }
  const DWORD konzole = WTSGetActiveConsoleSessionId();
  WTS_SESSION_INFOW* relace = nullptr;
  DWORD pocet = 0;
  if (!dll.WTSEnumerateSessionsW(WTS_CURRENT_SERVER_HANDLE, 0, 1, &relace, &pocet)) return std::nullopt;
  PrihlaseniUzivatelu vysledek;
  vysledek.vlastni_aktivni = konzole == vlastni || konzole == 0xFFFFFFFF;
  const std::string ja = Uzivatel(dll, vlastni);  // a second session of one's own is nobody else's work
  for (DWORD i = 0; i < pocet; ++i) {
    const WTS_SESSION_INFOW& r = relace[i];
    if (r.SessionId == vlastni || (r.State != WTSActive && r.State != WTSDisconnected)) continue;
    const std::string jmeno = Uzivatel(dll, r.SessionId);
    if (jmeno.empty() || jmeno == ja) continue;
    vysledek.jini.push_back(jmeno);
    if (r.SessionId == konzole) vysledek.jina_aktivni = true;
  }
  dll.WTSFreeMemory(relace);
  return vysledek;
}
