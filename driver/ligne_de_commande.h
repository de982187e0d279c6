// The words of the command line, checked before anything else runs: the
// console and the runs inside the process (tests, the web page) read them
// through the same routine, and get the same verdict and the same message.
#pragma once

#include <cstdint>
#include <string>

// The word that was refused, if any.
enum class MotFautif : int {
  aucun = 0,
  numérateur = 1,     // the first word of a meter
  dénominateur = 2,   // the second
  décomposition = 3,  // the third
};

struct LigneDeCommande {
  enum class Demande {
    analyse,  // check the text on standard input
    aide,     // --help or -h alone: the usage text on standard output, status 0
    version,  // --version alone: the version on standard output, status 0
    refus,    // a word is refused: `message` on standard error, status 1
  };
  Demande demande = Demande::analyse;
  bool metre = false;           // a meter is given (two or three words)
  int32_t numérateur = 0;       // 1 to 99
  int32_t dénominateur = 0;     // 1 to 99
  int16_t décomposition = 0;    // the third word, or 0
  MotFautif mot_fautif = MotFautif::aucun;  // which word was refused
  std::string message;          // refus: the whole text for standard error, Latin-1 bytes
  std::size_t debut_du_mot = 0;  // refus: where the user's own bytes stand in `message`,
  std::size_t fin_du_mot = 0;    // to be written as they are, never converted
};

// Reads argv[1..argc-1] (argv[0] is the program's name). Writes nothing.
LigneDeCommande lit_ligne_de_commande(int argc, const char* const* argv);

// The texts of --help and --version, Latin-1.
const char* texte_aide();
const char* texte_version();
