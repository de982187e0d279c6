# The staleness test of one generated source:
#   cmake -DGENERE=fresh -DENGAGE=committed -DOUTIL=tool -DINSTALLEE=version
#         -DENGAGEE=version -P compare_generated.cmake
# Fails when the freshly generated copy differs from the committed one. When
# the installed tool is not the version that made the committed copy, the
# two cannot be compared: it says so on a line that starts with "SKIPPED: ",
# which the test takes as a skip.
if(NOT INSTALLEE STREQUAL ENGAGEE)
  message("SKIPPED: ${OUTIL} ${INSTALLEE} is installed, but ${ENGAGE} was made by ${OUTIL} ${ENGAGEE} "
          "(cmake/generated.cmake); build the target regenere to make the committed copy with this version")
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GENERE} ${ENGAGE} RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${ENGAGE} is stale: ${OUTIL} makes ${GENERE} from the rules; "
                      "build the target regenere and commit the copy with its rules")
endif()
