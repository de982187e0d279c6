// Writing out a value in the notation and recording it as a beat.
#include <cstdint>
#include <new>

#include "diagnostics/fatal.h"
#include "diagnostics/latin1.h"
#include "driver/etat.h"
#include "measure/graphies.h"
#include "measure/mesure.h"

namespace {

// The values a greedy pass takes off, largest first, each at most once a pass.
constexpr int32_t seuils[] = {112, 96, 80, 64, 56, 48, 40, 32, 28, 24, 20, 16, 14, 12, 10, 8};

// Passes that write nothing before the value is taken to be impossible (a
// negative one): a positive value not among the beat values is above 8, so
// every pass over it takes something off, however large it is.
constexpr int32_t passesSteriles = 1000;

// One greedy pass over what is left: true when it took something off.
bool passe_gloutonne(int32_t& reste, std::string& texte) {
  bool pris = false;
  for (const int32_t seuil : seuils) {
    if (reste > seuil) {
      texte += graphie_de_valeur(seuil);
      reste -= seuil;
      pris = true;
    }
  }
  return pris;
}

}  // namespace

// Appends a spelling of n quads and the beat-closing space to the beat being
// read, then records it. Any positive n is written out, beyond the largest
// beat value too (the room left in a wide measure).
void ajoute_temps_serie(int32_t n) {
  std::string& texte = etat.mesure.graphieTps;
  int32_t reste = n;
  int32_t steriles = 0;
  try {
    while (reste != 0) {
      if (const char* graphie = graphie_de_valeur(reste)) {
        texte += graphie;
        reste = 0;
      } else if (!passe_gloutonne(reste, texte) && ++steriles > passesSteriles) {
        erreur_fatalef("ajoute_temps_serie : erreur de programmation (val[Tps] %d)\n", n);
      }
    }
    texte += ' ';
  } catch (const std::bad_alloc&) {
    erreur_fatale("ajoute_temps : il n'y a plus assez de mémoire\n"_l1);
  }
  ajoute_temps(0);
}
