# Native build: the unit tests of the core, the benchmarks, and the Windows
# program cross-built with mingw-w64 and tested end to end under Wine.
enable_testing()

# AddressSanitizer and UndefinedBehaviorSanitizer over everything built here;
# libFuzzer harnesses on top with clang.
option(MARROWIND_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MARROWIND_FUZZ "Build and run the libFuzzer harnesses (clang)" OFF)
if(MARROWIND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(MARROWIND_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzzers need clang")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
find_package(GTest REQUIRED)
include(GoogleTest)

add_subdirectory(tests/unit)

option(MARROWIND_WINDOWS "Cross-build the Windows program and run its end-to-end tests" ON)
if(MARROWIND_WINDOWS)
  include(ExternalProject)
  set(MARROWIND_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(windows_build
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${MARROWIND_WINDOWS_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=Release
               -DGTEST_SOURCE_DIR=/usr/src/googletest
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    USES_TERMINAL_BUILD TRUE)
  add_subdirectory(tests/e2e/host)
endif()

if(MARROWIND_FUZZ)
  add_subdirectory(fuzz)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()
