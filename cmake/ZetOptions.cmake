# Build options of the project, in one place.
if(CMAKE_SOURCE_DIR STREQUAL PROJECT_SOURCE_DIR)
  set(ZET_TOP_LEVEL ON)
else()
  set(ZET_TOP_LEVEL OFF)
endif()

option(ZET_BUILD_TESTS "Build the tests" ${ZET_TOP_LEVEL})
option(ZET_BUILD_BENCH "Build the benchmarks" ${ZET_TOP_LEVEL})
option(ZET_WERROR "Treat warnings as errors" OFF)
option(ZET_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZET_BUILD_GUI "Build the desktop program when Qt 6 Widgets is found" ON)
option(ZET_BUILD_FUZZ "Build the fuzz targets (clang with libFuzzer)" OFF)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

if(ZET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Fuzzing: every library is instrumented for coverage; only the fuzz
# targets link the fuzzing engine (tests/fuzz).
if(ZET_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZET_BUILD_FUZZ needs clang++ (libFuzzer); use the 'fuzz' preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(zet_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
  if(ZET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
