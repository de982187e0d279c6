// The scanner's part of the shared analysis state: the meter change just read,
// the open group and the history of piece-ending tokens. The matcher's own
// working state lives in regles.h (start condition) and io/source.h (token
// buffer); the beat accumulator is the measure's (measure/etat_mesure.h).
#pragma once

#include <cstdint>

struct HistoriqueTerminaux {
  int32_t ancien = 0;  // older of the last two piece-ending tokens
  int32_t recent = 0;  // newer one
  int32_t nombre = 0;  // entries held, 0 to 2
};

struct EtatScanner {
  int32_t numerateur = 0;                   // numerator of the meter change just scanned
  int32_t denominateur = 0;                 // its denominator
  int16_t dansGroupe = 0;                   // a group (tuplet) is open
  int32_t sommeGroupe = 0;                  // quads of the values inside the open group
  int32_t elementsGroupe = 0;               // number of values inside the open group
  int32_t chiffreGroupe = 0;                // the tuplet digit written after ')'
  HistoriqueTerminaux historiqueTerminaux;  // the last two piece-ending tokens
  int32_t dernierTerminal = 0;              // piece-ending token handed out by the last request, or 0
};
