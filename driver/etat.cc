#include "driver/etat.h"

#include "scanner/source.h"

EtatAnalyse etat;

void reinitialise_etat() {
  etat = EtatAnalyse{};
  reinitialise_source();
}
