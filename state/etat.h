// The shared analysis state: one process-wide record, grouped by owner. Each
// group is defined by the subsystem whose rules govern it; this record only
// puts them together. Its initial values are those of a new process.
#pragma once

#include "diagnostics/etat_diagnostics.h"
#include "measure/etat_mesure.h"
#include "meter/etat_metre.h"
#include "parser/etat_analyseur.h"
#include "scanner/etat_position.h"
#include "scanner/etat_scanner.h"

struct EtatAnalyse {
  Position position;            // where the scanner stands in the text
  EtatDiagnostics diagnostics;  // current code, repeat state, exit report, message buffer
  EtatScanner scanner;          // meter change read, open group, piece history
  EtatAnalyseur analyseur;      // end of the analysis and the group just reduced
  EtatMesure mesure;            // beats of the current measure, beat accumulator, end by count
  EtatMetre metre;              // meter in force
};

extern EtatAnalyse etat;
// A fresh analysis starts from reinitialise_etat (driver/execution.h), which
// puts this record and each module's working state back to these values.
