// The listing of a closed measure on standard output: one line per beat, then
// the number of beats and the measure's total.
#include <cstdint>
#include <cstring>

#include "diagnostics/fatal.h"
#include "diagnostics/latin1.h"
#include "diagnostics/sortie.h"
#include "driver/etat.h"
#include "measure/graphies.h"
#include "measure/mesure.h"

namespace {

// The numerator and denominator of the meter in force, as written: a compound
// meter is shown in its sub-beats (two beats of 24 quads read 6 / 8).
void affiche_metre() {
  const EtatMetre& metre = etat.metre;
  if (metre.ennaire == 0) erreur_fatale("affiche_mesure : erreur de programmation (ennaire 0)\n");
  const int32_t facteur = metre.composée ? metre.ennaire : 1;
  if (metre.nbrTps == 99)
    ecrit_sortie("??");
  else
    ecrit_sortie_entier(metre.nbrTps * facteur);
  ecrit_sortie(" / ");
  if (metre.valTps == 9999) {
    ecrit_sortie("??");
  } else {
    const int32_t sousTemps = metre.valTps / facteur;
    if (sousTemps == 0) erreur_fatale("affiche_mesure : erreur de programmation (valTps / ennaire)\n");
    ecrit_sortie_entier(64 / sousTemps);
  }
  ecrit_sortie("\t");
}

}  // namespace

// Each line is written piece by piece rather than through printf: a long
// text lists hundreds of thousands of beats, and the listing is most of the
// program's output. The bytes are those of the formats "%-3s = %d\t%d\t",
// "%s\t%d\t", "%s" and "\t=\t%d\n".
void affiche_mesure(int32_t total) {
  const EtatMesure& m = etat.mesure;
  for (int32_t i = 0; i < m.nt; ++i) {
    const char* libelle = graphie_de_valeur(etat.metre.valTps);
    if (libelle == nullptr)
      erreur_fatalef("affiche_mesure : erreur de programmation (valTps %d)\n", etat.metre.valTps);
    const std::size_t largeur = std::strlen(libelle);
    ecrit_sortie(libelle, largeur);
    ecrit_sortie("   ", largeur < 3 ? 3 - largeur : 0);
    ecrit_sortie(" = 60\t");
    ecrit_sortie_entier(m.numeroMesure - 1);
    ecrit_sortie("\t");
    affiche_metre();
    const Temps& temps = *m.tabTemps[static_cast<std::size_t>(i)];
    ecrit_sortie(i % etat.metre.ennaire == 0 ? "F\t" : "f\t");
    ecrit_sortie_entier(i + 1);
    ecrit_sortie("\t");
    ecrit_sortie(temps.graphie.data(), temps.graphie.size());
    ecrit_sortie("\t=\t");
    ecrit_sortie_entier(temps.valeur);
    ecrit_sortie("\n");
  }
  sortie_printf("\t\tNombre de temps trouvé\t%d,\ttotaux\t=\t%d\n"_l1, m.nt, total);
}
