#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/stav.h"
#include "platform/okna_programu.h"

// The program's one icon in the notification area. It keeps the whole record (IkonaLista) so that it
// can send it again: every tooltip change, and again after Explorer restarts.
class IkonaListyWin final : public IkonaListy {
 public:
  IkonaListyWin() = default;
  ~IkonaListyWin() override;
  IkonaListyWin(const IkonaListyWin&) = delete;
  IkonaListyWin& operator=(const IkonaListyWin&) = delete;

  // Builds the record for the window (its small icon, the application title) and adds the icon.
  void Pridej(HWND okno);
  // The taskbar was created anew: the icon comes back unless it was removed on purpose.
  void ObnovPoRestartuListy();
  bool JeZobrazena() const { return zobrazena_; }
  const NOTIFYICONDATAW& Zaznam() const { return IkonaLista; }

  void NastavTip(std::string_view text) override;
  std::string Tip() const override;
  void Bublina(std::string_view text) override;
  int StavUzivatele() override;
  void Odeber() override;
  void Vrat() override;

 private:
  void NactiIkonu();
  bool ZkusPridat();

  NOTIFYICONDATAW IkonaLista{};
  std::string tip_ = NazevAplikace;  // whole: the record keeps its first 63 characters, the status bar all
  bool zobrazena_ = false;
  bool odebrana_ = false;  // removed on purpose (";zs"): stays away
};

// The taskbar's broadcast after Explorer (re)starts.
UINT ZpravaVytvoreniListy();
