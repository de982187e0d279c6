#include <gtest/gtest.h>

#include <cstdint>

#include "io/fatal.h"
#include "scanner/position.h"
#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

class Positions : public AvecEtatPropre {};

TEST_F(Positions, Tabulations) {
  const int32_t colonnes[][2] = {{1, 3}, {2, 2}, {3, 1}, {4, 3}, {5, 2}, {7, 3}};
  for (const auto& c : colonnes) EXPECT_EQ(tab(c[0]), c[1]) << c[0];
  const int32_t lignes[][2] = {{1, 3}, {2, 2}, {4, 3}, {6, 1}};
  for (const auto& l : lignes) EXPECT_EQ(tabv(l[0]), l[1]) << l[0];
}

TEST_F(Positions, TabulationsHorsTexte) {
  EXPECT_THROW(tab(0), ArretProcessus);
  EXPECT_EQ(erreur, latin1("tab : erreur de programmation (numéro de colonne < 1)\n"));
  erreur.clear();
  EXPECT_THROW(tabv(0), ArretProcessus);
  EXPECT_EQ(erreur, latin1("tabv : erreur de programmation (numéro de ligne < 1)\n"));
}

TEST_F(Positions, NouvelleLigneEtDecalage) {
  Position& p = etat.position;
  p.numeroColonne = 7;
  p.decalageColonne = 1;
  EXPECT_EQ(nouvelle_ligne(), 2);
  EXPECT_EQ(p.numeroColonne, 2);
  EXPECT_EQ(p.decalageColonne, 0);
  EXPECT_EQ(ligne_suivante(), 3);
  EXPECT_EQ(p.numeroColonne, 2);
}

TEST_F(Positions, DeficitDeColonne) {
  Position& p = etat.position;
  p.numeroColonne = 3;
  avance_colonne(-1);
  EXPECT_EQ(p.numeroColonne, 2);
  avance_colonne(-1);
  avance_colonne(-1);  // at column 1: kept as a deficit
  EXPECT_EQ(p.numeroColonne, 1);
  EXPECT_EQ(p.deficitColonne, -1);
  avance_colonne(-1);  // replaces the deficit, no accumulation
  EXPECT_EQ(p.deficitColonne, -1);
  avance_colonne(1);
  EXPECT_EQ(p.numeroColonne, 1);
  EXPECT_EQ(p.deficitColonne, 0);
  avance_colonne(2);
  EXPECT_EQ(p.numeroColonne, 3);
  EXPECT_EQ(erreur, "");
}

// A move of 0 with a deficit takes the column to 0: a warning printed
// whatever the run of codes, and the codes left as they were.
TEST_F(Positions, ColonneZero) {
  Position& p = etat.position;
  EtatDiagnostics& d = etat.diagnostics;
  avance_colonne(-1);
  d.codeCourant = 0x3001;
  d.dernierCode = 0x3001;
  avance_colonne(0);
  EXPECT_EQ(p.numeroColonne, 1);
  EXPECT_EQ(p.deficitColonne, 0);
  EXPECT_EQ(d.codeCourant, 0x3001);
  EXPECT_EQ(d.dernierCode, 0x3001);
  EXPECT_EQ(erreur,
            "l. 1 (col. 0) m. 1 tps 1 :  attention, un tourneur(-arrière) [supprimeur par la gauche]\n\tprovoque "
            "un numéro de colonne inférieur à 1\n"_l1);
}

}  // namespace
