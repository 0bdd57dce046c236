#pragma once

#include <windows.h>

#include <utility>

#include "controls/barva.h"
#include "controls/pismo.h"

int DpiOkna(HWND okno);

// The object a window of ours belongs to: handed over as CreateWindowEx's last argument, kept in the
// window's user data from its first message on, when the object also learns its handle.
template <class Objekt>
Objekt* ObjektOkna(HWND okno, UINT zprava, LPARAM l, HWND Objekt::*handle) {
  if (zprava == WM_NCCREATE) {
    auto* objekt = static_cast<Objekt*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    objekt->*handle = okno;
    SetWindowLongPtrW(okno, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objekt));
  }
  return reinterpret_cast<Objekt*>(GetWindowLongPtrW(okno, GWLP_USERDATA));
}
// The user chose a high-contrast theme: the program's designed colours give way to the system's.
bool VysokyKontrast();
COLORREF BarvaGdi(Barva barva);

// A font made for a screen's dpi, owned by this object.
class PismoGdi {
 public:
  PismoGdi() = default;
  ~PismoGdi();
  PismoGdi(const PismoGdi&) = delete;
  PismoGdi& operator=(const PismoGdi&) = delete;

  void Vytvor(const Pismo& pismo, int dpi);
  HFONT Handle() const { return pismo_; }
  void Vymen(PismoGdi& jine) noexcept { std::swap(pismo_, jine.pismo_); }

 private:
  HFONT pismo_ = nullptr;
};

// An icon owned by this object: a new one replaces and destroys the one held before.
class VlastniIkona {
 public:
  VlastniIkona() = default;
  ~VlastniIkona();
  VlastniIkona(const VlastniIkona&) = delete;
  VlastniIkona& operator=(const VlastniIkona&) = delete;

  void Vymen(HICON nova);
  HICON Handle() const { return ikona_; }

 private:
  HICON ikona_ = nullptr;
};
