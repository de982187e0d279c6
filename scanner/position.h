// Positions and extents: the line and column of the current token (kept in
// etat.position), and the extent of the token in hand (lignesCouvertes,
// largeurCouverte), set by the lexical actions and applied to the position at
// the next request.
#pragma once

#include <cstdint>

#include "state/etat.h"

// One line down, at column 1 plus any column shift kept for this line end;
// the new line number.
int64_t nouvelle_ligne();
// One line down, the column unchanged; the new line number.
int64_t ligne_suivante();
// Moves the column by n (negative moves back); a move below column 1 is
// warned and stops at 1, a backspace at column 1 waits for the next move.
void avance_colonne_par_le_detail(int64_t n);
inline void avance_colonne(int64_t n) {
  Position& p = etat.position;
  if (p.deficitColonne == 0 && p.numeroColonne + n > 0) {
    p.numeroColonne += n;  // the usual move: nothing to warn of, nothing kept
    return;
  }
  avance_colonne_par_le_detail(n);
}
// Columns from this column to the next tab stop, lines from this line to the
// next vertical tab stop.
int64_t tab(int64_t colonne);
int64_t tabv(int64_t ligne);

// Moves the position past the extent, and zeroes it. An empty extent moves
// nothing: a backward move kept at column 1 waits for the text that follows
// (after a bar handed out with an extent of one line and -1 column, the
// request that ends its piece must not use it up).
void applique_etendue_sur_des_lignes();
inline void applique_etendue() {
  Position& p = etat.position;
  if (p.lignesCouvertes != 0) return applique_etendue_sur_des_lignes();
  if (p.largeurCouverte == 0) return;
  avance_colonne(p.largeurCouverte);
  p.largeurCouverte = 0;
}
// The extent becomes nothing, or the given lines and columns.
void fixe_etendue(int64_t lignes, int64_t colonnes);
// Adds one byte to the extent by the width rules: a tab to its stop, a
// newline one line down, a carriage return back to column 1, anything else
// one column.
void etend_par_caractere_de_controle(int octet);
inline void etend_par(int octet) {
  if (octet == '\t' || octet == '\n' || octet == '\r') return etend_par_caractere_de_controle(octet);
  etat.position.largeurCouverte += 1;
}
// The extent of the token's own text.
void etendue_du_jeton();
