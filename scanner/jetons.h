// Token requests and the history of piece-ending tokens, which the parser
// drives; and the values the lexical actions read, on their way to the beat.
#pragma once

#include <cstdint>

int yylex();                                   // next token code; 0 ends the piece or the input
int fin_entree();                              // end of input met with nothing pending
void memorise_terminal(int32_t jeton);         // push a piece-ending token on the history
bool terminaux_recents(int32_t ancien, int32_t recent);
// A value read: inside a group it joins the group's elements, whose value
// goes to the beat when the group closes; outside, it goes to the beat's
// accumulator (accu).
void accumule(int32_t valeur);
// A measure closed at a bar: as though the end of a measure had just been
// handed out.
void memorise_fin_de_mesure();

// The tuplet digit written after ')': reported unless 2 to 7, returned as is.
int32_t verifie_chiffre_groupe(int32_t n);
