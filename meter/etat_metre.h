// The meter in force. valTps = 9999 (and nbrTps = 99) until a meter is set or
// inferred.
#pragma once

#include <array>
#include <cstdint>

// Most groups one decomposition of Essai can hold, terminating 0 included: a
// decomposition makes at most 20 calls and each writes at most one entry.
inline constexpr int32_t capacite_combinaison = 20;

struct EtatMetre {
  int32_t nbrTps = 99;               // beats per measure
  int32_t valTps = 9999;             // quads per beat; 9999 = no meter known
  int32_t ennaire = 0;               // base of the meter: 2, 3, 5 or 7; 0 = none
  int16_t composée = 0;              // each beat is made of ennaire sub-beats
  int16_t demandeDécomposition = 0;  // the command line asked for a decomposed meter
  int32_t appelsEssai = 0;           // calls made by Essai's current decomposition
  int32_t positionEssai = 0;         // where Essai writes its next group
  int32_t multiplicateurEssai = 7;   // Essai's current multiplier k, 7 down to 1
  std::array<int32_t, capacite_combinaison> combinaison{};  // Essai's groups, ended by a 0
};
