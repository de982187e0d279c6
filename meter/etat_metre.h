// The meter in force. valTps = 9999 (and nbrTps = 99) until a meter is set or
// inferred.
#pragma once

#include <cstdint>

struct EtatMetre {
  int32_t nbrTps = 99;               // beats per measure
  int32_t valTps = 9999;             // quads per beat; 9999 = no meter known
  int32_t ennaire = 0;               // base of the meter: 2, 3, 5 or 7; 0 = none
  int16_t composée = 0;              // each beat is made of ennaire sub-beats
  int16_t demandeDécomposition = 0;  // the command line asked for a decomposed meter
};
