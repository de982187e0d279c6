#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/fatal.h"
#include "meter/metre.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/rapports.h"

namespace {

using FixeMesure = AvecEtatPropre;

const std::string dénominateur_échelonné =
    "La valeur par temps n'est pas dans 1, 2, 4, 8, 16, 32, 64.\n"
    "\tÉchelonnement du dénominateur proche de l'une de ces valeurs.";
const std::string décomposition_inutile =
    "Au regard du dénominateur : 1, 2, 4, 8, 16, 32, 64, \n"
    "\t\t(( qui représente un arbre binaire de valeurs ))\n"
    "\tles mesures unaires ou binaires ne sont pas composées.\n"
    "\tPar conséquent, il est inutile de demander leur décomposition.";

std::string maximum(const std::string& valeur) {
  return "Valeur par temps supérieure à la " + valeur + "\n\tEssai d'un dénominateur supérieur.";
}

std::string remplacement(const std::string& groupes) {
  return "Mesure à numérateur, ni binaire (ou unaire), ni ternaire,\n"
         "\tni quinaire, ni septennaire.\n"
         "\tIl vous est propre d'expliciter une notation pour l'accentuation des temps \n"
         "\t(F)orts, temps (f)aibles, (temps moyens), à travers un accolement de mesures, \n"
         "\tavec par exemple, la combinaison " +
         groupes + ".\n\tUn numérateur moins un temps est choisi, comme remplaçant.";
}

struct CasMesure {
  int32_t n, d;
  int16_t demande;
  std::vector<std::string> messages;  // reports in order
  int32_t ennaire;
  int16_t composée;
  int32_t nbrTps, valTps;
};

TEST_F(FixeMesure, MetersAndTheirCorrections) {
  const std::vector<CasMesure> cas{
      {4, 4, 0, {}, 2, 0, 4, 16},
      {1, 2, 0, {}, 2, 0, 1, 32},
      {6, 8, 0, {}, 3, 1, 2, 24},
      {6, 8, 1, {}, 3, 0, 6, 8},
      {4, 4, 1, {décomposition_inutile}, 2, 0, 4, 16},
      {3, 4, 0, {}, 3, 1, 1, 48},
      {10, 8, 0, {}, 5, 1, 2, 40},
      {3, 1, 0, {maximum("ronde pointée.")}, 3, 1, 1, 96},
      {5, 1, 0, {maximum("ronde pointée, ronde.")}, 5, 1, 1, 160},
      {7, 1, 0, {maximum("ronde doublement pointée."), maximum("ronde doublement pointée.")}, 7, 1, 1, 112},
      {7, 2, 0, {maximum("ronde doublement pointée.")}, 7, 1, 1, 112},
      {6, 1, 0, {maximum("ronde pointée.")}, 3, 1, 2, 96},
      {3, 1, 1, {}, 3, 0, 3, 64},  // a decomposed meter is never held to the maximum
      {4, 3, 0, {dénominateur_échelonné}, 2, 0, 4, 32},
      {4, 7, 0, {dénominateur_échelonné}, 2, 0, 4, 8},
      {4, 48, 0, {dénominateur_échelonné}, 2, 0, 4, 2},
      {4, 49, 0, {dénominateur_échelonné}, 2, 0, 4, 1},
      {11, 8, 0, {remplacement("9, suivi de 2")}, 5, 1, 2, 40},
      {1, 64, 0, {}, 2, 0, 1, 1},
      {99, 64, 0, {}, 3, 1, 33, 3},
      {14, 8, 0, {}, 7, 1, 2, 56},
      {15, 16, 0, {}, 5, 1, 3, 20},
      {21, 16, 0, {}, 7, 1, 3, 28},
      {22, 4, 0, {}, 2, 0, 22, 16},
      {2, 1, 1, {décomposition_inutile}, 2, 0, 2, 64},
      // Corrections in their order: denominator, numerator, maximum.
      {13, 3, 0, {dénominateur_échelonné, remplacement("9, suivi de 4")}, 3, 1, 4, 96},
      {43, 1, 0, {remplacement("42, suivi de 1"), maximum("ronde doublement pointée."),
                  maximum("ronde doublement pointée.")}, 7, 1, 6, 112},
  };
  for (const auto& c : cas) {
    reinitialise_etat();
    erreur.clear();
    fixe_mesure(c.n, c.d, c.demande);
    const EtatMetre& m = etat.metre;
    EXPECT_EQ(erreur, rapports(c.messages)) << c.n << " / " << c.d;
    EXPECT_EQ(m.ennaire, c.ennaire) << c.n << " / " << c.d;
    EXPECT_EQ(m.composée, c.composée) << c.n << " / " << c.d;
    EXPECT_EQ(m.nbrTps, c.nbrTps) << c.n << " / " << c.d;
    EXPECT_EQ(m.valTps, c.valTps) << c.n << " / " << c.d;
  }
}

TEST_F(FixeMesure, EveryNumeratorWithoutBaseIsReplacedWithItsGroups) {
  const std::map<int32_t, std::string> groupes{
      {11, "9, suivi de 2"},           {13, "9, suivi de 4"},           {17, "15, suivi de 2"},
      {19, "15, suivi de 4"},          {23, "20, suivi de 3"},          {29, "25, suivi de 4"},
      {31, "25, suivi de 6"},          {37, "35, suivi de 2"},          {41, "35, suivi de 6"},
      {43, "42, suivi de 1"},          {47, "42, suivi de 5"},          {53, "49, suivi de 4"},
      {59, "49, suivi de 9, suivi de 1"},  {61, "49, suivi de 9, suivi de 3"},
      {67, "49, suivi de 15, suivi de 3"}, {71, "49, suivi de 20, suivi de 2"},
      {73, "49, suivi de 20, suivi de 4"}, {79, "49, suivi de 25, suivi de 5"},
      {83, "49, suivi de 25, suivi de 9"}, {89, "49, suivi de 35, suivi de 5"},
      {97, "49, suivi de 42, suivi de 6"},
  };
  for (int32_t n = 1; n <= 99; ++n) {
    reinitialise_etat();
    erreur.clear();
    fixe_mesure(n, 16, 0);  // 16: no maximum report for any base
    const auto g = groupes.find(n);
    if (g == groupes.end()) {
      EXPECT_EQ(erreur, "") << n;
      EXPECT_EQ(etat.metre.nbrTps * (etat.metre.composée ? etat.metre.ennaire : 1), n);
    } else {
      EXPECT_EQ(erreur, rapport(remplacement(g->second))) << n;
      EXPECT_EQ(etat.metre.nbrTps * (etat.metre.composée ? etat.metre.ennaire : 1), n - 1);
    }
  }
}

TEST_F(FixeMesure, ANumeratorOutOfRangeIsFatalAndLeavesTheMeter) {
  for (const int32_t n : {0, -3, 100}) {
    erreur.clear();
    EXPECT_THROW(fixe_mesure(n, 4, 0), ArretProcessus);
    EXPECT_EQ(erreur, "fixe_mesure : erreur de programmation, nombre de temps non entre 1..99\n");
    EXPECT_EQ(etat.metre.valTps, 9999);
    EXPECT_EQ(etat.metre.nbrTps, 99);
  }
}

TEST_F(FixeMesure, ADenominatorOffTheLadderIsReportedThenScaledOrFatal) {
  // 65 to 99, as two digits allow: scaled to 64, the nearest.
  for (const int32_t d : {65, 72, 99}) {
    erreur.clear();
    fixe_mesure(4, d, 0);
    EXPECT_EQ(erreur, rapport(dénominateur_échelonné));
    EXPECT_EQ(etat.metre.valTps, 1);
  }
  for (const int32_t d : {0, -8, 100, 128}) {
    erreur.clear();
    EXPECT_THROW(fixe_mesure(4, d, 0), ArretProcessus);
    EXPECT_EQ(erreur, rapport(dénominateur_échelonné) + "échelonne : erreur de programmation (valeur en dehors)\n"_l1);
  }
}

}  // namespace
