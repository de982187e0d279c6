// Positions and extents: the line and column of the current token (kept in
// etat.position), and the extent of the token in hand (lignesCouvertes,
// largeurCouverte), set by the lexical actions and applied to the position at
// the next request.
#pragma once

#include <cstdint>

// One line down, at column 1 plus any column shift kept for this line end;
// the new line number.
int32_t nouvelle_ligne();
// One line down, the column unchanged; the new line number.
int32_t ligne_suivante();
// Moves the column by n (negative moves back); a move below column 1 is
// warned and stops at 1, a backspace at column 1 waits for the next move.
void avance_colonne(int32_t n);
// Columns from this column to the next tab stop, lines from this line to the
// next vertical tab stop.
int32_t tab(int32_t colonne);
int32_t tabv(int32_t ligne);

// Moves the position past the extent, and zeroes it.
void applique_etendue();
// The extent becomes nothing, or the given lines and columns.
void fixe_etendue(int32_t lignes, int32_t colonnes);
// Adds one byte to the extent by the width rules: a tab to its stop, a
// newline one line down, a carriage return back to column 1, anything else
// one column.
void etend_par(int octet);
// The extent of the token's own text.
void etendue_du_jeton();
