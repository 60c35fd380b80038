# Manual pages in section 1, installed gzipped. gzip -n leaves the name and time out of the
# header, so that a rebuilt package is byte for byte the same.
include(GNUInstallDirs)
find_program(HELP2MAN help2man REQUIRED)

function(_vexalon_install_page page)
  add_custom_command(OUTPUT ${page}.gz COMMAND gzip -9nkf ${page} DEPENDS ${page} VERBATIM)
  get_filename_component(name ${page} NAME)
  add_custom_target(${name}-gz ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# A page written by hand: SOURCE is NAME.1.in, where @PROJECT_VERSION@ stands for the version.
function(vexalon_manual_page source)
  get_filename_component(name ${source} NAME_WLE)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(${source} ${page} @ONLY)
  _vexalon_install_page(${page})
endfunction()

# TARGET's page, made by help2man from the program's own help so that the two never disagree.
#   NAME         the line under NAME
#   INCLUDE      help2man include file with the sections the help lacks
#   HELP_OPTION  the option that prints the whole help (default --help)
#   HELP_SED     sed commands that first reshape the help into what help2man reads as sections
function(vexalon_help2man_page target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "NAME;INCLUDE;HELP_OPTION" "HELP_SED")
  if(NOT arg_HELP_OPTION)
    set(arg_HELP_OPTION --help)
  endif()
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
  set(program $<TARGET_FILE:${target}>)
  set(filter "")
  if(arg_HELP_SED)
    # help2man runs a program; this one has the target's name, which the page takes.
    set(filter ${CMAKE_CURRENT_BINARY_DIR}/help2man/${target}.sed)
    list(JOIN arg_HELP_SED "\n" sed_script)
    file(CONFIGURE OUTPUT ${filter} CONTENT "${sed_script}\n" @ONLY)
    set(program ${CMAKE_CURRENT_BINARY_DIR}/help2man/${target})
    file(GENERATE OUTPUT ${program}
         CONTENT "#!/bin/sh\n\"$<TARGET_FILE:${target}>\" \"$@\" | sed -f \"${filter}\"\n"
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE)
  endif()
  # help2man makes a subsection of each "Heading:" line, keeping the colon, and indents the
  # paragraph under it deeper than the options that follow; a page reads better with the
  # heading bare and that paragraph as plain text.
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
            --help-option=${arg_HELP_OPTION} --name=${arg_NAME}
            --include=${CMAKE_CURRENT_SOURCE_DIR}/${arg_INCLUDE} --output=${page} ${program}
    COMMAND sed -i -e [[s/^\.SS "\(.*\):"$/.SS "\1"/]] -e [[/^\.SS /{n;s/^\.IP$/.PP/;}]] ${page}
    DEPENDS ${target} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_INCLUDE} ${filter}
    VERBATIM)
  _vexalon_install_page(${page})
endfunction()
