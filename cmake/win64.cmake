# Windows build: vypnuti.exe, the Win32 edge as a library, and the Win32 tests run under Wine.
enable_language(RC)

set(win_sources ${all_sources})
list(FILTER win_sources INCLUDE REGEX "(_win\\.cpp$|/src/platform/win32/)")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Nothing but system DLLs at run time: the C++ runtime (and, in the tested build, winpthread) goes
# into the program. Whatever the program does not call is left out of it.
add_link_options(-static -Wl,--gc-sections)
# No build folder in the program (an assert's __FILE__): the same source gives the same exe wherever
# it is built.
set(bez_cest $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>
             $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>)
add_compile_options(-ffunction-sections -fdata-sections ${bez_cest})
# The portable library is defined before this file, so it takes them explicitly.
target_compile_options(vypnuti_logika PRIVATE -ffunction-sections -fdata-sections ${bez_cest})

# The program links only what a bare tray program needs; the rest it loads itself (knihovny_win.h).
# The tests and their helpers link the others too.
set(program_libraries user32 gdi32 kernel32 advapi32 shell32 uuid)
set(system_libraries ${program_libraries} comctl32 ole32 oleaut32 oleacc version)

add_library(vypnuti_win STATIC ${win_sources})
target_link_libraries(vypnuti_win PUBLIC vypnuti_logika ${program_libraries})

