// The semantic actions' part of the shared analysis state.
#pragma once

#include <cstdint>

struct EtatAnalyseur {
  int32_t finMesureAuto = 0;     // 2: the scanner ends a measure by count; 1: re-armed at release; 0: off
  int32_t nbElementsGroupe = 0;  // elements of the group body just reduced, 2 to 7
  int16_t groupeIrregulier = 0;  // the elements of that group do not all have the same value
};
