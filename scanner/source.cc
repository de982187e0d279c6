#include "scanner/source.h"

// Stand-in until the input layer lands: records where the text comes from.
namespace {
int descripteur_source = 0;
const char* memoire_source = nullptr;
std::size_t taille_source = 0;
}  // namespace

void source_depuis_descripteur(int descripteur) {
  descripteur_source = descripteur;
  memoire_source = nullptr;
  taille_source = 0;
}

void source_depuis_memoire(const char* octets, std::size_t n) {
  descripteur_source = -1;
  memoire_source = octets;
  taille_source = n;
}

void reinitialise_source() { source_depuis_descripteur(0); }
