// The extent of the token in hand (lignesCouvertes, largeurCouverte): set by
// the lexical actions, applied to the position at the next request.
#pragma once

#include <cstdint>

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
