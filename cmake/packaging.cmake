# The Debian package (`make package`, cpack -G DEB): what `cmake --install` puts, that is the
# program, the command line, the simulator, their manual pages, the desktop entry, the icons,
# the software centre's entry, and the package's copyright file, changelog and lintian
# overrides. Tests and the bench stay out.
set(VEXALON_PACKAGE_MAINTAINER "Vexalon maintainers <maintainers@vexalon.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexalon)
set(CPACK_PACKAGE_VENDOR Vexalon)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for HT-446 PMR446 handheld radios")
# Control files want the long description in lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Vexalon reads the 15 channels and the settings of an HT-446 PMR446 handheld\n"
       "radio (variants E, E2 and T) through its serial programming cable into one\n"
       "window, writes them back, and keeps channel plans in INI files.\n"
       "\n"
       "vexalon-cli does the same from the command line, for several radios at\n"
       "once or one after another on a cable, with JSON output for scripts.\n"
       "\n"
       "The package also holds vexalon-radiosim, which plays such a radio on a\n"
       "pseudo-terminal for trying the program without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VEXALON_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages come from the binaries themselves (dpkg-shlibdeps, in dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (Yes and No, the file dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# The package's terms and its Debian changelog, whose latest entry must be for the version
# packaged.
include(GNUInstallDirs)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
file(STRINGS packaging/changelog latest_entry LIMIT_COUNT 1)
string(REGEX REPLACE "^vexalon \\(([^)]*)\\).*" "\\1" latest_version "${latest_entry}")
if(NOT latest_version STREQUAL package_version)
  message(FATAL_ERROR "packaging/changelog: the latest entry is for ${latest_version}, the "
                      "package is ${package_version}; add an entry for it")
endif()
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
configure_file(packaging/changelog ${changelog} COPYONLY)
add_custom_command(OUTPUT ${changelog}.gz COMMAND gzip -9nkf ${changelog} DEPENDS ${changelog}
                   VERBATIM)
add_custom_target(debian-changelog ALL DEPENDS ${changelog}.gz)
install(FILES packaging/copyright ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
# The lintian tags that only make sense for a package uploaded to Debian, each with its reason.
install(FILES packaging/lintian-overrides RENAME ${CPACK_PACKAGE_NAME}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides)

include(CPack)
