// The notation's values: what each value letter is worth, and the 24 values a
// beat may have with their base, their spelling and their name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "io/latin1.h"

struct ValeurLettre {
  char lettre;    // how the value is written
  int32_t quads;  // its plain value
  bool silence;   // a rest, not a note
};

// The seven notes, whole to sixty-fourth, then the rests of the same values.
inline constexpr std::array<ValeurLettre, 14> valeurs_lettres{{
    {'o', 64, false}, {'d', 32, false}, {'!', 16, false}, {'[', 8, false}, {'f', 4, false},
    {'t', 2, false},  {'q', 1, false},  {'-', 64, true},  {'=', 32, true}, {'<', 16, true},
    {'>', 8, true},   {'k', 4, true},   {'x', 2, true},   {'w', 1, true},
}};

// What each byte is worth as a value letter: 0 quads and no rest for a byte
// that is not one.
struct ValeurOctet {
  int32_t quads;  // its plain value
  bool silence;   // a rest, not a note
};
inline constexpr std::array<ValeurOctet, 256> valeurs_des_octets = [] {
  std::array<ValeurOctet, 256> t{};
  for (const ValeurLettre& v : valeurs_lettres) t[static_cast<unsigned char>(v.lettre)] = {v.quads, v.silence};
  return t;
}();

// The plain value of a letter in quads, 0 for a byte that is not a value.
constexpr int32_t quads_de_lettre(unsigned char octet) { return valeurs_des_octets[octet].quads; }

// Whether a value letter is a rest.
constexpr bool est_un_silence(unsigned char octet) { return valeurs_des_octets[octet].silence; }

struct ValeurDeTemps {
  int32_t quads;        // the beat value
  int32_t ennaire;      // its base: 2, 3, 5 or 7
  const char* graphie;  // how it is written, one to three characters
  const char* nom;      // how the meter description names it
};

// The 24 values a beat may have, increasing: 64 / d for a denominator d, their
// dotted and double-dotted kin, and the forms value, dot, value ("t.t" ...
// "o.o"), a dotted value followed by the same value undotted: two and a half
// times the value.
inline constexpr std::array<ValeurDeTemps, 24> valeurs_de_temps{{
    {1, 2, "q", "à la quadruple croche"_l1},
    {2, 2, "t", "à la triple croche"_l1},
    {3, 3, "t.", "à la triple croche pointée"_l1},
    {4, 2, "f", "à la double croche"_l1},
    {5, 5, "t.t", "à la triple croche pointée, triple croche"_l1},
    {6, 3, "f.", "à la double croche pointée"_l1},
    {7, 7, "f..", "à la double croche doublement pointée"_l1},
    {8, 2, "[", "à la croche"_l1},
    {10, 5, "f.f", "à la double croche pointée, double croche"_l1},
    {12, 3, "[.", "à la croche pointée"_l1},
    {14, 7, "[..", "à la croche doublement pointée"_l1},
    {16, 2, "!", "à la noire"_l1},
    {20, 5, "[.[", "à la croche pointée, croche"_l1},
    {24, 3, "!.", "à la noire pointée"_l1},
    {28, 7, "!..", "à la noire doublement pointée"_l1},
    {32, 2, "d", "à la blanche"_l1},
    {40, 5, "!.!", "à la noire pointée, noire"_l1},
    {48, 3, "d.", "à la blanche pointée"_l1},
    {56, 7, "d..", "à la blanche doublement pointée"_l1},
    {64, 2, "o", "à la ronde"_l1},
    {80, 5, "d.d", "à la blanche pointée, blanche"_l1},
    {96, 3, "o.", "à la ronde pointée"_l1},
    {112, 7, "o..", "à la ronde doublement pointée"_l1},
    {160, 5, "o.o", "à la ronde pointée, ronde"_l1},
}};

// The beat value of quads v, or nullptr when v is not one of the 24.
constexpr const ValeurDeTemps* valeur_de_temps(int32_t v) {
  for (const ValeurDeTemps& t : valeurs_de_temps)
    if (t.quads == v) return &t;
  return nullptr;
}

// The spelling of a beat value, or nullptr when v is not one of the 24.
constexpr const char* graphie_de_valeur(int32_t v) {
  const ValeurDeTemps* t = valeur_de_temps(v);
  return t != nullptr ? t->graphie : nullptr;
}
