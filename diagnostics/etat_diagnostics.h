// The diagnostics' part of the shared analysis state: the current error code,
// the repeat state of the reports, the exit report's switch, and the shared
// buffer in which messages with variable parts are composed.
#pragma once

#include "diagnostics/catalogue.h"

#include <cstdint>
#include <string>

struct EtatDiagnostics {
  int32_t codeCourant = err::aucune_erreur;  // the current error code; $0000 = no error
  int32_t dernierCode = -1;           // code of the last report printed or suppressed; -1 = none
  int32_t nbRepetitions = 0;          // reports in a row with that code suppressed so far
  int32_t limiteRepetitions = 10;     // most repeats suppressed before one is printed again
  int16_t rapportDeSortieArme = 0;    // the exit report prints at exit
  std::string message;                // shared message buffer (Latin-1), grows as needed
};
