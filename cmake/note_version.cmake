# Records in cmake/generated.cmake the version of the tool that made the
# committed copies (target regenere):
#   cmake -DFICHIER=cmake/generated.cmake -DOUTIL=tool -DVERSION=version -P note_version.cmake
file(READ ${FICHIER} texte)
string(REGEX REPLACE "set\\(RYTHME_VERSION_${OUTIL} \"[^\"]*\"\\)" "set(RYTHME_VERSION_${OUTIL} \"${VERSION}\")"
       nouveau "${texte}")
if(NOT nouveau STREQUAL texte)
  file(WRITE ${FICHIER} "${nouveau}")
  message(STATUS "The committed ${OUTIL} sources are now made by ${OUTIL} ${VERSION} (${FICHIER})")
endif()
