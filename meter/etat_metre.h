// The meter in force. valTps = valTps_sans_metre (and nbrTps =
// nbrTps_sans_metre) until a meter is set or inferred.
#pragma once

#include <cstdint>

// The most beats per measure of any meter: given on the command line or in
// the text, or inferred from the opening measure.
inline constexpr int32_t nbrTps_max = 99;
// The beats per measure and quads per beat while no meter is known.
inline constexpr int32_t nbrTps_sans_metre = nbrTps_max;
inline constexpr int32_t valTps_sans_metre = 9999;

struct EtatMetre {
  int32_t nbrTps = nbrTps_sans_metre;  // beats per measure
  int32_t valTps = valTps_sans_metre;  // quads per beat
  int32_t ennaire = 0;               // base of the meter: 2, 3, 5 or 7; 0 = none
  int16_t composée = 0;              // each beat is made of ennaire sub-beats
  int16_t demandeDécomposition = 0;  // the command line asked for a decomposed meter
};
