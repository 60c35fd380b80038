# What `cmake --install` puts into the Windows program folder that the zip and the installer
# hold: the program, the Qt libraries and plugins it loads, the MinGW runtime and the
# licence texts of Qt, whose LGPL asks that users can find its source.
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

# Qt's own texts (Yes and No, the file dialogs) in the languages Vexalon speaks. The .qm
# files are the same for every system, so Debian's serve (qt6-translations-l10n).
foreach(language ${VEXALON_LANGUAGES})
  install(FILES /usr/share/qt6/translations/qtbase_${language}.qm DESTINATION translations)
endforeach()
