# Writes the worker's script: the parts given, one after the other, inside one
# function, travailleurRythme, whose text the page starts as a Web Worker (a
# page opened from file:// may not load a worker from a file).
#   cmake -DSORTIE=out.js -DPARTIES="a.js;b.js" -P travailleur.cmake
set(corps "")
foreach(partie ${PARTIES})
  file(READ ${partie} texte)
  string(APPEND corps "${texte}\n")
endforeach()
file(WRITE ${SORTIE}.tmp
  "// Written by web/travailleur.cmake: the checker's module, the bridge and the worker's loop.\n"
  "function travailleurRythme() {\n${corps}}\n")
file(RENAME ${SORTIE}.tmp ${SORTIE})
