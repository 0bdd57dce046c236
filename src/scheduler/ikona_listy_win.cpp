#include "scheduler/ikona_listy_win.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "core/stav.h"
#include "platform/win32/text_win.h"
#include "scheduler/zpravy_okna.h"

namespace {

// The notification area may not be there yet right after log-on; a few tries a short while apart
// are enough, and an endless loop would hang the start.
constexpr int PokusuOPridani = 20;
constexpr DWORD ProdlevaPokusu = 250;

void ZapisTip(NOTIFYICONDATAW& zaznam, std::string_view text) {
  constexpr std::size_t NejvyseZnaku = 63;  // the tooltip's limit, whatever the record could hold
  std::wstring tip = Utf16(text);
  if (tip.size() > NejvyseZnaku) {
    const bool pulka_paru = IS_HIGH_SURROGATE(tip[NejvyseZnaku - 1]);
    tip.resize(pulka_paru ? NejvyseZnaku - 1 : NejvyseZnaku);
  }
  tip.copy(zaznam.szTip, tip.size());
  zaznam.szTip[tip.size()] = L'\0';
}

}  // namespace

UINT ZpravaVytvoreniListy() {
  static const UINT zprava = RegisterWindowMessageW(L"TaskbarCreated");
  return zprava;
}

IkonaListyWin::~IkonaListyWin() {
  if (zobrazena_) Shell_NotifyIconW(NIM_DELETE, &IkonaLista);
  if (IkonaLista.hIcon != nullptr) DestroyIcon(IkonaLista.hIcon);
}

void IkonaListyWin::Pridej(HWND okno) {
  IkonaLista.cbSize = sizeof IkonaLista;
  IkonaLista.hWnd = okno;
  IkonaLista.uID = 0;
  IkonaLista.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  IkonaLista.uCallbackMessage = zpravy_okna::ZpravaIkony;
  NactiIkonu();
  ZapisTip(IkonaLista, NazevAplikace);
  for (int pokus = 0; pokus < PokusuOPridani && !ZkusPridat(); ++pokus) Sleep(ProdlevaPokusu);
}

void IkonaListyWin::NactiIkonu() {
  const auto male = reinterpret_cast<HICON>(SendMessageW(IkonaLista.hWnd, WM_GETICON, ICON_SMALL, 0));
  IkonaLista.hIcon = static_cast<HICON>(CopyImage(male, IMAGE_ICON, 16, 16, 0));
}

// Each attempt goes with the next identifier, the first with 1.
// The shell's version 3 behaviour also reports Enter and Space on the icon (NIN_KEYSELECT), so the
// keyboard's user reaches the main window from the notification area too.
bool IkonaListyWin::ZkusPridat() {
  ++IkonaLista.uID;
  zobrazena_ = Shell_NotifyIconW(NIM_ADD, &IkonaLista) != FALSE;
  if (zobrazena_) {
    NOTIFYICONDATAW verze = IkonaLista;
    verze.uVersion = NOTIFYICON_VERSION;
    Shell_NotifyIconW(NIM_SETVERSION, &verze);
  }
  return zobrazena_;
}

// Anyone may send the broadcast, also while our icon is still there: then the add fails, and the
// icon is shown all the same.
void IkonaListyWin::ObnovPoRestartuListy() {
  if (odebrana_ || IkonaLista.hWnd == nullptr) return;
  --IkonaLista.uID;  // the same icon as before
  if (!ZkusPridat()) zobrazena_ = Shell_NotifyIconW(NIM_MODIFY, &IkonaLista) != FALSE;
}

void IkonaListyWin::NastavTip(std::string_view text) {
  tip_ = text;
  ZapisTip(IkonaLista, text);
  if (zobrazena_) Shell_NotifyIconW(NIM_MODIFY, &IkonaLista);
}

std::string IkonaListyWin::Tip() const { return tip_; }

// Shown once: the record forgets the balloon again, so that the next tooltip change does not repeat it.
void IkonaListyWin::Bublina(std::string_view text) {
  const std::wstring titulek = Utf16(NazevAplikace);
  const std::wstring zprava = Utf16(text).substr(0, std::size(IkonaLista.szInfo) - 1);
  titulek.copy(IkonaLista.szInfoTitle, std::size(IkonaLista.szInfoTitle) - 1);
  IkonaLista.szInfoTitle[std::min(titulek.size(), std::size(IkonaLista.szInfoTitle) - 1)] = L'\0';
  zprava.copy(IkonaLista.szInfo, zprava.size());
  IkonaLista.szInfo[zprava.size()] = L'\0';
  IkonaLista.dwInfoFlags = NIIF_WARNING;
  IkonaLista.uFlags |= NIF_INFO;
  if (zobrazena_) Shell_NotifyIconW(NIM_MODIFY, &IkonaLista);
  IkonaLista.uFlags &= ~NIF_INFO;
  IkonaLista.szInfo[0] = L'\0';
}

int IkonaListyWin::StavUzivatele() {
  QUERY_USER_NOTIFICATION_STATE stav{};
  return SUCCEEDED(SHQueryUserNotificationState(&stav)) ? static_cast<int>(stav) : 0;
}

void IkonaListyWin::Odeber() {
  odebrana_ = true;
  if (IkonaLista.hIcon != nullptr) {
    DestroyIcon(IkonaLista.hIcon);
    IkonaLista.hIcon = nullptr;
  }
  if (zobrazena_) Shell_NotifyIconW(NIM_DELETE, &IkonaLista);
  zobrazena_ = false;
}

// One try, with the tooltip of the moment: the program is running, and the notification area is. Not
// after the program was ended during an action: its window is gone, and the icon would stay behind.
void IkonaListyWin::Vrat() {
  if (!odebrana_ || IsWindow(IkonaLista.hWnd) == FALSE) return;
  odebrana_ = false;
  NactiIkonu();
  --IkonaLista.uID;  // the same icon as before
  ZkusPridat();
}
