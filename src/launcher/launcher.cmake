# The launcher ulvanta2.exe: shows a built page in its own window and runs its icons.
# Included by the main CMakeLists.txt.

set(_launcher_dir ${CMAKE_CURRENT_LIST_DIR})

# What the launcher decides (links, arguments, page settings, how to start an
# icon) needs no window and is tested on its own.
add_library(ulvanta_launcher_core STATIC
  ${_launcher_dir}/IconLink.cpp ${_launcher_dir}/IconLink.h
  ${_launcher_dir}/IconStart.cpp ${_launcher_dir}/IconStart.h
  ${_launcher_dir}/LaunchOptions.cpp ${_launcher_dir}/LaunchOptions.h
  ${_launcher_dir}/LoadedPage.cpp ${_launcher_dir}/LoadedPage.h
  ${_launcher_dir}/ShellWords.cpp ${_launcher_dir}/ShellWords.h)
target_link_libraries(ulvanta_launcher_core PUBLIC ulvanta_core Qt6::Core)

# The window over it.
add_library(ulvanta_launcher_ui STATIC
  ${_launcher_dir}/LauncherPage.cpp ${_launcher_dir}/LauncherPage.h
  ${_launcher_dir}/LauncherPrompter.cpp ${_launcher_dir}/LauncherPrompter.h
  ${_launcher_dir}/LauncherWindow.cpp ${_launcher_dir}/LauncherWindow.h)
target_link_libraries(ulvanta_launcher_ui PUBLIC ulvanta_launcher_core ulvanta_core
  ulvanta_widget_prompter Qt6::Widgets Qt6::WebEngineWidgets)

add_executable(ulvanta2 ${_launcher_dir}/main.cpp)
target_link_libraries(ulvanta2 PRIVATE ulvanta_launcher_ui)
set_target_properties(ulvanta2 PROPERTIES OUTPUT_NAME ulvanta2 SUFFIX .exe)
target_compile_definitions(ulvanta2 PRIVATE ULVANTA_VERSION="${PROJECT_VERSION}")

# Pages link to other pages through "Ulvanta2.exe" with a capital U; on a file
# system that tells the two apart, that name must run the launcher too.
add_custom_command(TARGET ulvanta2 POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DDIR=$<TARGET_FILE_DIR:ulvanta2>
          -P ${_launcher_dir}/capital_name.cmake
  VERBATIM)

# A small program the launcher's tests use as an icon's command: it writes down
# how it was started.
add_executable(launcher_recorder ${CMAKE_SOURCE_DIR}/tests/launcher/recorder.cpp)
target_link_libraries(launcher_recorder PRIVATE Qt6::Core)
set_target_properties(launcher_recorder PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# The launcher's test programs are made after this file is read; give them the
# launcher's libraries once they exist.
function(_ulvanta_link_launcher_tests)
  file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/launcher/tst_*.cpp)
  foreach(_src ${_tests})
    get_filename_component(_name ${_src} NAME_WE)
    if(TARGET ${_name})
      target_link_libraries(${_name} PRIVATE ulvanta_launcher_ui)
      add_dependencies(${_name} launcher_recorder ulvanta2)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL _ulvanta_link_launcher_tests)
