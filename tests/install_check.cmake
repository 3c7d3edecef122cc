# Installs the build into a temporary prefix and checks what a desktop and a
# shell need: programs, the drawing module, desktop entry, metainfo, icons,
# man pages, licence; validates the desktop files and runs the installed CLI.
# Arguments: -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
include(GNUInstallDirs)
set(expected
  bin/corvanta bin/corvanta-cli ${CMAKE_INSTALL_LIBDIR}/corvanta/libcorvanta-drawing.so
  share/applications/org.corvanta.Corvanta.desktop share/metainfo/org.corvanta.Corvanta.metainfo.xml
  share/icons/hicolor/scalable/apps/corvanta.svg share/icons/hicolor/48x48/apps/corvanta.png
  share/icons/hicolor/256x256/apps/corvanta.png share/man/man1/corvanta.1.gz
  share/man/man1/corvanta-cli.1.gz share/doc/corvanta/LICENSE share/doc/corvanta/copyright)
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The CLI's man page gives each command's options, the exit statuses and
# the JSON fields.
execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/corvanta-cli.1.gz
                OUTPUT_VARIABLE page RESULT_VARIABLE status)
foreach(part "COMMANDS" "EXIT STATUS" "JSON FIELDS" ".SS search" ".SS strum" "instrument"
        "per-chord")
  if(NOT status EQUAL 0 OR NOT page MATCHES "${part}")
    message(FATAL_ERROR "the man page of corvanta-cli lacks '${part}'")
  endif()
endforeach()

# Both pages name every kind of instrument and the songs; the CLI's lists the
# newer JSON fields; rendered at 80 columns no line of either runs past them.
find_program(GROFF groff)
foreach(program corvanta corvanta-cli)
  execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/${program}.1.gz
                  OUTPUT_VARIABLE source)
  string(REGEX MATCH "\\.SH NAME\n[^\n]*" name_line "${source}")
  foreach(word ukulele mandolin banjo bass songs)
    if(NOT name_line MATCHES "${word}")
      message(FATAL_ERROR "the NAME line of ${program}.1 lacks '${word}': ${name_line}")
    endif()
  endforeach()
  if(GROFF)
    file(WRITE ${PREFIX}/${program}.1 "${source}")
    execute_process(COMMAND ${GROFF} -man -Tascii -rLL=80n -P-cbu ${PREFIX}/${program}.1
                    OUTPUT_FILE ${PREFIX}/${program}.txt RESULT_VARIABLE status ERROR_QUIET)
    file(STRINGS ${PREFIX}/${program}.txt lines)
    list(LENGTH lines count)
    if(NOT status EQUAL 0 OR count LESS 20)
      message(FATAL_ERROR "groff could not render ${program}.1: ${status}")
    endif()
    foreach(line IN LISTS lines)
      string(LENGTH "${line}" length)
      if(length GREATER 80)
        message(FATAL_ERROR "${program}.1 has a line of ${length} columns: ${line}")
      endif()
    endforeach()
  endif()
endforeach()
foreach(field "best" "readings" "omitted" "noChord")
  if(NOT page MATCHES "${field}")
    message(FATAL_ERROR "the JSON fields of corvanta-cli.1 lack '${field}'")
  endif()
endforeach()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
  execute_process(COMMAND ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/org.corvanta.Corvanta.desktop
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out MATCHES "error|warning")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                          ${PREFIX}/share/metainfo/org.corvanta.Corvanta.metainfo.xml
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out}")
  endif()
endif()

execute_process(COMMAND ${PREFIX}/bin/corvanta-cli --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
execute_process(COMMAND ${PREFIX}/bin/corvanta --version OUTPUT_VARIABLE window_version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^corvanta-cli [0-9]" OR NOT window_version MATCHES "^corvanta [0-9]")
  message(FATAL_ERROR "versions: '${version}' '${window_version}'")
endif()
# The installed CLI finds its installed drawing module.
execute_process(COMMAND ${PREFIX}/bin/corvanta-cli diagram x32010 --png ${PREFIX}/c.png
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/c.png)
  message(FATAL_ERROR "installed diagram command: ${status} ${err}")
endif()
file(REMOVE_RECURSE ${PREFIX})
