# Read by cpack before it builds the Debian package: a package must declare
# the libraries it needs, which dpkg-shlibdeps finds.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(RYTHME_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT RYTHME_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "The package's dependencies are found by dpkg-shlibdeps, which is not installed: "
                        "outils/prepare.sh --tests installs it (Debian package dpkg-dev)")
  endif()
endif()
