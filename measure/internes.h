// Helpers shared by the measure routines, not offered to the other subsystems.
#pragma once

#include <cstdint>

// Records a beat of value 0 and empty text (a beat covered by a longer value,
// or one added to bring a measure to its count), leaving graphieTps alone.
void ajoute_temps_vide();
// The sum of the values of the beats recorded in the current measure.
int64_t somme_des_temps();
// Frees the records of slots debut to nt - 1 and empties those slots.
void libere_temps_depuis(int32_t debut);
