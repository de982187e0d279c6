// Whole runs of the checker: the console's, on what the input layer reads,
// and one inside the process, as the program would run it: the words of the
// command line and the bytes of standard input in, the bytes of both streams
// and the exit status out (tests, the fuzzing harness, the web page). Either
// can be recorded (recueil/): the console's by asking for its records, one in
// memory by arming a collector around it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "driver/ligne_de_commande.h"
#include "recueil/recueil.h"

struct Execution {
  std::string sortie;  // bytes written on standard output
  std::string erreur;  // bytes written on standard error
  int statut = 0;      // exit status
  // A command-line word refused: which one, and the usage message written on
  // standard error (Latin-1); aucun and empty otherwise.
  MotFautif mot_fautif = MotFautif::aucun;
  std::string refus;
  // The current error code when the run ended: $6021 or $6022 when the text
  // ran out before any double bar ended the analysis.
  int32_t code_final = 0;
  std::string fatal;   // the internal failure's message that ended the run, if any

  // How it ended, for its records.
  FinDuRun fin() const;
};

// mots: the command-line words after the program's name.
Execution execute_en_memoire(const std::vector<std::string>& mots, std::string_view entree);

// The console's run, as the program makes it once main has put the streams
// and the input in place: argv[0] is the program's name. Returns the exit
// status, a write that failed included. When lue is given, it receives the
// command line's verdict (ligne_de_commande.h).
int execute_console(int argc, const char* const* argv, LigneDeCommande* lue = nullptr);
// The same run, recorded for the exports: the analysis watched as the input
// streams in (its bytes kept as read), and its records built at the end (the
// beats' bytes left out). Defined in a file of
// its own (execution_recueillie.cc), so that a program that never records
// links none of the records' code, which would change how the compiler
// inlines the routines they share with the analysis.
int execute_console(int argc, const char* const* argv, Recueil& recueil);

// Where every analysis starts, the program's own as well as each run inside
// the process (tests, the fuzzing harness, the web page): the shared record
// and the working state each module keeps for itself (the input layer and
// token buffer, the matcher's start condition, Essai's values, an
// unrecognised run being reported and the scanner's hook in the report
// routine, the beat records kept for reuse) back to the values of a new
// process. What belongs to the process rather than to an analysis is set by
// whoever runs it and stays: the streams' destinations, how a fatal error
// ends, the exit handler once registered, and a scripted token source.
void reinitialise_etat();
