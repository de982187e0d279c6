// The semantic actions of the grammar that end beats and close measures, and
// the routines that build the canonical text of the beat being read.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/etat.h"

// Beat text and beat ends.
// Appends to the text of the beat being read.
inline void ajoute_graphie(std::string_view texte) { etat.mesure.graphieTps += texte; }
void ajoute_chiffre();                   // appends the tuplet digit written after ')'
void termine_temps_espace();             // a space ends the beat
void termine_temps();                    // the value just read fills the beat
void ajoute_temps_restant();             // a bar after a space: records what was read since

// Pieces and measures.
void change_de_mesure();                  // a meter change read as a piece
void termine_mesure(int32_t total, int lie);  // closes, lists and releases the measure
void ferme_par_compte();                  // the measure ends by count
void ferme_par_barre();                   // the measure ends at a bar; may infer the meter
