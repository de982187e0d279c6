// Helpers shared by the measure routines, not offered to the other subsystems.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Records a beat of value 0 and empty text (a beat covered by a longer value,
// or one added to bring a measure to its count), leaving graphieTps alone.
void ajoute_temps_vide();
// The sum of the values of the beats recorded in the current measure.
int64_t somme_des_temps();
// Frees the records of slots debut to nt - 1 and empties those slots.
void libere_temps_depuis(int32_t debut);

// A sum brought back to 32 bits, held at the bounds rather than wrapped: the
// values of a huge opening measure add up past them.
inline int32_t en_32_bits(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
