// The ladders meters are built from: the meter denominators and the 24 values
// a beat may have (64 / d for a denominator d, and their dotted, double-dotted
// and dotted-plus-plain kin), with their rounding thresholds, and the small
// routines that test, round and step along them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "notation/valeurs.h"

// A strictly increasing table of values; its last entry is back().
using Echelle = std::span<const int32_t>;

inline constexpr std::array<int32_t, 7> dénominateurs{1, 2, 4, 8, 16, 32, 64};
// Entry i splits the gap between dénominateurs i and i + 1.
inline constexpr std::array<int32_t, 6> seuils_dénominateurs{1, 3, 6, 12, 24, 48};

// The 24 values a beat may have, in quads, as a ladder (valeurs.h holds them).
inline constexpr std::array<int32_t, valeurs_de_temps.size()> dénominateurs_renversés = [] {
  std::array<int32_t, valeurs_de_temps.size()> r{};
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = valeurs_de_temps[i].quads;
  return r;
}();
// Entry i splits the gap between dénominateurs_renversés i and i + 1.
inline constexpr std::array<int32_t, 23> seuils_renversés{
    1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 15, 18, 22, 26, 30, 36, 44, 52, 60, 72, 88, 104, 136};

// 1 when v is one of the ladder's entries, else 0.
int16_t appartient(int32_t v, Echelle échelle);
// Position of v in the ladder, or -1.
int32_t position_dans(int32_t v, Echelle échelle);
// The base (2, 3, 5 or 7) of a beat value; a value off the 24 is fatal.
int32_t en(int32_t v);
// The ladder entry v rounds to: up only beyond the threshold of its gap.
int32_t échelonne(int32_t v, Echelle échelle, std::span<const int32_t> seuils);
// The entry after v; past the end, reported, the last entry plus 1.
int32_t dénominateur_suivant(int32_t v, Echelle échelle);
// The entry before v; before the start, reported, the first entry minus 1.
int32_t dénominateur_prédédent(int32_t v, Echelle échelle);
// Most groups one decomposition of Essai can hold, terminating 0 included: a
// decomposition makes at most 20 calls and each writes at most one entry.
inline constexpr int32_t capacite_combinaison = 20;

// Splits n into groups of sevens, fives and threes in decreasing order and a
// remainder of 1 to 7, ended by a 0. début = 1 starts a new decomposition.
const int32_t* Essai(int32_t n, int16_t début);
// Calls made by Essai's last decomposition.
int32_t appels_essai();
// Essai's working values back to those of a new process.
void reinitialise_essai();
