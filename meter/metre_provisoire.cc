// Stand-in until the meter subsystem lands.
#include "diagnostics/fatal.h"
#include "driver/etat.h"
#include "meter/metre.h"

void affiche_indications_mesure() {}

void fixe_mesure(int32_t n, int32_t d, int16_t) {
  if (n < 1 || n > 99) erreur_fatale("fixe_mesure : erreur de programmation, nombre de temps non entre 1..99\n");
  etat.metre.nbrTps = n;
  etat.metre.valTps = d > 0 ? 64 / d : 16;
  etat.metre.ennaire = 2;
}

void fixe_mesure_initiale(int32_t nombreTps, int32_t totalEnQuad, int16_t) {
  etat.metre.nbrTps = nombreTps;
  etat.metre.valTps = totalEnQuad / nombreTps;
  etat.metre.ennaire = 2;
}
