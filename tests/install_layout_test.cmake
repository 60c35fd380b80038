# Installs the build into a fresh prefix and compares what landed there with what the
# Debian package must hold: the program, the command line, the simulator, a manual page for
# each, the desktop entry, the icons, the software centre's entry, the package's copyright
# file, changelog and lintian overrides, and nothing else (no test, no bench, no library).
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -P install_layout_test.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/vexalon
  bin/vexalon-cli
  bin/vexalon-radiosim
  share/man/man1/vexalon.1.gz
  share/man/man1/vexalon-cli.1.gz
  share/man/man1/vexalon-radiosim.1.gz
  share/doc/vexalon/copyright
  share/doc/vexalon/changelog.Debian.gz
  share/lintian/overrides/vexalon
  share/applications/vexalon.desktop
  share/metainfo/org.example.vexalon.metainfo.xml
  share/icons/hicolor/scalable/apps/vexalon.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/vexalon.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(REMOVE_RECURSE "${PREFIX}")
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()
