// A schedule that waits for a program to end, in the real program: nothing happens while it runs; once
// it has ended the warning comes within seconds, and the shut-down a minute later.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_e2e.h"

TEST_F(Program_e2e, VypnutiPoSkonceniProgramu) {
  wchar_t radek[] = L"notepad.exe";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION notepad{};
  ASSERT_TRUE(CreateProcessW(nullptr, radek, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &notepad));
  CloseHandle(notepad.hThread);
  WaitForInputIdle(notepad.hProcess, 10000);

  Program program(L"/vypnuti;po/notepad.exe/");
  std::this_thread::sleep_for(12s);  // two checks and more
  EXPECT_TRUE(program.Bezi());
  EXPECT_FALSE(program.UpozorneniViditelne());
  EXPECT_TRUE(Zaznamy().empty());

  TerminateProcess(notepad.hProcess, 0);
  WaitForSingleObject(notepad.hProcess, 5000);
  CloseHandle(notepad.hProcess);
  EXPECT_TRUE(Dockej([&] { return program.UpozorneniViditelne(); }, 15s)) << "the warning within two checks";
  EXPECT_TRUE(Dockej([&] { return !Zaznamy().empty(); }, 70s));
  EXPECT_EQ(Zaznamy(), std::vector<std::string>{"ExitWindowsEx 0x0000000D 0x80040001"});
}
