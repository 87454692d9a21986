# Native Linux build: core tests, sanitised core tests, benchmarks, the Windows
# sub-builds and the tests that run them under Wine.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

vistelo_add_core(vistelo_core)
add_executable(core_tests ${VISTELO_CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${VISTELO_WARNINGS})
target_compile_definitions(core_tests PRIVATE VISTELO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/core")
target_link_libraries(core_tests PRIVATE vistelo_core GTest::gtest_main Threads::Threads)
add_test(NAME core_tests COMMAND core_tests)

set(VISTELO_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
vistelo_add_core(vistelo_core_asan ${VISTELO_SANITIZE})
add_executable(core_tests_asan ${VISTELO_CORE_TEST_SOURCES})
target_compile_options(core_tests_asan PRIVATE ${VISTELO_WARNINGS} ${VISTELO_SANITIZE})
target_compile_definitions(core_tests_asan PRIVATE VISTELO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/core")
target_link_libraries(core_tests_asan PRIVATE vistelo_core_asan GTest::gtest_main Threads::Threads)
add_test(NAME core_tests_asan COMMAND core_tests_asan)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_subdirectory(benchmarks)
endif()

# The Windows builds, each a sub-build with its own toolchain file.
option(VISTELO_WINDOWS "Cross-build the Windows program and run its tests under Wine" ON)
if(VISTELO_WINDOWS)
  include(ExternalProject)
  foreach(arch i686 x86_64)
    set(dir ${CMAKE_BINARY_DIR}/${arch})
    ExternalProject_Add(windows_${arch}
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${dir}
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchain-${arch}-w64-mingw32.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DVISTELO_WERROR=${VISTELO_WERROR}
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      USES_TERMINAL_BUILD ON)
  endforeach()

  # The shipped program is the 32-bit one; on a kernel that cannot execute 32-bit
  # programs the tests run the 64-bit build with Wine's 64-bit loader instead.
  find_program(WINE_PROGRAM wine REQUIRED)
  find_program(VISTELO_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
  find_program(VISTELO_PYTHON3 NAMES python3 REQUIRED)
  execute_process(COMMAND ${VISTELO_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/e2e/wine_choice.py
    OUTPUT_VARIABLE wine_choice OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE wine_choice_rc)
  if(NOT wine_choice_rc EQUAL 0 OR wine_choice STREQUAL "")
    set(wine_choice "i686;${WINE_PROGRAM}")
  endif()
  list(GET wine_choice 0 VISTELO_WINE_ARCH)
  list(GET wine_choice 1 VISTELO_WINE)
  if(NOT VISTELO_WINE_ARCH STREQUAL "i686")
    message(STATUS "This machine cannot run 32-bit programs: the Wine tests run the "
                   "${VISTELO_WINE_ARCH} build with ${VISTELO_WINE}; the i686 ones are disabled")
  endif()
  set(VISTELO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(VISTELO_EXE ${CMAKE_BINARY_DIR}/${VISTELO_WINE_ARCH}/Vistelo.exe)
  set(VISTELO_DRIVER ${CMAKE_BINARY_DIR}/${VISTELO_WINE_ARCH}/vdriver.exe)
  add_subdirectory(tests/e2e)

  # Unit tests built by the Windows sub-builds run under Wine in the shared prefix.
  set(wine_env WINEPREFIX=${VISTELO_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
  if(IS_ABSOLUTE "${VISTELO_WINE}")
    list(APPEND wine_env WINELOADER=${VISTELO_WINE})
  endif()
  foreach(arch i686 x86_64)
    foreach(suite core_tests win_tests)
      add_test(NAME ${suite}_wine_${arch}
        COMMAND ${CMAKE_COMMAND} -E env ${wine_env}
                ${VISTELO_WINE} ${CMAKE_BINARY_DIR}/${arch}/${suite}.exe
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
      set_tests_properties(${suite}_wine_${arch} PROPERTIES
        FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine TIMEOUT 300)
      if(arch STREQUAL "i686" AND NOT VISTELO_WINE_ARCH STREQUAL "i686")
        set_tests_properties(${suite}_wine_${arch} PROPERTIES DISABLED ON)
      endif()
    endforeach()
  endforeach()
endif()
