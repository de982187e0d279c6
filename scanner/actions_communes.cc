#include <cstring>

#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "scanner/actions.h"
#include "scanner/non_reconnue.h"
#include "scanner/position.h"
#include "scanner/scanner.h"
#include "scanner/tampon.h"

void raz_diagnostic() {
  signale_non_reconnue();
  etat.diagnostics.codeCourant = 0x0000;
  etat.diagnostics.dernierCode = -1;
}

void rend_texte(const char* texte) {
  for (std::size_t i = std::strlen(texte); i > 0; --i) rend_caractere(static_cast<unsigned char>(texte[i - 1]));
}

void avale_jeton() {
  etendue_du_jeton();
  applique_etendue();
}

int32_t lignes_des_tabulateurs_verticaux() {
  int32_t lignes = 0;
  for (int32_t i = 0; i < longueur_jeton(); ++i) lignes += tabv(etat.position.numeroLigne + lignes);
  if (etat.position.numeroColonne != 1) {
    raz_diagnostic();
    signale_erreur("le tabulateur vertical n'est pas dans la colonne n° 1."_l1);
  }
  return lignes;
}
