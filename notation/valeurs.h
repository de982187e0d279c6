// The notation's values: what each value letter is worth, what its dots add,
// how many characters a dotted letter takes, what a tuplet makes of its
// values, and the 24 values a beat may have with their base, their spelling
// and their name. The scanner, the parser, the measure and the meter all take
// them from here.
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

// A value with dots: one dot adds half the value, two dots three quarters
// (integer halves and quarters).
template <typename Entier>
constexpr Entier quads_pointes(Entier quads, int32_t points) {
  if (points == 0) return quads;
  if (points == 1) return quads + quads / 2;
  return quads + quads / 2 + quads / 4;
}

// How many characters a value takes when written as one letter and its dots
// (1 to 3: "!", "!.", "!.."), 0 for a value that cannot be written so. A
// value that two spellings give takes the shorter one ("t." rather than
// "t..": a thirty-second's second dot adds nothing).
inline constexpr int32_t quads_d_une_lettre_max = 112;  // "o.."
inline constexpr std::array<int8_t, quads_d_une_lettre_max + 1> longueurs_des_valeurs = [] {
  std::array<int8_t, quads_d_une_lettre_max + 1> t{};
  for (int32_t points = 2; points >= 0; --points)
    for (const ValeurLettre& v : valeurs_lettres) t[quads_pointes(v.quads, points)] = static_cast<int8_t>(1 + points);
  return t;
}();
constexpr int32_t longueur_de_valeur(int32_t quads) {
  return quads >= 0 && quads <= quads_d_une_lettre_max ? longueurs_des_valeurs[quads] : 0;
}

// The value of a group of n elements whose plain values add up to somme: a
// duolet, quartolet or sextolet takes three halves, a triolet two thirds, a
// quintolet three fifths, a septolet four sevenths. The product is formed
// first, then divided, truncating toward zero; any other n gives 0.
constexpr int32_t valeur_groupe(int32_t somme, int32_t n) {
  switch (n) {
    case 2:
    case 4:
    case 6:
      return somme * 3 / 2;
    case 3:
      return somme * 2 / 3;
    case 5:
      return somme * 3 / 5;
    case 7:
      return somme * 4 / 7;
    default:
      return 0;
  }
}

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
