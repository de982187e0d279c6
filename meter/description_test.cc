#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "meter/metre.h"
#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

using Description = AvecEtatPropre;

struct CasDescription {
  int32_t n, d;
  int16_t demande;
  const char* lignes;  // the two lines, UTF-8
};

TEST_F(Description, MetersGivenAsWrittenAreDescribedInTwoLines) {
  const std::vector<CasDescription> cas{
      {4, 4, 0,
       "Mesure binaire (ou unaire) à la noire\n"
       "(nombre de temps) 4 / 4 (équivalant à 16 quadruple croches par temps)\n"},
      {6, 8, 0,
       "Mesure composée ternaire à la noire pointée\n"
       "(2  temps composé) 6 / 8 (équivalant à 24 quadruple croches par temps)\n"},
      {6, 8, 1,
       "Mesure ternaire décomposée à la croche\n"
       "(nombre de temps) 6 / 8 (équivalant à 8 quadruple croches par temps)\n"},
      {3, 4, 0,
       "Mesure composée ternaire à la blanche pointée\n"
       "(1  temps composé) 3 / 4 (équivalant à 48 quadruple croches par temps)\n"},
      {10, 8, 0,
       "Mesure composée quinaire à la noire pointée, noire\n"
       "(2  temps composé) 10 / 8 (équivalant à 40 quadruple croches par temps)\n"},
      {7, 8, 0,
       "Mesure composée septennaire à la blanche doublement pointée\n"
       "(1  temps composé) 7 / 8 (équivalant à 56 quadruple croches par temps)\n"},
      // The written meter is that of the record: 6 / 1 was corrected to 6 / 2.
      {6, 1, 0,
       "Mesure composée ternaire à la ronde pointée\n"
       "(2  temps composé) 6 / 2 (équivalant à 96 quadruple croches par temps)\n"},
      {1, 64, 0,
       "Mesure binaire (ou unaire) à la quadruple croche\n"
       "(nombre de temps) 1 / 64 (équivalant à 1 quadruple croches par temps)\n"},
      {35, 64, 0,
       "Mesure composée septennaire à la double croche doublement pointée\n"
       "(5  temps composé) 35 / 64 (équivalant à 7 quadruple croches par temps)\n"},
  };
  for (const auto& c : cas) {
    reinitialise_etat();
    sortie.clear();
    fixe_mesure(c.n, c.d, c.demande);
    affiche_indications_mesure();
    flux_termine();
    EXPECT_EQ(sortie, latin1(c.lignes)) << c.n << " / " << c.d;
  }
}

// The record set by hand, for values the command line cannot give.
void fixe(int32_t nbrTps, int32_t valTps, int32_t ennaire, int16_t composée) {
  etat.metre.nbrTps = nbrTps;
  etat.metre.valTps = valTps;
  etat.metre.ennaire = ennaire;
  etat.metre.composée = composée;
}

TEST_F(Description, ADecomposedQuinaryMeterFromTheOpening) {
  fixe(5, 8, 5, 0);
  affiche_indications_mesure();
  flux_termine();
  EXPECT_EQ(sortie, latin1("Mesure quinaire décomposée à la croche\n"
                           "(nombre de temps) 5 / 8 (équivalant à 8 quadruple croches par temps)\n"));
}

struct CasIncohérent {
  int32_t nbrTps, valTps, ennaire;
  int16_t composée;
  const char* message;  // UTF-8
};

TEST_F(Description, AnInconsistentRecordIsFatalAndNothingIsPrinted) {
  const std::vector<CasIncohérent> cas{
      {2, 16, 2, 1, "affiche_indications_mesure : erreur de programmation (composée et binaire)\n"},
      {2, 16, 0, 0, "affiche_indications_mesure : erreur de programmation (ennaire)\n"},
      {2, 16, 4, 1, "affiche_indications_mesure : erreur de programmation (ennaire)\n"},
      {2, 9, 3, 0, "affiche_indications_mesure : erreur de programmation (valTps)\n"},
      {99, 9999, 2, 0, "affiche_indications_mesure : erreur de programmation (valTps)\n"},
      {2, 2, 3, 1, "affiche_mesure : erreur de programmation (valTps / ennaire)\n"},
  };
  for (const auto& c : cas) {
    erreur.clear();
    fixe(c.nbrTps, c.valTps, c.ennaire, c.composée);
    EXPECT_THROW(affiche_indications_mesure(), ArretProcessus);
    flux_termine();
    EXPECT_EQ(erreur, latin1(c.message));
    EXPECT_EQ(sortie, "");
  }
}

TEST(DescriptionEnExecution, TheCommandLineMeterIsDescribedBeforeTheAnalysis) {
  const Execution r = execute_en_memoire({"6", "8"}, "");
  const std::string lignes =
      latin1("Mesure composée ternaire à la noire pointée\n"
             "(2  temps composé) 6 / 8 (équivalant à 24 quadruple croches par temps)\n");
  EXPECT_EQ(r.sortie.substr(0, lignes.size()), lignes);
  EXPECT_EQ(r.sortie.find("Mesure", 1), std::string::npos) << "described once";
}

}  // namespace
