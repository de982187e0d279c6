// The meter subsystem's operations offered to the others.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/etat.h"

// No meter is in force yet: none given, none inferred.
inline bool metre_inconnu() { return etat.metre.valTps == valTps_sans_metre; }

// The meter in force as it is written, n / d: a compound meter is shown in
// its sub-beats (two beats of 24 quads read 6 / 8). A part not known yet
// while no meter is in force is marked so. A beat smaller than its
// sub-beats is fatal.
struct MetreEcrit {
  bool numerateurConnu;
  int32_t numerateur;
  bool denominateurConnu;
  int32_t denominateur;
};
MetreEcrit metre_ecrit();

// Prints the two-line description of the meter in force on standard output.
void affiche_indications_mesure();
// When set, called with that description as it is printed (the records of
// an analysis set it, recueil/; the program leaves it unset).
extern void (*temoin_description)(std::string_view texte);
// Sets the meter n / d; demande asks for a decomposed meter.
void fixe_mesure(int32_t n, int32_t d, int16_t demande);
// Infers the meter from the opening measure: nombreTps beats worth totalEnQuad.
// False, with the reason reported and no meter set, when the meter found
// would have more than nbrTps_max beats.
bool fixe_mesure_initiale(int32_t nombreTps, int32_t totalEnQuad, int16_t demande);
