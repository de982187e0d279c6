// The meter of a text that gives none, inferred from its opening measure.
#include <cstdint>

#include "diagnostics/fatal.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "measure/internes.h"
#include "measure/mesure.h"
#include "meter/metre.h"

void evalue_fixe_mesure_initiale() {
  EtatMesure& m = etat.mesure;
  if (m.dejaEvaluee) erreur_fatale("evalue_fixe_mesure_initiale : erreur de programmation (une seule fois)\n");
  m.dejaEvaluee = 1;
  if (m.numeroMesure != 1) signale_erreur("Attention, mesure sans indications de mesure");
  if (m.nt == 0) erreur_fatale("evalue_fixe_mesure_initiale : erreur de programmation ( nt = 0 )\n");
  const int64_t somme = somme_des_temps();
  fixe_mesure_initiale(m.nt, en_32_bits(somme), etat.metre.demandeDécomposition);
  // The opening measure is brought to the meter's count: empty beats are
  // added, or the beats past it are dropped.
  while (m.nt < etat.metre.nbrTps) ajoute_temps_vide();
  libere_temps_depuis(etat.metre.nbrTps);
  m.nt = etat.metre.nbrTps;
  etat.analyseur.finMesureAuto = 1;
}
