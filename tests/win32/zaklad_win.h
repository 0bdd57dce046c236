#pragma once
// What every Win32 test file includes, so that each file lists only the project headers it tests.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/kodovani.h"
#include "platform/win32/text_win.h"
