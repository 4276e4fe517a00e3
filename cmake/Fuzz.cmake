# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets. Each is one source file under tests/fuzz/ with
# LLVMFuzzerTestOneInput and a seed corpus in tests/fuzz/corpus/NAME/; adding
# one is one line at the end of this file:
#   dpmr_fuzz_target(NAME LIBRARIES...)
# With -DDPMR_FUZZ=ON (clang, ./build.sh fuzz) it becomes the libFuzzer
# program fuzz_NAME. In every other build it becomes the regular test
# fuzz_replay.NAME, which runs the seed corpus and every input once found to
# crash it (tests/fuzz/crashes/NAME/) through the same entry point.
set(FUZZ_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz)
add_custom_target(fuzz_targets)

function(dpmr_fuzz_target name)
  set(source ${FUZZ_DIR}/${name}_fuzz.cpp)
  if(DPMR_FUZZ)
    add_executable(fuzz_${name} EXCLUDE_FROM_ALL ${source})
    target_link_libraries(fuzz_${name} PRIVATE ${ARGN})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz_targets fuzz_${name})
  elseif(DPMR_BUILD_TESTS)
    add_executable(fuzz_replay_${name} ${source} ${FUZZ_DIR}/replay_main.cpp)
    target_link_libraries(fuzz_replay_${name} PRIVATE ${ARGN})
    add_test(NAME fuzz_replay.${name}
             COMMAND fuzz_replay_${name} ${FUZZ_DIR}/corpus/${name} ${FUZZ_DIR}/crashes/${name})
  endif()
endfunction()

# the command-line tool's show sections (cpscli: every registrar linked in)
dpmr_fuzz_target(image_views cpscli)
dpmr_fuzz_target(program_ini cpscore)
dpmr_fuzz_target(protocol cpscore)
dpmr_fuzz_target(csv_import cpscore)
dpmr_fuzz_target(text_import cpscore)
