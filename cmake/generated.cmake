# Generated sources (the re2c scanner, the bison parser) are committed beside
# their source file, so that a machine without the generator still builds.
# When the generator is found, the sources are generated anew into
# ${CMAKE_BINARY_DIR}/generated/<dir>/, compiled from there (that include
# directory comes before the source tree), and a test compares each one with
# its committed copy, so a stale copy fails the suite.
#
# The committed copies were made by these versions. Another version writes
# other code from the same rules, so where the installed generator is of
# another version the comparison says nothing: the test is skipped, with a
# message saying so. `cmake --build ... --target regenere` copies the freshly
# generated sources into the tree and records here the version that made them.
set(RYTHME_VERSION_re2c "3.0")
set(RYTHME_VERSION_bison "3.8.2")

# The version a generator prints first in its --version text, or "" when
# none can be read.
function(rythme_version_outil programme variable)
  execute_process(COMMAND ${programme} --version OUTPUT_VARIABLE texte ERROR_QUIET RESULT_VARIABLE resultat)
  set(version "")
  if(resultat EQUAL 0 AND texte MATCHES "([0-9]+\\.[0-9]+(\\.[0-9]+)?)")
    set(version ${CMAKE_MATCH_1})
  endif()
  set(${variable} ${version} PARENT_SCOPE)
endfunction()

# Copies the freshly generated sources into the tree (target regenere).
if(NOT TARGET regenere)
  add_custom_target(regenere COMMENT "Copying the freshly generated sources into the source tree")
endif()

# rythme_generate(NAME name PROGRAM path-or-NOTFOUND TOOL re2c|bison
#                 SOURCE rules-file [DEPENDS file...] OUTPUTS file...
#                 COMMAND arg... [COMPILED file... COMPILED_COMMAND arg...])
# OUTPUTS are file names relative to the current source directory, where the
# committed copies live; COMMAND runs in the generation directory and must
# write them there. The outputs (generated or committed) are added to
# rythme_core, exempt from -Werror: generated code is not ours to tidy.
# COMPILED, when given, names other files that COMPILED_COMMAND writes in the
# generation directory from the same rules and that are compiled instead of
# OUTPUTS (the coverage build compiles a scanner that keeps its #line
# directives); OUTPUTS are then only compared and copied back.
# Configure with -D<PROGRAM-VARIABLE>=NOTFOUND to build the committed copies
# even where the generator is installed.
function(rythme_generate)
  cmake_parse_arguments(G "" "NAME;PROGRAM;TOOL;SOURCE" "DEPENDS;OUTPUTS;COMMAND;COMPILED;COMPILED_COMMAND" ${ARGN})
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(dir ${CMAKE_BINARY_DIR}/generated/${rel})
  set(outputs "")
  set(compiled "")
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
    set(compiled ${outputs})
    if(G_COMPILED)
      set(compiled "")
      foreach(o ${G_COMPILED})
        list(APPEND compiled ${dir}/${o})
      endforeach()
      add_custom_command(
        OUTPUT ${compiled}
        COMMAND ${G_COMPILED_COMMAND}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${G_SOURCE} ${G_DEPENDS}
        WORKING_DIRECTORY ${dir}
        COMMENT "Generating ${G_NAME} (compiled copy) from ${G_SOURCE}"
        VERBATIM)
    endif()
    # The library is defined in the top directory: a target here runs the
    # generation, and the library waits for it.
    add_custom_target(${G_NAME}_genere DEPENDS ${outputs} ${compiled})
    add_dependencies(rythme_core ${G_NAME}_genere)
    set_property(GLOBAL APPEND PROPERTY RYTHME_GENERATIONS ${G_NAME}_genere)

    rythme_version_outil(${G_PROGRAM} installee)
    set(engagee ${RYTHME_VERSION_${G_TOOL}})
    if(NOT installee STREQUAL engagee)
      message(STATUS "${G_TOOL} ${installee} is installed, the committed ${G_OUTPUTS} were made by ${G_TOOL} ${engagee}: "
                     "their staleness tests will be skipped")
    endif()
    if(RYTHME_TESTS)
      foreach(o ${G_OUTPUTS})
        add_test(NAME generated.${G_NAME}.${o}
                 COMMAND ${CMAKE_COMMAND} -DGENERE=${dir}/${o} -DENGAGE=${CMAKE_CURRENT_SOURCE_DIR}/${o}
                         -DOUTIL=${G_TOOL} -DINSTALLEE=${installee} -DENGAGEE=${engagee}
                         -P ${PROJECT_SOURCE_DIR}/cmake/compare_generated.cmake)
        set_tests_properties(generated.${G_NAME}.${o} PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: ")
      endforeach()
    endif()

    # regenere: the outputs back into the tree, and the version that made them.
    set(copies "")
    foreach(o ${G_OUTPUTS})
      list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dir}/${o} ${CMAKE_CURRENT_SOURCE_DIR}/${o})
    endforeach()
    add_custom_target(${G_NAME}_regenere
      ${copies}
      COMMAND ${CMAKE_COMMAND} -DFICHIER=${PROJECT_SOURCE_DIR}/cmake/generated.cmake -DOUTIL=${G_TOOL}
              -DVERSION=${installee} -P ${PROJECT_SOURCE_DIR}/cmake/note_version.cmake
      DEPENDS ${outputs}
      COMMENT "Copying ${G_OUTPUTS} into ${rel}/ (made by ${G_TOOL} ${installee})"
      VERBATIM)
    add_dependencies(regenere ${G_NAME}_regenere)
  else()
    foreach(o ${G_OUTPUTS})
      list(APPEND outputs ${CMAKE_CURRENT_SOURCE_DIR}/${o})
    endforeach()
    set(compiled ${outputs})
  endif()
  target_sources(rythme_core PRIVATE ${compiled})
  set_source_files_properties(${compiled} TARGET_DIRECTORY rythme_core PROPERTIES COMPILE_OPTIONS "-Wno-error")
endfunction()
