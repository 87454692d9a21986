# The portable core: everything that needs no window. It must build without <windows.h>.
set(VISTELO_CORE_SOURCES
  config/text_codec.cpp
  config/ini_file.cpp
  config/settings.cpp
  config/settings_file.cpp
  config/replace_file.cpp
  config/string_tables.cpp
  config/command_line.cpp
  exhibit/exhibit_list.cpp
  exhibit/sorting.cpp
  exhibit/folder_steps.cpp
  exhibit/drop_plan.cpp
  exhibit/folder_walk.cpp
  view/exif_orientation.cpp
  view/orientation.cpp
  view/view_geometry_core.cpp
  view/view_texts.cpp
  view/show_loop.cpp
)

set(VISTELO_CORE_TEST_SOURCES
  tests/core/text_codec_test.cpp
  tests/core/ini_file_test.cpp
  tests/core/settings_test.cpp
  tests/core/settings_file_test.cpp
  tests/core/replace_file_test.cpp
  tests/core/string_tables_test.cpp
  tests/core/command_line_test.cpp
  tests/core/exhibit_list_test.cpp
  tests/core/sorting_test.cpp
  tests/core/folder_steps_test.cpp
  tests/core/drop_plan_test.cpp
  tests/core/folder_walk_test.cpp
  tests/core/exif_orientation_test.cpp
  tests/core/orientation_test.cpp
  tests/core/view_geometry_test.cpp
  tests/core/view_texts_test.cpp
  tests/core/show_loop_test.cpp
)

# Builds one copy of the core library with the given extra compile/link options.
function(vistelo_add_core name)
  add_library(${name} STATIC ${VISTELO_CORE_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${VISTELO_WARNINGS} ${ARGN})
  target_link_options(${name} PUBLIC ${ARGN})
endfunction()
