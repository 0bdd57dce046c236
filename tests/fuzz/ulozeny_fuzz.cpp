// Random text as the settings store could hand it back: the stored-form decoder and the code page
// under it. Nothing may crash; what can be stored comes back the same.

#include "core/kodovani.h"
#include "tichy_svet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto prosty = RozbalUlozenyTvar(text)) Over(UlozenyTvar(*prosty) == text || !LzeUlozit(text));
  Over(Dekoduj(text).size() <= 3 * text.size());
  if (LzeUlozit(text)) {
    Over(Dekoduj(Zakoduj(text)) == text);
    Over(RozbalUlozenyTvar(UlozenyTvar(text)) == text);
    Over(ZCp1250(*DoCp1250(text)) == text);
  }
  return 0;
}
