#include "zaklad_win.h"

TEST(PrevodTextu, TamAZpetZachovaKazdyZnak) {
  const struct {
    const char* utf8;
    const wchar_t* utf16;
  } pripady[] = {
      {"", L""},
      {"Vypnutí počítače", L"Vypnut\u00ed po\u010d\u00edta\u010de"},  // 2-byte characters
      {"€ ‚ ‰", L"\u20ac \u201a \u2030"},                                // 3-byte characters
      {"😀", L"\U0001F600"},                                              // 4 bytes, a surrogate pair
  };
  for (const auto& p : pripady) {
    EXPECT_EQ(Utf16(p.utf8), p.utf16);
    EXPECT_EQ(Utf8(p.utf16), p.utf8);
  }
  EXPECT_EQ(Utf16("a\xFFz"), L"") << "invalid UTF-8 gives nothing rather than a guess";
}
