// The semantic actions' part of the shared analysis state.
#pragma once

#include <cstdint>

// The end of a measure by count; its transitions are the routines of
// measure/mesure.h.
enum class FinParCompte : int32_t {
  arretee = 0,    // off: measures end at bars only
  a_rearmer = 1,  // a measure has just been closed by count or inferred: armed again at its release
  armee = 2,      // the scanner ends the measure by itself once its beats are all recorded
};

struct EtatAnalyseur {
  int16_t finAnalyse = 0;        // the analysis stops after the current piece
  FinParCompte finMesureAuto = FinParCompte::arretee;  // the end of a measure by count
  int32_t nbElementsGroupe = 0;  // elements of the group body just reduced, 2 to 7
  int16_t groupeIrregulier = 0;  // the elements of that group do not all have the same value
};
