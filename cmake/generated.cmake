# Generated sources (the re2c scanner, the bison parser) are committed beside
# their source file, so that a machine without the generator still builds.
# When the generator is found, the sources are generated anew into
# ${CMAKE_BINARY_DIR}/generated/<dir>/, compiled from there (that include
# directory comes before the source tree), and a test compares each one with
# its committed copy, so a stale copy fails the suite.

# rythme_generated_source(FILE): generated code is exempt from -Werror.
function(rythme_generated_source file)
  set_source_files_properties(${file} PROPERTIES COMPILE_OPTIONS "-Wno-error")
endfunction()

# rythme_generate(NAME name PROGRAM path-or-NOTFOUND SOURCE rules-file
#                 OUTPUTS file... COMMAND arg...)
# OUTPUTS are file names relative to the current source directory, where the
# committed copies live. COMMAND runs in the generation directory, with the
# rules file given by its full path as ${source}. Sets ${name}_SOURCES to the
# outputs to compile (generated or committed).
function(rythme_generate)
  cmake_parse_arguments(G "" "NAME;PROGRAM;SOURCE" "OUTPUTS;COMMAND" ${ARGN})
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
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${G_SOURCE}
      WORKING_DIRECTORY ${dir}
      COMMENT "Generating ${G_NAME} from ${G_SOURCE}"
      VERBATIM)
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
  set(${G_NAME}_SOURCES ${outputs} PARENT_SCOPE)
endfunction()
