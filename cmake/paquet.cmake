# Installing the checker, and its Debian package.
#
# cmake --install puts the program in bin/ and its manual page, compressed as
# Debian's pages are, in share/man/man1/ under the prefix (/usr/local unless
# told otherwise), where a user's PATH and man look. cpack makes of the same
# files the package rythme_<version>_<architecture>.deb, installed under /usr,
# its binary stripped and its dependencies (the C and C++ runtime libraries,
# at the versions this build needs) found by dpkg-shlibdeps.
include(GNUInstallDirs)
install(TARGETS rythme RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(page_compressee ${CMAKE_BINARY_DIR}/man/rythme.1.gz)
add_custom_command(
  OUTPUT ${page_compressee}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/rythme.1 ${CMAKE_BINARY_DIR}/man/rythme.1
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/man/rythme.1
  DEPENDS ${PROJECT_SOURCE_DIR}/rythme.1
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(page_de_manuel ALL DEPENDS ${page_compressee})
install(FILES ${page_compressee} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rythme)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "rythme maintainers <maintainers@users.noreply.c-seed-ebd53494.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "check the rhythm of music written in a one-character-per-value notation")
set(CPACK_PACKAGE_DESCRIPTION [[
rythme reads a piece of music in a compact text notation on standard input,
cuts it into measures and beats, checks each against the meter in force
(given, changed in the text, or inferred from the opening measure), lists
every closed measure, and reports in French everything that does not add up,
located by line, column, measure and beat.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Without dpkg-shlibdeps cpack would make a package that declares no
# dependency at all: refuse instead.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/paquet_cpack.cmake)
include(CPack)
