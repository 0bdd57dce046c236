#include "controls/soft_button/tltext_pristupnost_win.h"

#include <new>
#include <string>

#include "controls/soft_button/tltext_win.h"
#include "platform/win32/knihovny_win.h"
#include "platform/win32/text_win.h"

namespace {

BSTR Bstr(const std::string& text) {
  const std::wstring w = Utf16(text);
  const auto alokuj = OleDll().SysAllocStringLen;
  return alokuj ? alokuj(w.data(), static_cast<UINT>(w.size())) : nullptr;
}

// What VariantInit does, without oleaut32 for it.
void Vyprazdni(VARIANT* v) { v->vt = VT_EMPTY; }

}  // namespace

bool Dostupne(HWND tlacitko) {
  return IsWindowEnabled(tlacitko) && IsWindowEnabled(GetAncestor(tlacitko, GA_ROOT));
}

namespace {

bool JeSam(const VARIANT& dite) { return dite.vt == VT_I4 && dite.lVal == CHILDID_SELF; }

// One button for a screen reader: a push button, or a check button where the container uses it as a
// toggle; its caption as the name, its hint as the description, "Stisknout" as the default action.
class PristupnostTlText final : public IAccessible {
 public:
  explicit PristupnostTlText(HWND okno) : okno_(okno) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override {
    if (!objekt) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *objekt = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *objekt = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&odkazu_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG zbyva = InterlockedDecrement(&odkazu_);
    if (zbyva == 0) delete this;
    return static_cast<ULONG>(zbyva);
  }

  // IDispatch: screen readers call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pocet) override {
    if (pocet) *pocet = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** rodic) override {
    if (!rodic) return E_POINTER;
    *rodic = nullptr;
    if (!Tlacitko()) return CO_E_OBJNOTCONNECTED;
    const auto objekt_okna = OleaccDll().AccessibleObjectFromWindow;
    return objekt_okna && objekt_okna(okno_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                      reinterpret_cast<void**>(rodic)) == S_OK
               ? S_OK
               : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* pocet) override {
    if (!pocet) return E_POINTER;
    *pocet = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** dite) override {
    if (dite) *dite = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT dite, BSTR* nazev) override {
    return Text(dite, nazev, [](const tlText& t) { return NazevProCtecku(t.Caption()); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* hodnota) override {
    if (hodnota) *hodnota = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT dite, BSTR* popis) override {
    return Text(dite, popis, [](const tlText& t) { return t.PopisProCtecku ? t.PopisProCtecku() : std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT dite, VARIANT* role) override {
    if (!role) return E_POINTER;
    Vyprazdni(role);
    const tlText* t = Tlacitko();
    if (!t) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = t->Prepinac ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT dite, VARIANT* stav) override {
    if (!stav) return E_POINTER;
    Vyprazdni(stav);
    const tlText* t = Tlacitko();
    if (!t) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    long s = 0;
    if (!Dostupne(okno_)) s |= STATE_SYSTEM_UNAVAILABLE;
    else s |= STATE_SYSTEM_FOCUSABLE;
    if (!IsWindowVisible(okno_)) s |= STATE_SYSTEM_INVISIBLE;
    if (GetFocus() == okno_) s |= STATE_SYSTEM_FOCUSED;
    if (t->Stisknuto() || (t->Prepinac && t->TrueFalse())) s |= STATE_SYSTEM_PRESSED;
    if (t->Prepinac && t->TrueFalse()) s |= STATE_SYSTEM_CHECKED;
    stav->vt = VT_I4;
    stav->lVal = s;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* napoveda) override {
    if (napoveda) *napoveda = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* soubor, VARIANT, long* tema) override {
    if (soubor) *soubor = nullptr;
    if (tema) *tema = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT dite, BSTR* zkratka) override {
    return Text(dite, zkratka, [](const tlText& t) { return KlavesovaZkratka(t.Caption()); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* fokus) override {
    if (!fokus) return E_POINTER;
    Vyprazdni(fokus);
    if (GetFocus() == okno_) {
      fokus->vt = VT_I4;
      fokus->lVal = CHILDID_SELF;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* vyber) override {
    if (vyber) Vyprazdni(vyber);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT dite, BSTR* akce) override {
    return Text(dite, akce, [](const tlText&) { return std::string("Stisknout"); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long priznaky, VARIANT dite) override {
    if (!Tlacitko()) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    if (priznaky & SELFLAG_TAKEFOCUS) SetFocus(okno_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* sirka, long* vyska, VARIANT dite) override {
    if (!x || !y || !sirka || !vyska) return E_POINTER;
    if (!Tlacitko()) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    RECT r{};
    GetWindowRect(okno_, &r);
    *x = r.left;
    *y = r.top;
    *sirka = r.right - r.left;
    *vyska = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* cil) override {
    if (cil) Vyprazdni(cil);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* zasah) override {
    if (!zasah) return E_POINTER;
    Vyprazdni(zasah);
    RECT r{};
    GetWindowRect(okno_, &r);
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return S_FALSE;
    zasah->vt = VT_I4;
    zasah->lVal = CHILDID_SELF;
    return S_OK;
  }
  // The press waits for the button's own message loop, so that what it opens (a box, another
  // program) does not run inside the screen reader's call.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT dite) override {
    if (!Tlacitko()) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    if (!Dostupne(okno_)) return E_FAIL;
    PostMessageW(okno_, ZpravaStisk, 0, 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  const tlText* Tlacitko() const { return IsWindow(okno_) ? tlText::Z(okno_) : nullptr; }

  template <class Dotaz>
  HRESULT Text(const VARIANT& dite, BSTR* vysledek, Dotaz dotaz) {
    if (!vysledek) return E_POINTER;
    *vysledek = nullptr;
    const tlText* t = Tlacitko();
    if (!t) return CO_E_OBJNOTCONNECTED;
    if (!JeSam(dite)) return E_INVALIDARG;
    const std::string text = dotaz(*t);
    if (text.empty()) return S_FALSE;
    *vysledek = Bstr(text);
    return *vysledek ? S_OK : E_OUTOFMEMORY;
  }

  HWND okno_;
  LONG odkazu_ = 1;
};

}  // namespace

IAccessible* VytvorPristupnost(HWND tlacitko) { return new (std::nothrow) PristupnostTlText(tlacitko); }
