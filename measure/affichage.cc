// The listing of a closed measure on standard output: one line per beat, then
// the number of beats and the measure's total.
#include <cstdint>

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
    sortie_printf("%d", metre.nbrTps * facteur);
  ecrit_sortie(" / ");
  if (metre.valTps == 9999) {
    ecrit_sortie("??");
  } else {
    const int32_t sousTemps = metre.valTps / facteur;
    if (sousTemps == 0) erreur_fatale("affiche_mesure : erreur de programmation (valTps / ennaire)\n");
    sortie_printf("%d", 64 / sousTemps);
  }
  ecrit_sortie("\t");
}

}  // namespace

void affiche_mesure(int32_t total) {
  const EtatMesure& m = etat.mesure;
  for (int32_t i = 0; i < m.nt; ++i) {
    const char* libelle = graphie_de_valeur(etat.metre.valTps);
    if (libelle == nullptr)
      erreur_fatalef("affiche_mesure : erreur de programmation (valTps %d)\n", etat.metre.valTps);
    sortie_printf("%-3s = %d\t%d\t", libelle, 60, m.numeroMesure - 1);
    affiche_metre();
    const Temps& temps = *m.tabTemps[static_cast<std::size_t>(i)];
    sortie_printf("%s\t%d\t", i % etat.metre.ennaire == 0 ? "F" : "f", i + 1);
    ecrit_sortie(temps.graphie.data(), temps.graphie.size());
    sortie_printf("\t=\t%d\n", temps.valeur);
  }
  sortie_printf("\t\tNombre de temps trouvé\t%d,\ttotaux\t=\t%d\n"_l1, m.nt, total);
}
