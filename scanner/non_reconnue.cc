#include "scanner/non_reconnue.h"

#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "scanner/scanner.h"

namespace {
bool signalement_en_cours = false;  // the run is being reported: moving past it must not report it again
}

void signale_non_reconnue() {
  if (etat.diagnostics.codeCourant != 0x5000 || signalement_en_cours) return;
  signalement_en_cours = true;
  signale_erreur("trame de caractères (monème, lexème) non-reconnue."_l1);
  Position& p = etat.position;
  const int32_t largeur = p.largeurCouverte;
  p.largeurCouverte = 0;
  // Moving past the run can bring the column to 0, whose warning flushes the
  // run first: the code is still $5000, and without the guard the run would
  // be reported again and again.
  avance_colonne(largeur);
  signalement_en_cours = false;
}
