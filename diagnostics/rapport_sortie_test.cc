#include "diagnostics/rapport_sortie.h"

#include <gtest/gtest.h>

#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

using RapportDeSortie = AvecEtatPropre;

TEST_F(RapportDeSortie, PrintsNothingWhileDisarmed) {
  rapport_de_sortie();
  arme_rapport_de_sortie();
  desarme_rapport_de_sortie();
  rapport_de_sortie();
  EXPECT_EQ(sortie, "");
}

TEST_F(RapportDeSortie, PrintsPositionCodesCategoryAndDescriptionWithMinusOneAsFFFFFFFF) {
  arme_rapport_de_sortie();
  etat.position.numeroLigne = 3;
  etat.position.numeroColonne = 12;
  etat.diagnostics.codeCourant = 0x6021;
  rapport_de_sortie();
  desarme_rapport_de_sortie();
  EXPECT_EQ(sortie, latin1("l. 3 col. 12  Err. $6021  cat. [NON-(DÉ)TERMINÉE]\n\r\t"
                           "{fichier non-déterminé (début)}  D.Err. $FFFFFFFF\n"));
}

}  // namespace
