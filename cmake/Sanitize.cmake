# SPDX-License-Identifier: GPL-3.0-or-later
# Instrumented configurations, each in a build folder of its own:
#   -DDPMR_SANITIZE=address   AddressSanitizer + UndefinedBehaviorSanitizer (./build.sh sanitize)
#   -DDPMR_SANITIZE=thread    ThreadSanitizer (./build.sh tsan: the link tests)
#   -DDPMR_FUZZ=ON            clang with libFuzzer's coverage (./build.sh fuzz)
# A sanitizer report ends the program with a failure, so a test that meets
# one fails.
set(DPMR_SANITIZE "" CACHE STRING "Sanitizers to build with: address (with undefined) or thread")
option(DPMR_FUZZ "Build the fuzz targets (clang with libFuzzer)" OFF)

if(DPMR_SANITIZE STREQUAL "address")
  set(DPMR_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(DPMR_SANITIZE STREQUAL "thread")
  set(DPMR_SANITIZE_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
elseif(DPMR_SANITIZE)
  message(FATAL_ERROR "DPMR_SANITIZE is 'address' or 'thread', not '${DPMR_SANITIZE}'")
endif()

if(DPMR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "fuzz targets need clang: configure with CXX=clang++")
  endif()
  set(DPMR_SANITIZE_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                          -fno-omit-frame-pointer)
endif()

if(DPMR_SANITIZE_FLAGS)
  # Address and undefined-behaviour checks together make -O2 compiles several
  # times slower (the test files most); -Og compiles about as fast as a plain
  # build and still runs the tests quickly. Line tables (-g1) are all a
  # report's stack needs.
  add_compile_options(${DPMR_SANITIZE_FLAGS} -Og -g1)
  add_link_options(${DPMR_SANITIZE_FLAGS})
endif()
