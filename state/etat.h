// The shared analysis state: one process-wide record, grouped by owner. Each
// group is defined by the subsystem whose rules govern it; this record only
// puts them together. Its initial values are those of a new process.
#pragma once

#include "diagnostics/etat_diagnostics.h"
#include "driver/etat_pilote.h"
#include "measure/etat_mesure.h"
#include "meter/etat_metre.h"
#include "parser/etat_analyseur.h"
#include "scanner/etat_position.h"
#include "scanner/etat_scanner.h"

struct EtatAnalyse {
  Position position;            // where the scanner stands in the text
  EtatDiagnostics diagnostics;  // current code, repeat state, exit report, message buffer
  EtatScanner scanner;          // meter change read, beat accumulator, piece history
  EtatPilote pilote;            // end of the analysis
  EtatAnalyseur analyseur;      // count mechanism and the group just reduced
  EtatMesure mesure;            // beats of the current measure
  EtatMetre metre;              // meter in force
};

extern EtatAnalyse etat;

// Puts the whole record, and the working state each module keeps for itself
// (the input layer and token buffer, the matcher's start condition, Essai's
// values, an unrecognised run being reported, the beat records kept for
// reuse), back to the values of a new process: tests and the fuzzing harness
// run many analyses in one process. What belongs to the process rather than
// to an analysis is set by whoever runs it and stays: the streams'
// destinations, how a fatal error ends, the exit handler once registered, and
// a scripted token source.
void reinitialise_etat();
