// Stand-ins until the measure routines land.
#include <cstdlib>

#include "driver/etat.h"
#include "measure/mesure.h"

void ajoute_temps(int32_t) { etat.mesure.graphieTps.clear(); ++etat.mesure.nt; }
void ajoute_temps_serie(int32_t) { ajoute_temps(0); }
void ajoute_des_temps() { ajoute_temps(0); }
int32_t reinterprete_temps(const char*) { return 0; }
void libere_mesure() {
  etat.mesure.nt = 0;
  if (etat.analyseur.finMesureAuto == 1) etat.analyseur.finMesureAuto = 2;
}
void ferme_mesure(int32_t, int) {}
void mesureB(int32_t) {}
void ajoute_barre() {}
void evalue_fixe_mesure_initiale() {}
void mesure_erreur() { std::abort(); }
void affiche_mesure(int32_t) {}
