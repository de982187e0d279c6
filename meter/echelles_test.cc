#include "meter/echelles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "io/fatal.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/rapports.h"

namespace {

using Échelles = AvecEtatPropre;

TEST_F(Échelles, RoundingOnTheDenominators) {
  const std::vector<std::pair<std::vector<int32_t>, int32_t>> cas{
      {{1}, 1},          {{2}, 2},           {{3}, 2},           {{4}, 4},
      {{5, 6}, 4},       {{7}, 8},           {{8, 9, 12}, 8},    {{13, 16, 24}, 16},
      {{25, 32, 48}, 32}, {{49, 63, 64}, 64},
  };
  for (const auto& [valeurs, attendu] : cas)
    for (const int32_t v : valeurs) EXPECT_EQ(échelonne(v, dénominateurs, seuils_dénominateurs), attendu) << v;
  EXPECT_EQ(erreur, "");
}

TEST_F(Échelles, RoundingOnTheBeatValues) {
  // Every value from 1 to 160, against the ranges each value gathers.
  const std::vector<std::pair<int32_t, int32_t>> bornes_hautes{
      {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 5},    {6, 6},    {7, 7},     {9, 8},
      {11, 10}, {13, 12}, {15, 14}, {18, 16}, {22, 20},  {26, 24},  {30, 28},   {36, 32},
      {44, 40}, {52, 48}, {60, 56}, {72, 64}, {88, 80},  {104, 96}, {136, 112}, {160, 160},
  };
  int32_t v = 1;
  for (const auto& [borne, attendu] : bornes_hautes)
    for (; v <= borne; ++v) EXPECT_EQ(échelonne(v, dénominateurs_renversés, seuils_renversés), attendu) << v;
}

TEST_F(Échelles, RoundingOneStepBeyondEitherEndIsFatal) {
  for (const int32_t v : {0, 65, -5}) {
    erreur.clear();
    EXPECT_THROW(échelonne(v, dénominateurs, seuils_dénominateurs), ArretProcessus);
    EXPECT_EQ(erreur, "échelonne : erreur de programmation (valeur en dehors)\n"_l1);
  }
  EXPECT_THROW(échelonne(161, dénominateurs_renversés, seuils_renversés), ArretProcessus);
}

TEST_F(Échelles, MembershipAndBase) {
  EXPECT_EQ(appartient(16, dénominateurs), 1);
  EXPECT_EQ(appartient(24, dénominateurs), 0);
  EXPECT_EQ(appartient(160, dénominateurs_renversés), 1);
  EXPECT_EQ(appartient(9, dénominateurs_renversés), 0);
  const std::vector<std::pair<int32_t, int32_t>> bases{{40, 5}, {24, 3}, {112, 7}, {64, 2}, {1, 2}, {160, 5}, {7, 7}};
  for (const auto& [v, base] : bases) EXPECT_EQ(en(v), base) << v;
  EXPECT_THROW(en(9), ArretProcessus);
  EXPECT_EQ(erreur, "en : erreur de programmation (lecture du tableau ennaire)\n");
}

TEST_F(Échelles, SteppingOffAnEndIsReportedAndGivesAValueOffTheLadder) {
  EXPECT_EQ(dénominateur_suivant(32, dénominateurs), 64);
  EXPECT_EQ(dénominateur_prédédent(10, dénominateurs_renversés), 8);
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(dénominateur_suivant(64, dénominateurs), 65);
  EXPECT_EQ(dénominateur_suivant(160, dénominateurs_renversés), 161);
  EXPECT_EQ(dénominateur_prédédent(1, dénominateurs), 0);
  EXPECT_EQ(dénominateur_prédédent(1, dénominateurs_renversés), 0);
  EXPECT_EQ(erreur, rapports({"aucun dénominateur suivant après 64", "aucun dénominateur suivant après 160",
                              "aucun dénominateur précédent avant 1", "aucun dénominateur précédent avant 1"}));
}

TEST_F(Échelles, SteppingFromAValueOffTheLadderIsFatal) {
  EXPECT_THROW(dénominateur_suivant(3, dénominateurs), ArretProcessus);
  EXPECT_EQ(erreur, "dénominateur_suivant : erreur de programmation (non trouvé)\n"_l1);
  erreur.clear();
  EXPECT_THROW(dénominateur_prédédent(9, dénominateurs_renversés), ArretProcessus);
  EXPECT_EQ(erreur, "dénominateur_prédédent : erreur de programmation (non trouvé)\n"_l1);
}

std::vector<int32_t> groupes(int32_t n) {
  std::vector<int32_t> r;
  for (const int32_t* g = Essai(n, 1); *g != 0; ++g) r.push_back(*g);
  return r;
}

TEST_F(Échelles, EssaiSplitsIntoDecreasingGroupsAndARemainder) {
  const std::vector<std::pair<int32_t, std::vector<int32_t>>> cas{
      {1, {1}},          {7, {7}},          {11, {9, 2}},      {23, {20, 3}},
      {43, {42, 1}},     {59, {49, 9, 1}},  {97, {49, 42, 6}}, {33, {25, 6, 2}}, {49, {49}},
  };
  // Each call starts afresh: 49 after 33 does not inherit its multiplier 2.
  for (const auto& [n, attendu] : cas) EXPECT_EQ(groupes(n), attendu) << n;
}

// Up to 99 a decomposition takes at most 10 calls (33 takes 9, 82 takes 10),
// well within the limit of 20.
TEST_F(Échelles, EssaiDecomposesEveryNumeratorUpToNinetyNine) {
  int32_t appels_max = 0;
  for (int32_t n = 1; n <= 99; ++n) {
    const std::vector<int32_t> g = groupes(n);
    appels_max = std::max(appels_max, appels_essai());
    int32_t somme = 0;
    for (std::size_t i = 0; i < g.size(); ++i) {
      somme += g[i];
      if (i > 0) {
        EXPECT_LE(g[i], g[i - 1]) << n;
      }
    }
    EXPECT_EQ(somme, n);
  }
  EXPECT_EQ(appels_max, 10);
}

TEST_F(Échelles, ARunawayDecompositionIsFatalAtItsTwentyFirstCall) {
  EXPECT_THROW(Essai(1000, 1), ArretProcessus);  // twenty groups of 49 before the remainder
  EXPECT_EQ(erreur, "Essai : erreur de programmation (limite d'appel récursif)\n"_l1);
}

}  // namespace
