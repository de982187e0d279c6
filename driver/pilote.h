// The run driver: the command line, the analysis loop, the exit status.
#pragma once

struct LigneDeCommande;

// Runs one whole analysis of the text on the scanner's input; argv[0] is the
// program's name. Returns the exit status. The words are checked first
// (ligne_de_commande.h); when lue is given, it receives the verdict.
int execute_pilote(int argc, const char* const* argv, LigneDeCommande* lue = nullptr);
