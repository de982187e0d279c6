# Read by cpack before it builds the Debian package: a package must declare
# the libraries it needs, which dpkg-shlibdeps finds in the files that file
# says are programs. Without them cpack would make a package that declares no
# dependency, or fail in its own words.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(RYTHME_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(RYTHME_FILE file)
  if(NOT RYTHME_DPKG_SHLIBDEPS OR NOT RYTHME_FILE)
    message(FATAL_ERROR "The package's dependencies are found by dpkg-shlibdeps and file: "
                        "outils/prepare.sh --tests installs them (Debian packages dpkg-dev and file)")
  endif()
endif()
