// Token requests, the beat accumulator and the history of piece-ending
// tokens: what the parser and the measure layer ask of the scanner.
#pragma once

#include <cstdint>

int yylex();                                   // next token code; 0 ends the piece or the input
int fin_entree();                              // end of input met with nothing pending
void memorise_terminal(int32_t jeton);         // push a piece-ending token on the history
bool terminaux_recents(int32_t ancien, int32_t recent);
void accu(int32_t valeur);                     // add a value in quads to the beat being read
// What closing beats and measures does to the scanner's accumulator and history.
int32_t somme_du_temps();                      // quads accumulated in the beat being read
void garde_reliquat(int32_t reste);            // the beat is used up: what carries into the next one stays
void vide_accumuleur();                        // the measure is closed: nothing carries over
void memorise_fin_de_mesure();                 // as though the end of a measure had just been handed out

// The tuplet digit written after ')': reported unless 2 to 7, returned as is.
int32_t verifie_chiffre_groupe(int32_t n);
