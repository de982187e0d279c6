#include <gtest/gtest.h>

#include <algorithm>

#include "measure/essais.h"

namespace {

class Evaluation : public AvecEtatPropre {};

TEST_F(Evaluation, FourQuarterNotesGiveFourFourAndArmTheCount) {
  enregistre_temps({"! ", "! ", "! ", "! "});
  evalue_fixe_mesure_initiale();
  EXPECT_EQ(etat.metre.nbrTps, 4);
  EXPECT_EQ(etat.metre.valTps, 16);
  EXPECT_EQ(etat.mesure.nt, 4);
  EXPECT_EQ(etat.analyseur.finMesureAuto, 1);
  EXPECT_EQ(erreur, "");
}

// Whatever meter is inferred, the opening keeps its first beats up to the
// meter's count, gets empty beats up to it, and frees those past it.
TEST_F(Evaluation, TheOpeningMeasureIsBroughtToTheInferredCount) {
  const std::vector<std::vector<std::string>> ouvertures = {
      {"! ", "! ", "! "}, {"d. ", "! "},  {"d ", "[ ", "! "}, {"o.oo.od.d "}, {"[ ", "[ ", "[ ", "[ ", "[ ", "[ "},
      std::vector<std::string>(120, "! ")};
  for (const auto& ouverture : ouvertures) {
    reinitialise_etat();
    enregistre_temps(ouverture);
    evalue_fixe_mesure_initiale();
    const auto n = static_cast<std::size_t>(etat.metre.nbrTps);
    ASSERT_EQ(etat.mesure.nt, etat.metre.nbrTps);
    for (std::size_t i = 0; i < n; ++i) {
      const Temps& t = *etat.mesure.tabTemps[i];
      EXPECT_EQ(t.graphie, i < ouverture.size() ? ouverture[i] : "");
      if (i >= ouverture.size()) {
        EXPECT_EQ(t.valeur, 0);
      }
    }
    for (std::size_t i = n; i < ouverture.size(); ++i) EXPECT_EQ(etat.mesure.tabTemps[i], nullptr);
  }
}

TEST_F(Evaluation, ALateEvaluationWarnsThatTheMeasureHadNoMeter) {
  etat.mesure.numeroMesure = 3;
  enregistre_temps({"! ", "! "});
  evalue_fixe_mesure_initiale();
  EXPECT_EQ(erreur.substr(0, erreur.find('\n') + 1),
            "l. 1 (col. 1) m. 3 tps 3 :  Attention, mesure sans indications de mesure\n");
}

TEST_F(Evaluation, InternalErrors) {
  EXPECT_EQ(statut_fatal([] { evalue_fixe_mesure_initiale(); }), 1);
  EXPECT_EQ(statut_fatal([] { evalue_fixe_mesure_initiale(); }), 1);
  EXPECT_EQ(erreur,
            "evalue_fixe_mesure_initiale : erreur de programmation ( nt = 0 )\n"
            "evalue_fixe_mesure_initiale : erreur de programmation (une seule fois)\n");
}

}  // namespace
