#include "state/etat.h"

#include "measure/mesure.h"
#include "meter/echelles.h"
#include "scanner/corrections.h"
#include "scanner/regles.h"
#include "io/source.h"

EtatAnalyse etat;

void reinitialise_etat() {
  etat = EtatAnalyse{};
  reinitialise_source();
  reinitialise_automate();
  reinitialise_essai();
  reinitialise_corrections();
  reinitialise_temps();
}
