# Runs the instrumented checker on three generated scores of 1 MiB (correct,
# with no meter, faulty), so that the library is compiled for them:
#   cmake -DPROGRAMME=... -DGENERATEUR=... -DCOMPTES=dir -DTEMOIN=file -P entraine_profil.cmake
# The counts of an earlier run are dropped first: they would add up.
file(REMOVE_RECURSE ${COMPTES})
file(MAKE_DIRECTORY ${COMPTES}/textes)
foreach(genre correcte sans_mesure fautive)
  set(texte ${COMPTES}/textes/${genre}.txt)
  execute_process(COMMAND ${GENERATEUR} ${genre} 1 OUTPUT_FILE ${texte} RESULT_VARIABLE resultat)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "genere_partition ${genre}: ${resultat}")
  endif()
  set(mots 4 4)
  if(genre STREQUAL "sans_mesure")
    set(mots "")
  endif()
  # A faulty score ends in error (status 1); any other ending is a failure.
  execute_process(COMMAND ${PROGRAMME} ${mots} INPUT_FILE ${texte}
                  OUTPUT_FILE ${COMPTES}/textes/${genre}.out ERROR_FILE ${COMPTES}/textes/${genre}.err
                  RESULT_VARIABLE resultat)
  if(NOT resultat MATCHES "^[01]$")
    message(FATAL_ERROR "the instrumented checker on the ${genre} score: ${resultat}")
  endif()
endforeach()
file(REMOVE_RECURSE ${COMPTES}/textes)
file(TOUCH ${TEMOIN})
