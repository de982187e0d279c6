#include <cstring>

#include "driver/etat.h"
#include "scanner/actions.h"
#include "scanner/non_reconnue.h"
#include "scanner/position.h"
#include "scanner/scanner.h"

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
