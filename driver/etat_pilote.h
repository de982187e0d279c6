// The run driver's part of the shared analysis state.
#pragma once

#include <cstdint>

// The checker always runs in interactive mode: a run ended early still gives
// its exit report, and the end of the input is reported as such.
inline constexpr bool mode_interactif() { return true; }

struct EtatPilote {
  int16_t finAnalyse = 0;  // the analysis stops after the current piece
  int16_t mesureInachevée = 0;  // the text ended inside a measure: reported once, the run fails
};
