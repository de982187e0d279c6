// Bars, double bars, tied bars and repeat signs.
#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "diagnostics/flux.h"
#include "driver/etat.h"
#include "parser/grammaire.h"
#include "scanner/actions.h"
#include "scanner/position.h"
#include "scanner/scanner.h"
#include "scanner/tampon.h"

// A lone carriage return is a bar, and takes the column back to 1.
int retour_chariot() {
  raz_diagnostic();
  fixe_etendue(0, 1 - etat.position.numeroColonne);
  return '|';
}

// A bar that is the last byte of the text is the final double bar.
int barre_seule() {
  etendue_du_jeton();
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) return DBL_BARRE;
  rend_caractere(suivant);
  return '|';
}

int barre(bool raz) {
  if (raz) raz_diagnostic();
  etendue_du_jeton();
  return '|';
}

int double_barre() {
  etendue_du_jeton();
  const int suivant = lit_caractere();
  if (suivant != fin_de_fichier) {
    etat.diagnostics.codeCourant = 0x5000;
    signale_erreur("double barre suivie d'un caractère non-reconnu."_l1);
    rend_caractere(suivant);
  }
  return DBL_BARRE;
}

int double_barre_blanc() {
  raz_diagnostic();
  etendue_du_jeton();
  return DBL_BARRE;
}

// The bar is handed out now, and the text pushed back is read again as a
// repeat sign; the extent leaves the position after it where the text ended.
int barre_rendue(bool raz, const char* rendu, int32_t lignes, int32_t colonnes) {
  if (raz) raz_diagnostic();
  rend_texte(rendu);
  fixe_etendue(lignes, colonnes);
  return '|';
}

int barre_liee() {
  etendue_du_jeton();
  return SBARRE_LIURE;
}

int barre_liee_rendue(const char* rendu, int32_t lignes, int32_t colonnes) {
  rend_texte(rendu);
  fixe_etendue(lignes, colonnes);
  return SBARRE_LIURE;
}

// A bar right before ":|" is dropped: the repeat sign stands for it.
void barre_sautee() { avale_jeton(); }

void ecrit_reprise(const char* texte) {
  sortie_ecrit(texte);
  avale_jeton();
}

void ecrit_ordinal() {
  sortie_printf("%s ", texte_jeton());
  avale_jeton();
}

// ":|" closing a repeat: at the end of the text it is the final double bar.
int fin_de_reprise() {
  sortie_ecrit(":|\n");
  etendue_du_jeton();
  const int suivant = lit_caractere();
  if (suivant == fin_de_fichier) {
    raz_diagnostic();
    return 1;
  }
  rend_caractere(suivant);
  etat.scanner.demarrage = Demarrage::NORMAL;
  applique_etendue();
  return 0;
}
