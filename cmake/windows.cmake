# The Windows program and the Windows-side test programs.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

set(MARROWIND_WIN32_DEFINES UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00 NTDDI_VERSION=0x0A000002)
set(MARROWIND_WIN32_LIBS comctl32 user32 gdi32 shell32 advapi32 ole32 uuid winmm dwmapi imm32 comdlg32)

add_library(marrowind_win32 STATIC
  src/platform/win32/controls.cpp
  src/platform/win32/form_window.cpp
  src/platform/win32/key_injector.cpp
  src/platform/win32/taken_watch.cpp
  src/platform/win32/user_input.cpp
  src/platform/win32/key_poster.cpp
  src/platform/win32/user_key_watch.cpp
  src/platform/win32/help_window.cpp
  src/platform/win32/options_window.cpp
  src/platform/win32/modal_window.cpp
  src/platform/win32/icons.cpp
  src/platform/win32/notification_area.cpp
  src/platform/win32/clock.cpp
  src/platform/win32/dialogs.cpp
  src/platform/win32/event_loop.cpp
  src/platform/win32/files.cpp
  src/platform/win32/locale.cpp
  src/platform/win32/registry.cpp
  src/platform/win32/registry_string.cpp
  src/platform/win32/running_copies.cpp
  src/platform/win32/command_line.cpp
  src/platform/win32/command_receiver.cpp
  src/platform/win32/caller_console.cpp
  src/platform/win32/settings_store.cpp
  src/platform/win32/settings_sections.cpp
  src/platform/win32/window_system.cpp
  src/platform/win32/utf.cpp
  src/platform/win32/window_class.cpp
  src/platform/win32/failure_barrier.cpp
  src/platform/win32/global_hotkey.cpp
  src/platform/win32/step_timer.cpp
  src/platform/win32/virtual_key_numbers.cpp
  src/platform/win32/report_list.cpp
  src/platform/win32/drop_down.cpp
  src/platform/win32/window_finder.cpp
  src/platform/win32/file_dialogs.cpp
  src/platform/win32/sequence_editor_window.cpp
  src/platform/win32/sequences_window.cpp
)
target_link_libraries(marrowind_win32 PUBLIC marrowind_core ${MARROWIND_WIN32_LIBS})
target_compile_definitions(marrowind_win32 PUBLIC ${MARROWIND_WIN32_DEFINES})
target_compile_definitions(marrowind_core PUBLIC ${MARROWIND_WIN32_DEFINES})

add_executable(Marrowind WIN32 src/platform/win32/main.cpp resources/marrowind.rc)
target_link_libraries(Marrowind PRIVATE marrowind_win32)
set_source_files_properties(resources/marrowind.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/marrowind.manifest;${CMAKE_SOURCE_DIR}/resources/marrowind.ico")
configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
target_include_directories(Marrowind PRIVATE src resources ${CMAKE_BINARY_DIR}/generated)
if(MINGW)
  # One self-contained file: no libgcc, libstdc++ or winpthread DLLs.
  target_link_options(Marrowind PRIVATE -municode -static -static-libgcc -static-libstdc++)
endif()

# The release package, Marrowind-<version>-win64.zip: the program, its README
# and licence, and the program's SHA-256 sum to check a download against.
install(TARGETS Marrowind RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
install(CODE [[
  set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  file(SHA256 "${folder}/Marrowind.exe" sum)
  file(WRITE "${folder}/SHA256SUMS" "${sum}  Marrowind.exe\n")
]])
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Marrowind)
set(CPACK_PACKAGE_VENDOR "The Marrowind authors")
set(CPACK_PACKAGE_FILE_NAME "Marrowind-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

add_subdirectory(bench)
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
  if(TARGET gtest_main)
    add_subdirectory(tests/win32)
  endif()
endif()
