// The semantic actions' part of the shared analysis state.
#pragma once

#include <cstdint>

struct EtatAnalyseur {
  int16_t finAnalyse = 0;        // the analysis stops after the current piece
  int32_t nbElementsGroupe = 0;  // elements of the group body just reduced, 2 to 7
  int16_t groupeIrregulier = 0;  // the elements of that group do not all have the same value
};
