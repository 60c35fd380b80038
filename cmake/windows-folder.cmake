# What `cmake --install` puts into the Windows program folder that the zip and the installer
# hold: the program, the Qt libraries and plugins it loads, the MinGW runtime, Vexalon's own
# licence, and the terms of what the programs carry: Qt, whose LGPL asks that users can find
# its source, and CLI11 and nlohmann-json, compiled into vexalon-cli, whose notices must
# come with it.
foreach(module Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/qt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# The header-only libraries come from the build machine's Debian packages, with their terms.
install(FILES /usr/share/doc/libcli11-dev/copyright DESTINATION licenses/cli11
        RENAME copyright.txt)
install(FILES /usr/share/doc/nlohmann-json3-dev/copyright DESTINATION licenses/nlohmann-json
        RENAME copyright.txt)

# Qt's own texts (Yes and No, the file dialogs) in the languages Vexalon speaks. The .qm
# files are the same for every system, so Debian's serve (qt6-translations-l10n). Where Qt
# has no translation of its own, its few texts stay English.
foreach(language ${VEXALON_LANGUAGES})
  set(qt_texts /usr/share/qt6/translations/qtbase_${language}.qm)
  if(EXISTS ${qt_texts})
    install(FILES ${qt_texts} DESTINATION translations)
  endif()
endforeach()
