// Stand-in until the token requests land: an empty text.
#include "driver/etat.h"
#include "scanner/scanner.h"

int yylex() { return 0; }
int fin_entree() { return 1; }
void accu(int32_t valeur) { etat.scanner.som += valeur; }
int32_t verifie_chiffre_groupe(int32_t n) { return n; }
