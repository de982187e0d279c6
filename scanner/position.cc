#include "scanner/position.h"

#include "diagnostics/catalogue.h"
#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "io/source.h"
#include "scanner/corrections.h"
#include "state/etat.h"

int64_t nouvelle_ligne() {
  Position& p = etat.position;
  p.numeroLigne += 1;
  p.numeroColonne = 1;
  if (p.decalageColonne != 0) {
    p.numeroColonne += p.decalageColonne;
    p.decalageColonne = 0;
  }
  return p.numeroLigne;
}

int64_t ligne_suivante() { return etat.position.numeroLigne += 1; }

void avance_colonne_par_le_detail(int64_t n) {
  Position& p = etat.position;
  EtatDiagnostics& d = etat.diagnostics;
  const int32_t code = d.codeCourant;
  const int32_t dernier = d.dernierCode;
  if (p.numeroColonne + n == 0) {
    p.deficitColonne = n;  // a backspace at column 1: kept for the next forward move
  } else {
    p.numeroColonne += p.deficitColonne + n;
    p.deficitColonne = 0;
  }
  if (p.numeroColonne == 0) {
    signale_non_reconnue();
    // Moving past the run may already have warned and set the column.
    if (p.numeroColonne == 0) {
      d.codeCourant = err::aucune_erreur;
      d.dernierCode = -1;
      signale_erreur(
          "attention, un tourneur(-arrière) [supprimeur par la gauche]\n\tprovoque un numéro de colonne inférieur à 1"_l1);
    }
    p.numeroColonne = 1;
    p.deficitColonne = 0;
  }
  d.codeCourant = code;
  d.dernierCode = dernier;
}

int64_t tab(int64_t colonne) {
  if (colonne < 1) erreur_fatale("tab : erreur de programmation (numéro de colonne < 1)\n"_l1);
  const int64_t l = etat.position.largeurTabulation;
  return l - (colonne - 1) % l;
}

int64_t tabv(int64_t ligne) {
  if (ligne < 1) erreur_fatale("tabv : erreur de programmation (numéro de ligne < 1)\n"_l1);
  const int64_t h = etat.position.hauteurTabulationVerticale;
  return h - (ligne - 1) % h;
}

// An extent over line ends: down its lines, then along its last line.
void applique_etendue_sur_des_lignes() {
  Position& p = etat.position;
  for (int64_t i = 0; i < p.lignesCouvertes; ++i) nouvelle_ligne();
  avance_colonne(p.largeurCouverte);
  p.lignesCouvertes = 0;
  p.largeurCouverte = 0;
}

void fixe_etendue(int64_t lignes, int64_t colonnes) {
  etat.position.lignesCouvertes = lignes;
  etat.position.largeurCouverte = colonnes;
}

void etend_par_caractere_de_controle(int octet) {
  Position& p = etat.position;
  const int64_t debut_ligne = p.lignesCouvertes == 0 ? p.numeroColonne : 1;
  switch (octet) {
    case '\t':
      p.largeurCouverte += tab(debut_ligne + p.largeurCouverte);
      break;
    case '\n':
      p.lignesCouvertes += 1;
      p.largeurCouverte = 0;
      break;
    default:  // '\r'
      p.largeurCouverte = 1 - debut_ligne;
  }
}

void etendue_du_jeton() {
  fixe_etendue(0, 0);
  for (int32_t i = 0; i < longueur_jeton(); ++i) etend_par(octet_du_jeton(i));
}
