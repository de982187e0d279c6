#include "scanner/non_reconnue.h"

#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "scanner/scanner.h"

void signale_non_reconnue() {
  if (etat.diagnostics.codeCourant != 0x5000) return;
  signale_erreur("trame de caractères (monème, lexème) non-reconnue."_l1);
  Position& p = etat.position;
  const int32_t largeur = p.largeurCouverte;
  p.largeurCouverte = 0;
  avance_colonne(largeur);
}
