// The verdict on a text, in one place for every reader of the records: checked
// whole and without a fault (✔), or not (✖), with the reports counted by
// kind, the faulty measures, whether a double bar of the text ended the
// analysis, and the exit status the console returns. It is never ✔ for a
// text the console ends with status 1, nor while a fault is reported; an
// unfinished last measure and a group left open at the end are faults of
// their measure.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/catalogue.h"

// How a run ended, as its driver knows it; the collector watches the rest.
struct FinDuRun {
  int statut = 0;          // the exit status
  int32_t code_final = 0;  // the current error code when the run ended
  int mot_refuse = -1;     // the command-line word refused, counted from 0 (the numerator), or -1
  std::string refus;       // its usage message (Latin-1)
  std::string fatal;       // the message of the internal failure that ended the run, if any
};

// Nature::fin is the last kind.
inline constexpr std::size_t nombre_de_natures = static_cast<std::size_t>(Nature::fin) + 1;

// Whether a report of this kind is a fault of its measure: a fault, a
// correction of the notation, or the end of the analysis in error (the text
// ended inside a measure or a group, or the analysis stopped). Advice and
// notes on the meter are not.
bool est_une_faute(Nature nature);

struct Verdict {
  bool reussite = false;  // ✔
  int statut = 0;         // the exit status the console returns
  // The reports by kind (in the order of Nature), those the records leave
  // out included.
  std::array<std::size_t, nombre_de_natures> par_nature{};
  std::vector<int32_t> mesures_fautives;  // ascending, each once
  bool double_barre = false;              // a double bar of the text ended the analysis

  // Each report, as it is made.
  void compte(Nature nature, int32_t mesure);
  // The run is over.
  void conclut(const FinDuRun& fin);
};
