// Rhythms for dictation, written by the page from a seed, so that a teacher
// can give the same one to a class: at a level (what values may appear), in
// a meter, over 2 to 8 measures, ending on a strong beat with the final
// double bar. Every rhythm is checked by the checker before it is offered:
// one it would report anything about (but the meter it infers) is drawn again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The levels, each adding to the one before.
enum class Niveau : int32_t {
  noires_croches = 1,  // quarters and eighths
  doubles,             // sixteenths
  points,              // dotted values
  liaisons,            // ties across the beat, one a measure
  silences,            // rests
  triolets,            // triplets (duplets in compound meters)
  contretemps,         // ties into and out of every beat
};
constexpr int32_t niveau_max = 7;

// The meters offered, with the command-line words that count them as a
// musician does (3/4 in three quarter-note beats).
struct MetreDictee {
  const char* nom;                 // "3/4"
  std::vector<std::string> mots;   // "3", "4", "1"
};
const std::vector<MetreDictee>& metres_de_dictee();

struct Dictee {
  std::string texte;               // the rhythm, as the notation writes it
  std::vector<std::string> mots;   // the meter's words
  int32_t tirages = 0;             // drawings the checker refused before this one
};

// metre: an index in metres_de_dictee(); mesures: 2 to 8 (clamped). The same
// arguments give the same rhythm on every machine.
Dictee genere_dictee(int32_t niveau, std::size_t metre, int32_t mesures, uint64_t graine);

// The checker's verdict on a text: checked to its double bar with nothing to
// say but the meter it may infer.
bool sans_remarque(const std::string& texte, const std::vector<std::string>& mots);
