# Generates the parser from its grammar, in the current directory:
#   cmake -DBISON=<bison> -DGRAMMAIRE=<grammaire.y> -P genere_grammaire.cmake
# A conflict fails the generation. Bison's report, the automaton's states
# with their items and lookaheads, is written beside them (grammaire.output,
# not committed). The outputs are then freed of what ties them to one bison
# release (the version in the first comment line and in the YYBISON defines),
# so that the committed copies compare equal whatever machine generated them.
set(sorties grammaire.cc grammaire.h)

execute_process(
  COMMAND ${BISON} --no-lines -Wall -Werror=conflicts-sr,conflicts-rr
          --report=states,itemsets,lookaheads --report-file=grammaire.output
          -o grammaire.cc --header=grammaire.h ${GRAMMAIRE}
  RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
  file(REMOVE ${sorties})
  message(FATAL_ERROR "bison failed on ${GRAMMAIRE}")
endif()

foreach(sortie ${sorties})
  file(READ ${sortie} texte)
  string(REGEX REPLACE "^/\\* A Bison parser, made by GNU Bison [0-9.]+\\.  \\*/"
         "/* A Bison parser, made by GNU Bison.  */" texte "${texte}")
  string(REGEX REPLACE "\n#define YYBISON [0-9]+\n" "\n#define YYBISON 1\n" texte "${texte}")
  string(REGEX REPLACE "\n/\\* Bison version string\\.  \\*/\n#define YYBISON_VERSION \"[^\"]*\"\n\n" "\n" texte "${texte}")
  file(WRITE ${sortie} "${texte}")
endforeach()
