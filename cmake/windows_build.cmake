# Windows build (mingw-w64): the program, the core and Win32 tests, the test driver.
enable_language(RC)

# Everything links the C and C++ runtimes statically, so the .exe files run on a bare
# Windows machine with nothing beside them.
set(VISTELO_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

vistelo_add_core(vistelo_core)

set(VISTELO_WIN_SOURCES
  app/app_info.cpp
  app/viewer.cpp
  app/viewer_initialise.cpp
  app/main_dialog.cpp
  app/commands.cpp
  app/slide_clock.cpp
  config/command_line_apply.cpp
  config/file_io_win.cpp
  config/settings_store.cpp
  config/text_file.cpp
  config/language.cpp
  exhibit/entry_from_file.cpp
  exhibit/exhibit_commands.cpp
  exhibit/folder_scan.cpp
  exhibit/scan_worker.cpp
  exhibit/shell_link.cpp
  exhibit/shell_shortcuts.cpp
  exhibit/watcher.cpp
  view/picture.cpp
  view/view_geometry.cpp
  view/painting.cpp
  window/window_modes.cpp
  window/mouse.cpp
  window/tray_hotkey.cpp
  fileops/wallpaper.cpp
  ui/popup_menus.cpp
  ui/small_dialogs.cpp
)
set(VISTELO_WIN_LIBS gdiplus comctl32 comdlg32 shell32 ole32 uuid user32 gdi32 kernel32)

add_library(vistelo_win STATIC ${VISTELO_WIN_SOURCES})
target_include_directories(vistelo_win PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(vistelo_win PRIVATE ${VISTELO_WARNINGS})
target_link_libraries(vistelo_win PUBLIC vistelo_core ${VISTELO_WIN_LIBS})

add_executable(Vistelo WIN32 app/main.cpp resources/vistelo.rc)
# The resource script includes these; windres's object must follow them.
set_source_files_properties(resources/vistelo.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_SOURCE_DIR}/resources/menus.rc;${CMAKE_CURRENT_SOURCE_DIR}/resources/small_dialogs.rc;${CMAKE_CURRENT_SOURCE_DIR}/resources/accelerators.rc;${CMAKE_CURRENT_SOURCE_DIR}/resources/resource_ids.h")
target_compile_options(Vistelo PRIVATE ${VISTELO_WARNINGS})
target_link_options(Vistelo PRIVATE -municode ${VISTELO_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)
target_link_libraries(Vistelo PRIVATE vistelo_win)

# GoogleTest from the Debian source package, built with this toolchain.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(core_tests ${VISTELO_CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${VISTELO_WARNINGS})
target_compile_definitions(core_tests PRIVATE VISTELO_TEST_DATA="tests/core")
target_link_options(core_tests PRIVATE ${VISTELO_STATIC_RUNTIME})
target_link_libraries(core_tests PRIVATE vistelo_core gtest_main)

add_executable(win_tests
  tests/win/file_io_win_test.cpp
  tests/win/entry_from_file_test.cpp
  tests/win/picture_test.cpp
  tests/win/shell_link_test.cpp
)
target_include_directories(win_tests PRIVATE tests/win)
target_compile_options(win_tests PRIVATE ${VISTELO_WARNINGS})
target_link_options(win_tests PRIVATE ${VISTELO_STATIC_RUNTIME})
target_link_libraries(win_tests PRIVATE vistelo_win gtest_main)

if(EXISTS ${PROJECT_SOURCE_DIR}/tests/e2e/driver/CMakeLists.txt)
  add_subdirectory(tests/e2e/driver)
endif()

# Timing of the folder walk on a real tree (run under Wine or on Windows; not a test).
add_executable(scan_benchmark benchmarks/windows/scan_benchmark.cpp)
target_compile_options(scan_benchmark PRIVATE ${VISTELO_WARNINGS})
target_link_options(scan_benchmark PRIVATE -municode ${VISTELO_STATIC_RUNTIME})
target_link_libraries(scan_benchmark PRIVATE vistelo_win)
