# Build helpers: every source folder adds its files with these functions, so a folder's own
# CMakeLists.txt is the only place that lists them.
#   scrubwell_portable(files...)    portable core (both builds; must not include <windows.h>)
#   scrubwell_win32(files...)       Win32 side (windows build only), in the library of the folder's
#                                   layer: platform, base, the engines, or the program (ui, app)
#   scrubwell_win32_window(files...)  a window beside a subsystem's engine: program layer
#   scrubwell_portable_test(name files...)  GoogleTest exe over the core (both builds)
#   scrubwell_win32_test(name files...)     GoogleTest exe over the Win32 side, run under Wine
# (every gtest case is one ctest test; see _scrubwell_register_test)
#   scrubwell_fuzz(name file [SEEDS dir])   libFuzzer target; in the other builds a replay test
include_guard(GLOBAL)

set(SCRUBWELL_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH SCRUBWELL_ROOT)

if(WIN32)
  enable_language(RC)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501
                          _WIN32_IE=0x0600 STRICT)
  add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(SCRUBWELL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

function(_scrubwell_abs out)
  set(files)
  foreach(f IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH f BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE a)
    list(APPEND files ${a})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(scrubwell_portable)
  _scrubwell_abs(files ${ARGN})
  target_sources(scrubwell_core PRIVATE ${files})
endfunction()

# The Win32 layers, each a library linked only to the one below it: platform, base, engines (the
# subsystems' window-free code), program (the windows and the composition). tools/check-layers
# holds the same order for includes.
function(_scrubwell_layer out)
  cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
  if(folder STREQUAL "platform" OR folder STREQUAL "base")
    set(${out} ${folder} PARENT_SCOPE)
  elseif(folder STREQUAL "ui" OR folder STREQUAL "app")
    set(${out} program PARENT_SCOPE)
  else()
    set(${out} engines PARENT_SCOPE)
  endif()
endfunction()

function(scrubwell_win32)
  if(WIN32)
    _scrubwell_abs(files ${ARGN})
    _scrubwell_layer(layer)
    target_sources(scrubwell_${layer} PRIVATE ${files})
  endif()
endfunction()

function(scrubwell_win32_window)
  if(WIN32)
    _scrubwell_abs(files ${ARGN})
    target_sources(scrubwell_program PRIVATE ${files})
  endif()
endfunction()

# Googletest from the distribution's sources, built once per build tree.
macro(_scrubwell_gtest)
  if(NOT TARGET gtest_main)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
endmacro()

# Every gtest case is a ctest test of its own, found by listing the program's cases after the
# link. A native case runs as its own process. Under Wine a process start costs about 3 s, so
# tools/wine-gtest runs each Windows program once per test run, in its own clone of the prefix,
# and reports each case from that run; RESOURCE_LOCK keeps ctest from starting a program's cases
# side by side, where all but one would only wait for the run.
#   _scrubwell_register_test(target [RUN name] [ENV NAME=VALUE...])
# RUN names a further run of the same program, with ENV set for it (Windows builds only).
include(GoogleTest)
function(_scrubwell_register_test target)
  cmake_parse_arguments(T "" "RUN" "ENV" ${ARGN})
  if(NOT WIN32)
    gtest_discover_tests(${target} PROPERTIES TIMEOUT 900)
    return()
  endif()
  set(run ${target})
  set(prefix "")
  if(T_RUN)
    set(run ${T_RUN})
    set(prefix "${T_RUN}:")
  endif()
  set(env_args)
  foreach(e IN LISTS T_ENV)
    list(APPEND env_args "--env=${e}")
  endforeach()
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR ${SCRUBWELL_ROOT}/tools/wine-gtest)
  gtest_discover_tests(${target} TEST_PREFIX "${prefix}" EXTRA_ARGS ${env_args} DISCOVERY_TIMEOUT 300
    PROPERTIES FIXTURES_REQUIRED wineprefix RESOURCE_LOCK ${run} TIMEOUT 900
               ENVIRONMENT "SCRUBWELL_TEST_NAME=${run}")
endfunction()

function(scrubwell_portable_test name)
  _scrubwell_gtest()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE scrubwell_core gtest_main)
  target_include_directories(${name} PRIVATE ${SCRUBWELL_ROOT}/tests)
  _scrubwell_register_test(${name})
endfunction()

function(scrubwell_win32_test name)
  if(WIN32)
    _scrubwell_gtest()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE scrubwell_testsupport scrubwell_win scrubwell_core gtest_main
                                          scrubwell_res)
    target_include_directories(${name} PRIVATE ${SCRUBWELL_ROOT}/tests)
    _scrubwell_register_test(${name})
  endif()
endfunction()

# A fuzz target is one file defining LLVMFuzzerTestOneInput. Under SCRUBWELL_FUZZ it is a libFuzzer
# binary whose test runs it for SCRUBWELL_FUZZ_SECONDS; in the other builds it is linked with a replay
# driver that feeds it the seed files and SCRUBWELL_REPLAY_ROUNDS mutations of them (under the
# sanitizers). tools/test sets both on every run (shorter with --quick).
set(SCRUBWELL_FUZZ_SECONDS 10 CACHE STRING "How long each fuzz test runs")
set(SCRUBWELL_REPLAY_ROUNDS 20000 CACHE STRING "How many mutations each replay test feeds")
function(scrubwell_fuzz name file)
  cmake_parse_arguments(F "" "SEEDS" "" ${ARGN})
  _scrubwell_abs(src ${file})
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/seeds/${name})
  if(F_SEEDS)
    _scrubwell_abs(seeds ${F_SEEDS})
  endif()
  if(SCRUBWELL_FUZZ)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE scrubwell_core)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${SCRUBWELL_FUZZ_SECONDS} -rss_limit_mb=2048
                                  -max_len=65536 ${corpus} ${seeds})
  elseif(NOT WIN32)
    add_executable(${name} ${src} ${SCRUBWELL_ROOT}/fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE scrubwell_core)
    add_test(NAME ${name} COMMAND ${name} -rounds=${SCRUBWELL_REPLAY_ROUNDS} ${seeds})
  endif()
endfunction()

# A program we ship carries no debug information: after the link its debug sections move into
# <program>.debug beside it, and the program keeps a debug link to that file, so a debugger
# still finds the symbols. The program itself stays optimised as before.
#   scrubwell_shipped_program(target)
function(scrubwell_shipped_program target)
  if(WIN32 AND CMAKE_OBJCOPY)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      COMMENT "Moving the debug information of ${target} into its .debug file"
      VERBATIM)
  endif()
endfunction()
