# The library is compiled with a profile of the checker's own runs (GCC, in
# the optimised builds): an instrumented copy of the library and the program
# first analyses three generated scores (cmake/entraine_profil.cmake), then
# the library is compiled with what those runs counted. The checker's hot
# path is a long chain of small branches (matcher, parser engine, beat
# accumulator, listing); the profile lays them out for the common case and
# tells the compiler what to inline. Code the scores never reach keeps its
# ordinary optimisation (-fprofile-partial-training) instead of being compiled
# for size as cold code.
#
# Any change to the library's sources rebuilds the instrumented copy first and
# runs it again; the library's objects wait for the new counts. GCC finds a
# translation unit's counts, and tells its internal functions apart, by the
# unit's auxiliary name (-dumpdir): each source gets one name, the same in both
# copies. Configure with -DRYTHME_PROFIL=OFF for a single plain build.
get_target_property(sources_du_noyau rythme_core SOURCES)
get_target_property(inclusions_du_noyau rythme_core INCLUDE_DIRECTORIES)
get_target_property(definitions_du_noyau rythme_core COMPILE_DEFINITIONS)
set(comptes ${CMAKE_BINARY_DIR}/profil)
foreach(source ${sources_du_noyau})
  cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE nom)
  if(nom MATCHES "^\\.\\.")  # a generated source, in the build tree
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${CMAKE_BINARY_DIR} OUTPUT_VARIABLE nom)
  endif()
  cmake_path(GET nom PARENT_PATH dossier)
  set_property(SOURCE ${source} TARGET_DIRECTORY rythme_core APPEND PROPERTY COMPILE_OPTIONS
               -dumpdir ${comptes}/unites/${dossier}/)
endforeach()

add_library(rythme_core_instrumente STATIC ${sources_du_noyau})
target_include_directories(rythme_core_instrumente PUBLIC ${inclusions_du_noyau})
if(definitions_du_noyau)
  target_compile_definitions(rythme_core_instrumente PUBLIC ${definitions_du_noyau})
endif()
# Its warnings are the library's own, already errors there.
target_compile_options(rythme_core_instrumente PRIVATE -w ${RYTHME_LTO_COMPILE}
  -fprofile-generate=${comptes}/compteurs -fprofile-update=single)
get_property(generations GLOBAL PROPERTY RYTHME_GENERATIONS)
if(generations)
  add_dependencies(rythme_core_instrumente ${generations})
endif()

add_executable(rythme_instrumente driver/main.cc)
target_link_libraries(rythme_instrumente PRIVATE rythme_core_instrumente)
target_link_options(rythme_instrumente PRIVATE ${RYTHME_LTO_LINK} -fprofile-generate=${comptes}/compteurs)

set(temoin_profil ${comptes}/entraine.stamp)
add_custom_command(
  OUTPUT ${temoin_profil}
  COMMAND ${CMAKE_COMMAND} -DPROGRAMME=$<TARGET_FILE:rythme_instrumente> -DGENERATEUR=$<TARGET_FILE:genere_partition>
          -DCOMPTES=${comptes}/compteurs -DTEMOIN=${temoin_profil} -P ${PROJECT_SOURCE_DIR}/cmake/entraine_profil.cmake
  DEPENDS rythme_instrumente genere_partition ${PROJECT_SOURCE_DIR}/cmake/entraine_profil.cmake
  COMMENT "Profiling the checker on three generated scores"
  VERBATIM)
add_custom_target(profil_du_noyau DEPENDS ${temoin_profil})
add_dependencies(rythme_core profil_du_noyau)
# Units the console program does not link (runs inside the process, for the
# tests and the page) have no counts, and are compiled as usual.
target_compile_options(rythme_core PRIVATE
  -fprofile-use=${comptes}/compteurs -fprofile-partial-training -Wno-missing-profile)
