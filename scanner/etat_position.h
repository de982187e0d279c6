// Where the scanner stands in the text: the line and column of the current
// token's first character, and how far the token reaches. A token's extent is
// applied to the position at the next token request, so a report made while
// a token is handled is placed at its first character. Lines and columns are
// counted in 64 bits: no text can make them wrap.
#pragma once

#include <cstdint>

struct Position {
  int64_t numeroLigne = 1;                  // line of the current token's first character, from 1
  int64_t numeroColonne = 1;                // column of that character, from 1
  int64_t lignesCouvertes = 0;              // line breaks inside the current token's extent
  int64_t largeurCouverte = 0;              // columns covered on the extent's last line; may be <= 0
  int64_t decalageColonne = 0;              // columns added after the next line break
  int64_t deficitColonne = 0;               // a backward move at column 1 not yet applied (<= 0)
  int32_t largeurTabulation = 3;            // tab stops at columns 1, 4, 7, ...
  int32_t hauteurTabulationVerticale = 3;   // vertical tab stops at lines 1, 4, 7, ...
};
