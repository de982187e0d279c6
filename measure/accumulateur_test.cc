// The beat accumulator.
#include <gtest/gtest.h>

#include "tests/support/mesures.h"

namespace {

class Accumuleur : public AvecEtatPropre {};

TEST_F(Accumuleur, GardeCeQuiLuiEstDonne) {
  accu(20);
  EXPECT_EQ(somme_du_temps(), 20);
  garde_reliquat(4);
  EXPECT_EQ(somme_du_temps(), 4);
  vide_accumuleur();
  EXPECT_EQ(somme_du_temps(), 0);
}

TEST_F(Accumuleur, AccumuleurPleinDeuxFois) {
  etat.metre.valTps = 16;
  accu(16);
  EXPECT_EQ(etat.mesure.plein, 1);
  EXPECT_THROW(accu(16), ArretProcessus);
  EXPECT_EQ(erreur, "accu : erreur de programmation (plein > 1)\n");
}

TEST_F(Accumuleur, AccumuleurAuDelaDe9999) {
  etat.mesure.som = 9990;
  etat.diagnostics.codeCourant = 0x3001;
  accu(16);
  EXPECT_EQ(etat.mesure.som, 10006);
  EXPECT_EQ(erreur, latin1("l. 1 (col. 1) m. 1 tps 1 :  l'accumuleur a atteint une valeur limite,\n\tdécouper la "
                           "portée en mesure avec '|' ou réajuster la mesure.\n"));
  EXPECT_EQ(etat.mesure.plein, 1);  // 9999 quads per beat: now full
}

}  // namespace
