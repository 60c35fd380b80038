# The Debian package (`make package`, cpack -G DEB): what `cmake --install` puts, that is the
# program, the command line and its manual page, the simulator, the desktop entry, the icons
# and the software centre's entry. Tests and the bench stay out.
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

include(CPack)
