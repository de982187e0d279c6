// Meter changes: C, C\, a numerator and a denominator, and the reader that
// takes over when a number stands alone.
#include "diagnostics/latin1.h"
#include "diagnostics/signale.h"
#include "driver/etat.h"
#include "parser/grammaire.h"
#include "scanner/actions.h"
#include "scanner/position.h"
#include "scanner/scanner.h"
#include "scanner/tampon.h"

namespace {

bool blanc(int octet) { return octet == ' ' || octet == '\t'; }
bool chiffre(int octet) { return octet >= '0' && octet <= '9'; }

// Reads the number that starts at position i of the token.
int32_t nombre_en(int32_t& i) {
  int32_t n = 0;
  while (i < longueur_jeton() && chiffre(octet_du_jeton(i))) n = n * 10 + (octet_du_jeton(i++) - '0');
  return n;
}

int rend_chg_mesure(int32_t numerateur, int32_t denominateur) {
  etat.scanner.numerateur = numerateur;
  etat.scanner.denominateur = denominateur;
  return CHG_MESURE;
}

// After the blank that follows a meter change come the blanks of the state
// that reads them.
void rend_suivant(int octet) {
  if (octet == fin_de_fichier) {
    raz_diagnostic();
    return;
  }
  if (blanc(octet)) etat.scanner.demarrage = Demarrage::BLANC_INDICATION;
  rend_caractere(octet);
}

// The denominator's first digit has been read (and the zeros before it).
int denominateur_lu(int32_t n, int32_t premier) {
  const int second = lit_caractere();
  if (!chiffre(second)) {
    rend_suivant(second);
    return rend_chg_mesure(n, premier);
  }
  const int suivant = lit_caractere();
  if (suivant == '/') {
    // Two digits, then a slash: the second digit starts the next meter change.
    rend_caractere('/');
    rend_caractere(second);
    return rend_chg_mesure(n, premier);
  }
  etend_par(second);
  rend_suivant(suivant);
  return rend_chg_mesure(n, premier * 10 + (second - '0'));
}

// A numerator and a separator, and no denominator digit: 2 and 4 stand for
// 2/2 and 4/4; any other numerator is reported and dropped.
int sans_denominateur(int32_t n, int suivant, int32_t zeros) {
  if (n == 2 || n == 4) {
    for (int32_t i = 0; i < zeros; ++i) etend_par('0');
    rend_suivant(suivant);
    return rend_chg_mesure(n, n);
  }
  applique_etendue();
  if (zeros == 0) {
    etat.diagnostics.codeCourant = 0x0001;
    signale_erreur(
        "le numérateur de changement de mesure, \n\test à terminer par un dénominateur. Exemple : 1 /(\t)4"_l1);
  } else {
    etat.diagnostics.codeCourant = 0x0002;
    signale_erreur("le dénominateur de changement de mesure, \n\tdoit être positif."_l1);
  }
  avance_colonne(zeros);
  if (suivant != fin_de_fichier) {
    rend_caractere(suivant);
    return 0;
  }
  raz_diagnostic();
  signale_erreur(
      "fin-de-fichier avant la lecture d'un dénominateur \n\tde changement de mesure, ex. : 1 /\t(4) dans 1 / 4"_l1);
  return 0;
}

int apres_separateur(int32_t n) {
  int octet = lit_caractere();
  while (blanc(octet)) {
    etend_par(octet);
    octet = lit_caractere();
  }
  int32_t zeros = 0;
  for (; octet == '0'; octet = lit_caractere()) zeros += 1;
  if (octet < '1' || octet > '9') return sans_denominateur(n, octet, zeros);
  for (int32_t i = 0; i < zeros; ++i) etend_par('0');
  etend_par(octet);
  return denominateur_lu(n, octet - '0');
}

// A number not followed by a separator: 2 and 4 at the end of the input
// stand for 2/2 and 4/4; anything else is a probable numerator, reported.
int sans_separateur(int32_t n, int suivant) {
  if (suivant == fin_de_fichier && (n == 2 || n == 4)) {
    raz_diagnostic();
    return rend_chg_mesure(n, n);
  }
  etat.diagnostics.codeCourant = 0x0001;
  signale_erreur(
      "un probable numérateur de changement de mesure, \n\test à compléter par '/' ou nouvelle ligne et \n\test à "
      "terminer par un dénominateur, ex. : 1 / 4"_l1);
  if (suivant != fin_de_fichier) {
    rend_caractere(suivant);
    applique_etendue();
    return 0;
  }
  raz_diagnostic();
  applique_etendue();
  signale_erreur(
      "fin-de-fichier durant la lecture d'un numérateur \n\tde changement de mesure, ex. : 1(\t) dans 1 / 4"_l1);
  return 0;
}

}  // namespace

int chg_mesure(int32_t numerateur, int32_t denominateur) {
  raz_diagnostic();
  etendue_du_jeton();
  return rend_chg_mesure(numerateur, denominateur);
}

int chg_mesure_ecrite() {
  raz_diagnostic();
  etendue_du_jeton();
  int32_t i = 0;
  const int32_t numerateur = nombre_en(i);
  while (i < longueur_jeton() && !chiffre(octet_du_jeton(i))) ++i;
  return rend_chg_mesure(numerateur, nombre_en(i));
}

void zeros_de_tete() { avale_jeton(); }

int numerateur_seul() {
  raz_diagnostic();
  etendue_du_jeton();
  int32_t i = 0;
  const int32_t n = nombre_en(i);
  etat.scanner.numerateur = n;
  int octet = lit_caractere();
  while (blanc(octet)) {
    etend_par(octet);
    octet = lit_caractere();
  }
  if (octet != '/' && octet != '\n' && octet != '\r') return sans_separateur(n, octet);
  etend_par(octet);
  return apres_separateur(n);
}
