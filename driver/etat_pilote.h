// The run driver's part of the shared analysis state.
#pragma once

#include <cstdint>

struct EtatPilote {
  int16_t finAnalyse = 0;  // the analysis stops after the current piece
};
