# Host build: the portable logic and its tests (and, with clang and the sanitizers, the fuzz targets).
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB native_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(testy_nativni ${native_tests})
target_include_directories(testy_nativni PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(testy_nativni PRIVATE vypnuti_logika GTest::gtest_main GTest::gmock)
# Where the tests find the files they read (the parameter corpus).
target_compile_definitions(testy_nativni PRIVATE VYPNUTI_ZDROJE="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(testy_nativni DISCOVERY_TIMEOUT 60)

if(VYPNUTI_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  file(GLOB fuzz_targets CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  foreach(source ${fuzz_targets})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
    target_link_libraries(${name} PRIVATE vypnuti_logika)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
  # The promise checker drives the same fake world as the native tests.
  target_sources(sliby_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests/native/sliby.cpp)
  target_include_directories(sliby_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
endif()

# Benchmarks print figures; they are not tests. Built when Google Benchmark is installed.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT VYPNUTI_SANITIZE)
  add_executable(vypnuti_bench ${CMAKE_SOURCE_DIR}/bench/vypnuti_bench.cpp)
  target_include_directories(vypnuti_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_link_libraries(vypnuti_bench PRIVATE vypnuti_logika benchmark::benchmark)
endif()
