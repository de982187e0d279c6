// The actions of the tuplet groups: the group body (its written total and the
// '(' put in front of its elements), and the value of the group once closed.
#pragma once

#include <cstdint>

// A group body of n elements (2 to 7) of the given written values: records
// the number of elements and whether they differ, inserts '(' before them in
// the beat's text, warns about ambiguous figures, returns their sum.
int32_t corps_de_groupe(const int32_t* valeurs, int32_t n);

// The value of the group just closed, from its written total; avecChiffre: a
// tuplet digit follows the ')' and decides the kind.
int32_t vgI(int32_t total, int avecChiffre);

// The number of characters a value takes in the beat's text (1 to 3).
int32_t lgv(int32_t valeur);

// Inserts a character before the last n characters of the beat's text.
void insère(char caractere, int32_t n);
