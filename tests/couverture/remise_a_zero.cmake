# Clears the counts of earlier runs before the suite runs:
#   cmake -DBINAIRES=build-dir -DDOSSIER=counts-dir -P remise_a_zero.cmake
file(GLOB_RECURSE compteurs ${BINAIRES}/*.gcda)
file(GLOB productions ${DOSSIER}/*)
if(compteurs OR productions)
  file(REMOVE ${compteurs} ${productions})
endif()
file(MAKE_DIRECTORY ${DOSSIER})
