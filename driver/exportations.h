// The console's exports: the options that ask for them, before the meter's
// words (--musicxml FILE, --midi FILE, --tempo N; "-" for standard output,
// in the listing's place), and the files written from the run's records once
// the check is over.
#pragma once

#include <string>

#include "musique/piece.h"
#include "recueil/recueil.h"

struct Exportations {
  std::string musicxml;  // the file asked for, "-" for standard output; empty when none is
  std::string midi;
  int tempo = 60;        // quarter notes per minute

  bool demandees() const { return !musicxml.empty() || !midi.empty(); }
  bool sur_la_sortie() const { return musicxml == "-" || midi == "-"; }
};

// Reads the options at the start of argv[1..argc-1] into e. Returns how many
// words they take, or -1 when one is refused: refus then holds the message
// for standard error (Latin-1).
int lit_exportations(int argc, const char* const* argv, Exportations& e, std::string& refus);

// Called before the run whose records are exported. Mapping memory is the
// largest cost of an export (on a virtual machine, some 10 microseconds a
// page): what that run frees (its map of the text, its notes) stays in the
// process, where the piece and the exports take it again, and the heap its
// records will take is asked for in huge pages.
void prepare_les_exportations();

// Writes the exports from the records of a text checked and the piece they
// make (lis_piece; the caller runs none for a word refused or --help). Of
// the records only the reports are read (the console hands them on without
// their signs and measures listed, once the piece is read). False when a
// file could not be written: the reason is then on standard error.
bool ecrit_exportations(const Exportations& e, const Recueil& recueil, const Piece& piece);
