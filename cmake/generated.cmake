# Generated sources (the re2c scanner, the bison parser) are committed beside
# their source file, so that a machine without the generator still builds.
# When the generator is found, the sources are generated anew into
# ${CMAKE_BINARY_DIR}/generated/<dir>/, compiled from there (that include
# directory comes before the source tree), and a test compares each one with
# its committed copy, so a stale copy fails the suite.
#
# rythme_generate(NAME name PROGRAM path-or-NOTFOUND SOURCE rules-file
#                 [DEPENDS file...] OUTPUTS file... COMMAND arg...)
# OUTPUTS are file names relative to the current source directory, where the
# committed copies live; COMMAND runs in the generation directory and must
# write them there. The outputs (generated or committed) are added to
# rythme_core, exempt from -Werror: generated code is not ours to tidy.
# Configure with -D<PROGRAM-VARIABLE>=NOTFOUND to build the committed copies
# even where the generator is installed.
function(rythme_generate)
  cmake_parse_arguments(G "" "NAME;PROGRAM;SOURCE" "DEPENDS;OUTPUTS;COMMAND" ${ARGN})
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(dir ${CMAKE_BINARY_DIR}/generated/${rel})
  set(outputs "")
  if(G_PROGRAM)
    foreach(o ${G_OUTPUTS})
      list(APPEND outputs ${dir}/${o})
    endforeach()
    file(MAKE_DIRECTORY ${dir})
    add_custom_command(
      OUTPUT ${outputs}
      COMMAND ${G_COMMAND}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${G_SOURCE} ${G_DEPENDS}
      WORKING_DIRECTORY ${dir}
      COMMENT "Generating ${G_NAME} from ${G_SOURCE}"
      VERBATIM)
    # The library is defined in the top directory: a target here runs the
    # generation, and the library waits for it.
    add_custom_target(${G_NAME}_genere DEPENDS ${outputs})
    add_dependencies(rythme_core ${G_NAME}_genere)
    if(RYTHME_TESTS)
      foreach(o ${G_OUTPUTS})
        add_test(NAME generated.${G_NAME}.${o}
                 COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${o} ${CMAKE_CURRENT_SOURCE_DIR}/${o})
      endforeach()
    endif()
  else()
    foreach(o ${G_OUTPUTS})
      list(APPEND outputs ${CMAKE_CURRENT_SOURCE_DIR}/${o})
    endforeach()
  endif()
  target_sources(rythme_core PRIVATE ${outputs})
  set_source_files_properties(${outputs} TARGET_DIRECTORY rythme_core PROPERTIES COMPILE_OPTIONS "-Wno-error")
endfunction()
