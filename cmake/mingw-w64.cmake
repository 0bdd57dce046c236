# Cross build for 64-bit Windows with Debian's mingw-w64.
# The -posix compilers give std::mutex and std::thread, which GoogleTest needs. The program itself
# starts no thread, so its release build takes the -win32 ones (VYPNUTI_VLAKNA=win32): their runtime
# guards statics with the system's own locks instead of linking a pthread library in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

if(NOT VYPNUTI_VLAKNA)
  set(VYPNUTI_VLAKNA posix)
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${VYPNUTI_VLAKNA})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${VYPNUTI_VLAKNA})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests of the Windows build run under Wine (tools/wine-run starts a display when none is set).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
