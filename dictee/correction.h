// A dictation graded: what the student wrote against the rhythm played,
// beat by beat of the rhythm played, by what sounds and not by how it is
// spelled: each note's onset and length (tied notes as one), each rest's
// place (rests in a row as one). "!_[" and "!." are the same; "[[" and "!"
// are not. A measure of the student's that does not add up keeps the
// checker's own report; its beats are graded like the others, by time.
#pragma once

#include <cstdint>
#include <vector>

#include "musique/fraction.h"
#include "recueil/recueil.h"

struct TempsCorrige {
  int32_t mesure;      // the measure and beat of the rhythm played
  int32_t temps;
  Fraction debut;      // in quads from the start
  bool juste;
  Octets octets;       // the student's characters that sound in it (empty if none)
};

struct Correction {
  std::vector<TempsCorrige> temps;
  int32_t justes = 0;            // beats right
  int32_t premier_faux = -1;     // the first wrong beat's index, -1 when all are right
  bool autre_graphie = false;    // all right, but written another way than the original
};

Correction corrige(const Recueil& original, const Recueil& copie);
