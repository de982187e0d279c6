# Writes the module of the shipped examples (examples/*.txt, with the command
# line examples/README.md gives each one), which the page's bundle imports.
#   cmake -DEXEMPLES=dir -DSORTIE=exemples.js -P exemples.cmake
# Each text is written as a JavaScript string of its bytes, one character per
# byte (Latin-1), so any byte survives.
cmake_policy(SET CMP0007 NEW)

# A JavaScript string literal of the bytes of a file.
function(chaine_js fichier resultat)
  file(READ ${fichier} hex HEX)
  string(LENGTH "${hex}" n)
  set(js "")
  set(i 0)
  while(i LESS n)
    string(SUBSTRING "${hex}" ${i} 2 octet)
    math(EXPR valeur "0x${octet}")
    # Letters, digits and the printing signs but the quote and the backslash
    # stay as they are; every other byte is escaped.
    if(valeur GREATER_EQUAL 32 AND valeur LESS 127 AND NOT valeur EQUAL 34 AND NOT valeur EQUAL 92)
      string(ASCII ${valeur} c)
      string(APPEND js "${c}")
    else()
      string(APPEND js "\\x${octet}")
    endif()
    math(EXPR i "${i} + 2")
  endwhile()
  set(${resultat} "\"${js}\"" PARENT_SCOPE)
endfunction()

# The command of each example, from the table of examples/README.md:
# | `valse.txt` | `rythme 3 4 1 < valse.txt` | what it shows |
# Semicolons and square brackets would cut or bind CMake's lists: they travel
# as placeholders until the line is read.
file(READ ${EXEMPLES}/README.md contenu)
string(REPLACE ";" "<pv>" contenu "${contenu}")
string(REPLACE "[" "<co>" contenu "${contenu}")
string(REPLACE "]" "<cf>" contenu "${contenu}")
string(REPLACE "\n" ";" lignes "${contenu}")
list(FILTER lignes INCLUDE REGEX "^\\| `[^`]+\\.txt` \\| `rythme")
set(entrees "")
foreach(ligne ${lignes})
  string(REPLACE "<pv>" ";" ligne "${ligne}")
  string(REPLACE "<co>" "[" ligne "${ligne}")
  string(REPLACE "<cf>" "]" ligne "${ligne}")
  if(NOT ligne MATCHES "^\\| `([^`]+)` \\| `rythme ?([^<`]*)<[^`]*` \\| (.*) \\|$")
    message(FATAL_ERROR "examples/README.md: unreadable line: ${ligne}")
  endif()
  set(nom ${CMAKE_MATCH_1})
  string(STRIP "${CMAKE_MATCH_2}" mots)
  set(quoi "${CMAKE_MATCH_3}")
  string(REPLACE "\\" "\\\\" quoi "${quoi}")
  string(REPLACE "\"" "\\\"" quoi "${quoi}")
  string(REPLACE "`" "" quoi "${quoi}")
  if(mots STREQUAL "")
    set(liste "")
  else()
    string(REPLACE " " "\", \"" liste "\"${mots}\"")
  endif()
  if(NOT EXISTS ${EXEMPLES}/${nom})
    message(FATAL_ERROR "examples/README.md names ${nom}, which is not there")
  endif()
  chaine_js(${EXEMPLES}/${nom} texte)
  string(APPEND entrees "  { nom: \"${nom}\", mots: [${liste}], quoi: \"${quoi}\",\n    texte: ${texte} },\n")
endforeach()
if(entrees STREQUAL "")
  message(FATAL_ERROR "no example found in examples/README.md")
endif()

file(WRITE ${SORTIE}.tmp
  "// Written by web/exemples.cmake from examples/.\n"
  "export const EXEMPLES = [\n${entrees}];\n")
file(RENAME ${SORTIE}.tmp ${SORTIE})