file(GLOB app_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
set(app_resources ${CMAKE_SOURCE_DIR}/src/app/vypnuti.rc)
add_executable(vypnuti WIN32 ${app_sources} ${app_resources})
# -s: the symbols serve no user; without them the program is a third of the size. Link-time
# optimisation takes another tenth off. Every program that links the libraries is optimised so, the
# tests too, so that they test the code users get. One partition: GCC 12 fails on this code with more.
target_compile_options(vypnuti_logika PRIVATE -flto)
target_compile_options(vypnuti_win PRIVATE -flto)
target_link_options(vypnuti_win INTERFACE -flto -flto-partition=none)
target_link_options(vypnuti PRIVATE -municode -s)
target_link_libraries(vypnuti PRIVATE vypnuti_win)
# ld stamps the exe's header with SOURCE_DATE_EPOCH when it is set (tools/release.sh: the commit's
# time), else with the time of the link. A changed value must link again, which the build alone would
# not notice: this file changes with it at each configure.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/source_date_epoch CONTENT "$ENV{SOURCE_DATE_EPOCH}")
set_property(TARGET vypnuti APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/source_date_epoch)

# The benchmark's floor (tools/benchmark.sh): a bare tray program built the same way.
add_executable(holy_program WIN32 ${CMAKE_SOURCE_DIR}/bench/holy_program.cpp)
target_link_options(holy_program PRIVATE -municode -s)
target_link_libraries(holy_program PRIVATE user32 shell32)
# And what watching a schedule's condition costs.
add_executable(hlidani_bench ${CMAKE_SOURCE_DIR}/bench/hlidani_bench.cpp)
target_link_options(hlidani_bench PRIVATE -municode -s)
target_link_libraries(hlidani_bench PRIVATE vypnuti_win)

include(${CMAKE_CURRENT_LIST_DIR}/instalace.cmake)
# A release build (the win64-release preset) is the program and its installer, nothing more.
if(NOT BUILD_TESTING)
  return()
endif()

# GoogleTest from Debian's source package, built with the cross compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB win_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(testy_win32 ${win_tests} ${app_resources})
target_include_directories(testy_win32 PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32)
target_link_libraries(testy_win32 PRIVATE vypnuti_win gtest_main gmock ${system_libraries})
# The tests start the real program and small helper programs: they find them beside themselves.
add_dependencies(testy_win32 vypnuti)
# The installer test runs the installers of this build and of an older one.
if(TARGET instalator)
  add_dependencies(testy_win32 instalator instalator_starsi)
  target_compile_definitions(testy_win32 PRIVATE VYPNUTI_VERZE_STARSI="${VYPNUTI_VERZE_STARSI}")
endif()

# Each file in tests/win32/pomocnici/ is a helper program of its own for the Win32 tests.
file(GLOB helper_programs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/pomocnici/*.cpp)
foreach(source ${helper_programs})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} WIN32 ${source})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE ${system_libraries})
  add_dependencies(testy_win32 ${name})
endforeach()

# DLLs planted beside a copy of the program under the names of system DLLs that are not known DLLs;
# each exports what the program takes from the real one.
set(podvrzene_version GetFileVersionInfoSizeW GetFileVersionInfoW VerQueryValueW)
set(podvrzene_powrprof SetSuspendState CallNtPowerInformation PowerGetActiveScheme PowerReadACValueIndex
                       PowerReadDCValueIndex)
set(podvrzene_oleacc LresultFromObject AccessibleObjectFromWindow)
set(podvrzene_comctl32 InitCommonControls InitCommonControlsEx SetWindowSubclass DefSubclassProc)
set(podvrzene_iphlpapi GetIfTable2 FreeMibTable)
set(podvrzene_wtsapi32 WTSEnumerateSessionsW WTSQuerySessionInformationW WTSFreeMemory)
foreach(dll version powrprof oleacc comctl32 iphlpapi wtsapi32)
  set(def "EXPORTS\n")
  foreach(funkce ${podvrzene_${dll}})
    string(APPEND def "  ${funkce}=Podvrzena\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/podvrzene/${dll}.def "${def}")
  add_library(podvrzena_${dll} SHARED ${CMAKE_SOURCE_DIR}/tests/win32/podvrzena/knihovna.cpp
                                      ${CMAKE_BINARY_DIR}/podvrzene/${dll}.def)
  set_target_properties(podvrzena_${dll} PROPERTIES OUTPUT_NAME ${dll} PREFIX "" RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/podvrzene)
  add_dependencies(testy_win32 podvrzena_${dll})
endforeach()

# One display, one cursor and one focus: Wine tests that run side by side would move each other's
# mouse, so they take turns.
gtest_discover_tests(testy_win32 DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_display)
# The program must behave the same under an English Windows: a few end-to-end tests once more so.
add_test(NAME anglicky_e2e COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:testy_win32>
         --gtest_filter=HlavniOkno_e2e.UkoncitSHeslem)
set_tests_properties(anglicky_e2e PROPERTIES ENVIRONMENT VYPNUTI_LOCALE=C.UTF-8 TIMEOUT 300
                     RESOURCE_LOCK wine_display)

# Planted DLLs must stay out even when Wine prefers DLLs found on the disk, as Windows does for them.
add_test(NAME podvrzene_knihovny COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:testy_win32>
         --gtest_filter=Knihovny_e2e.*)
set_tests_properties(podvrzene_knihovny PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_display ENVIRONMENT
                     "WINEDLLOVERRIDES=mscoree,mshtml=\;winemenubuilder.exe=d\;version,powrprof,oleacc,comctl32,iphlpapi,wtsapi32=n,b")

# Days of the week with the clock faked from outside (tools/wine-run): a Saturday and a Monday, each a
# few seconds before a minute's end.
foreach(den IN ITEMS "sobota;2026-12-12" "pondeli;2026-12-14")
  list(GET den 0 nazev)
  list(GET den 1 datum)
  add_test(NAME dny_${nazev} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:testy_win32>
           --gtest_filter=Program_e2e.PracovniDnyPodleFalesnychHodin)
  set_tests_properties(dny_${nazev} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_display ENVIRONMENT
                       "VYPNUTI_FAKETIME=${datum} 15:58:50")
endforeach()

# The screenshot scripts drive the real program with this, as the end-to-end tests do.
add_executable(ovladej ${CMAKE_SOURCE_DIR}/tools/ovladej/ovladej.cpp)
target_include_directories(ovladej PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32)
target_link_options(ovladej PRIVATE -municode)
target_link_libraries(ovladej PRIVATE user32)

# The gallery of the controls' looks, captured by tools/screenshot-galerie.sh.
add_executable(galerie WIN32 ${CMAKE_SOURCE_DIR}/tools/galerie/galerie.cpp ${app_resources})
target_link_options(galerie PRIVATE -municode)
target_link_libraries(galerie PRIVATE vypnuti_win)
