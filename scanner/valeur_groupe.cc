#include "scanner/scanner.h"

// The value of a group of n elements whose plain values add up to somme: a
// duolet, quartolet or sextolet takes three halves, a triolet two thirds, a
// quintolet three fifths, a septolet four sevenths. The product is formed
// first, then divided, truncating toward zero; any other n gives 0.
int32_t valeur_groupe(int32_t somme, int32_t n) {
  switch (n) {
    case 2:
    case 4:
    case 6:
      return somme * 3 / 2;
    case 3:
      return somme * 2 / 3;
    case 5:
      return somme * 3 / 5;
    case 7:
      return somme * 4 / 7;
    default:
      return 0;
  }
}
