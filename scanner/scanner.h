// The scanner's operations offered to the other subsystems: token requests,
// the beat accumulator, the piece history, and the input and position layer.
#pragma once

#include <cstdint>

// Token requests and the beat accumulator.
int yylex();                                   // next token code; 0 ends the piece or the input
int fin_entree();                              // end of input met with nothing pending
void memorise_terminal(int32_t jeton);         // push a piece-ending token on the history
bool terminaux_recents(int32_t ancien, int32_t recent);
void accu(int32_t valeur);                     // add a value in quads to the beat being read
int32_t valeur_groupe(int32_t somme, int32_t n);
int32_t verifie_chiffre_groupe(int32_t n);

// Input and position.
constexpr int fin_de_fichier = -1;             // lit_caractere at the end of the input
int lit_caractere();                           // next input byte 0..255, or fin_de_fichier
void rend_caractere(int octet);                // push a byte back: it is the next one read
int32_t nouvelle_ligne();
int32_t ligne_suivante();
void avance_colonne(int32_t n);
int32_t tab(int32_t colonne);
int32_t tabv(int32_t ligne);
