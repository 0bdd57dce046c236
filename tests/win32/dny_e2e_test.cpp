// A schedule for working days under a clock faked from outside (faketime, as CTest runs it): on a
// Saturday its minute passes with no warning, on a Monday it warns and shuts down.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/kodovani.h"
#include "platform/win32/text_win.h"
#include "program_e2e.h"

namespace {

std::wstring DvaMista(int cislo) { return (cislo < 10 ? L"0" : L"") + std::to_wstring(cislo); }

}  // namespace

TEST_F(Program_e2e, PracovniDnyPodleFalesnychHodin) {
  if (!std::getenv("FAKETIME")) GTEST_SKIP() << "runs only with the clock faked from outside";
  SYSTEMTIME ted;
  GetLocalTime(&ted);
  ASSERT_TRUE(ted.wDayOfWeek == 6 || ted.wDayOfWeek == 1) << "the faked day is a Saturday or a Monday";
  ASSERT_LT(ted.wHour * 60 + ted.wMinute, 23 * 60 + 58) << "the minute after next is still today";
  // The minute after next: its warning starts at the next full minute, seconds from now.
  const int cil = ted.wHour * 60 + ted.wMinute + 2;
  const std::wstring parametr = L"/vypnuti;dny/po-pa/;t/" + DvaMista(cil / 60) + L":" + DvaMista(cil % 60) + L"/";
  Program program(parametr);
  ASSERT_TRUE(Dockej([&] { return program.Okno(L"frmkzupozorneni") != nullptr; }, 10s));
  EXPECT_EQ(RozbalUlozenyTvar(uloziste.CtiParametr()), Utf8(parametr)) << "armed and stored";
  if (ted.wDayOfWeek == 6) {
    const auto doKonce = std::chrono::seconds((cil - ted.wHour * 60 - ted.wMinute) * 60 - ted.wSecond + 5);
    EXPECT_FALSE(Dockej([&] { return program.UpozorneniViditelne() || !Zaznamy().empty(); }, doKonce))
        << "nothing on a Saturday";
    EXPECT_TRUE(program.Bezi()) << "still waiting for Monday";
  } else {
    EXPECT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 70s)) << "the warning minute";
    EXPECT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 70s));
    EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0x80040001"});
  }
}
