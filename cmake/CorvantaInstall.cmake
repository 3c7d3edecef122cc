# What `cmake --install` puts where, the man pages, and the .deb package.
install(TARGETS corvanta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS corvanta_synth_module LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/corvanta)
if(CORVANTA_BUILD_GUI)
  install(TARGETS corvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS corvanta_drawing_module corvanta_synth_output_module corvanta_export_module
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/corvanta)
  install(FILES data/org.corvanta.Corvanta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/org.corvanta.Corvanta.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES LICENSE README.md data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvanta)

# Man pages from the programs' own --help and --version.
find_program(HELP2MAN help2man)
set_package_properties(help2man PROPERTIES TYPE OPTIONAL PURPOSE "man pages")
if(HELP2MAN)
  set(man_pages)
  foreach(program corvanta corvanta-cli)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
    set(include_args)
    set(include_depends)
    if(program STREQUAL "corvanta-cli")
      # Each command's options, the exit statuses and the JSON fields.
      set(sections ${PROJECT_BINARY_DIR}/man/corvanta-cli.h2m)
      add_custom_command(OUTPUT ${sections}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:corvanta-cli>
                -DSTATIC=${PROJECT_SOURCE_DIR}/data/corvanta-cli.h2m -DOUTPUT=${sections}
                -P ${PROJECT_SOURCE_DIR}/cmake/CommandsSection.cmake
        DEPENDS corvanta-cli ${PROJECT_SOURCE_DIR}/data/corvanta-cli.h2m
                ${PROJECT_SOURCE_DIR}/cmake/CommandsSection.cmake)
      set(include_args --include ${sections})
      set(include_depends ${sections})
    endif()
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr
              --name "chord finder for guitar, ukulele, mandolin, banjo, bass and songs"
              ${include_args} --output ${page} $<TARGET_FILE:${program}>
      # Debian ships man pages compressed, reproducibly (no name, no time).
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${include_depends}
      COMMENT "Writing the man page of ${program}")
    list(APPEND man_pages ${page}.gz)
  endforeach()
  add_custom_target(corvanta_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME corvanta)
set(CPACK_PACKAGE_VENDOR "The Corvanta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Guitar chord finder: every playable fingering of a chord")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Corvanta developers <corvanta@corvanta.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The runtime libraries the programs link, found by dpkg-shlibdeps; the
# soundfont and the Chinese font are what the window wants at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm, fonts-wqy-microhei")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
