#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/flux.h"
#include "tests/support/mesures.h"

namespace {

const std::string precoce =
    "la barre '|' indiquant une fin de mesure est précoce\n\tsupprimez la barre ou changez de mesure.\n\t";

class Fermeture : public AvecEtatPropre {
 protected:
  void SetUp() override {
    AvecEtatPropre::SetUp();
    metre(4, 16);
  }
  // Closes the measure read so far at a bar line.
  static void ferme_a_la_barre(int32_t total, int lie = 0) {
    etat.mesure.modeFermeture = 1;
    ferme_mesure(total, lie);
  }
};

TEST_F(Fermeture, AFullMeasureAtItsBarGetsTheBarAndNothingElse) {
  enregistre_temps({"! ", "! ", "[[ ", "! "});
  etat.mesure.som = 5;
  ferme_a_la_barre(64);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "[[ ", "! |"}));
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(etat.mesure.numeroMesure, 2);
  EXPECT_EQ(etat.mesure.som, 0);
}

TEST_F(Fermeture, AnEarlyBarAfterCompleteBeatsIsFilledWithFullBeats) {
  enregistre_temps({"! ", "! "});
  ferme_a_la_barre(32);
  EXPECT_EQ(erreur, rapport(1, 3, precoce + "Dernier temps complet ..."));
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "! ", "! |"}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16, 16}));
}

TEST_F(Fermeture, AnEarlyBarAfterAShortBeatWritesOutItsMissingPart) {
  enregistre_temps({"! ", "! ", "["});  // the last one recorded at the bar, unfinished
  ferme_a_la_barre(40);
  EXPECT_EQ(erreur, rapport(1, 4, precoce + "Dernier temps en sous-effectif ..."));
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "[[ ", "! |"}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16, 16}));
}

TEST_F(Fermeture, AShortBeatClosedByItsSpaceIsCompletedBeforeTheSpace) {
  metre(3, 16);
  enregistre_temps({"! ", "! ", "[ "});  // an opening measure, recorded as written
  ferme_a_la_barre(40);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "[[ |"}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16}));
}

TEST_F(Fermeture, AnEarlyBarAfterAnUnrecordedRemainderRecordsTheMissingValue) {
  enregistre_temps({"! ", "! "});
  etat.mesure.graphieTps = "[";
  ferme_a_la_barre(40);
  EXPECT_EQ(erreur, rapport(1, 3, precoce + "Dernier temps avec reliquat ..."));
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "[ ", "! |"}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 8, 16}));
}

TEST_F(Fermeture, ARemainderWithNoRoomLeftIsAnInternalError) {
  enregistre_temps({"! ", "! ", "! ", "! "});
  EXPECT_EQ(statut_fatal([] { ferme_a_la_barre(72); }), 1);
  EXPECT_EQ(erreur, rapport(1, 5, precoce + "Dernier temps avec reliquat ...") +
                        "mesureB : erreur de programmation (nt > nbrTps)\n");
}

TEST_F(Fermeture, AMeasureClosedByCountIsTakenAsItStands) {
  enregistre_temps({"!. ", "[ "});
  etat.mesure.modeFermeture = 2;
  ferme_mesure(32, 0);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"!. ", "[ |"}));
  EXPECT_EQ(etat.mesure.finMesureAuto, FinParCompte::a_rearmer);
  EXPECT_EQ(etat.mesure.numeroMesure, 2);
  EXPECT_EQ(erreur, "");
}

TEST_F(Fermeture, TiedMeasuresAreAdvisedOnceAtTheUntiedOne) {
  for (const int lie : {1, 1, 0, 0}) {
    enregistre_temps({"! ", "! ", "! ", "!_"});
    ferme_a_la_barre(64, lie);
    libere_mesure();
  }
  EXPECT_EQ(erreur, rapport(4, 5,
                            "préférez l'union de mesures liées à cette mesure,\n\tavec un changement de mesure."));
  EXPECT_EQ(etat.mesure.numeroMesure, 5);
}

TEST_F(Fermeture, InternalErrors) {
  etat.mesure.modeFermeture = 0;
  EXPECT_EQ(statut_fatal([] { ferme_mesure(0, 0); }), 1);
  EXPECT_EQ(statut_fatal([] { ajoute_barre(); }), 1);
  EXPECT_EQ(statut_fatal([] { mesure_erreur(); }), 1);
  EXPECT_EQ(erreur, latin1("ferme_mesure : erreur de programmation\n"
                           "ajoute_barre : erreur de programmation (ajoute_temps() n'a pas été appelé)\n"
                           "mesure_erreur : erreur de programmation (double jeton symbolique SFIN_MESURE2)\n"));
}

class Evaluation : public AvecEtatPropre {};

struct Ouverture {
  std::vector<std::string> temps;  // the beats of the opening measure, as written
  int32_t nbrTps;                  // beats of the meter inferred from them
  int32_t valTps;                  // quads per beat of that meter
};

// The opening keeps its beats up to the inferred count, gets empty beats up to
// it, frees those past it, and the count is armed for the next measure.
TEST_F(Evaluation, TheOpeningMeasureIsBroughtToTheInferredCount) {
  std::vector<std::string> cinqRondesPointees(5, "o.o ");
  cinqRondesPointees.insert(cinqRondesPointees.end(), {"o. ", "o "});
  const Ouverture ouvertures[] = {
      {{"! ", "! ", "! ", "! "}, 4, 16},
      {{"! ", "! ", "! "}, 3, 16},
      {{"d. ", "! "}, 2, 32},
      {{"d ", "[ ", "! "}, 4, 14},                     // one empty beat added
      {{"o.oo.od.d "}, 5, 80},                         // four added
      {{"[ ", "[ ", "[ ", "[ ", "[ ", "[ "}, 6, 8},
      {cinqRondesPointees, 6, 160},                    // its seventh beat dropped
      {std::vector<std::string>(99, "! "), 99, 16},
  };
  for (const Ouverture& o : ouvertures) {
    reinitialise_etat();
    enregistre_temps(o.temps);
    evalue_fixe_mesure_initiale();
    SCOPED_TRACE(o.temps.size());
    ASSERT_EQ(etat.metre.nbrTps, o.nbrTps);
    EXPECT_EQ(etat.metre.valTps, o.valTps);
    ASSERT_EQ(etat.mesure.nt, o.nbrTps);
    const auto n = static_cast<std::size_t>(o.nbrTps);
    ASSERT_GE(etat.mesure.tabTemps.size(), n);
    for (std::size_t i = 0; i < n; ++i) {
      ASSERT_NE(etat.mesure.tabTemps[i], nullptr) << i;
      const Temps& t = *etat.mesure.tabTemps[i];
      EXPECT_EQ(t.graphie, i < o.temps.size() ? o.temps[i] : "") << i;
      EXPECT_EQ(t.valeur, i < o.temps.size() ? reinterprete_temps(o.temps[i].c_str()) : 0) << i;
    }
    for (std::size_t i = n; i < etat.mesure.tabTemps.size(); ++i) EXPECT_EQ(etat.mesure.tabTemps[i], nullptr) << i;
    EXPECT_EQ(etat.mesure.finMesureAuto, FinParCompte::a_rearmer);
  }
}

// An opening that would give a meter of more than 99 beats gives none: its
// bar closes it as written, it is listed with its beat value and meter marked
// unknown, and the next bar tries again.
TEST_F(Evaluation, AnOpeningOfMoreThan99BeatsSetsNoMeterAndTheNextBarTriesAgain) {
  enregistre_temps({"o.fq "});  // 101 quads: 101 beats of a sixty-fourth
  evalue_fixe_mesure_initiale();
  EXPECT_TRUE(erreur.ends_with(latin1("amorce de mesures trop longue pour en déduire une mesure (plus de 99 temps) ;\n"
                                      "\tajoutez des barres de mesure ou donnez la mesure.\n")));
  EXPECT_EQ(etat.metre.valTps, 9999);
  EXPECT_EQ(etat.mesure.nt, 1);
  const std::string inference = erreur;
  etat.mesure.modeFermeture = 1;
  ferme_mesure(101, 0);
  EXPECT_EQ(erreur, inference);  // nothing compared with the unknown meter
  EXPECT_EQ(textes_des_temps(), std::vector<std::string>{"o.fq |"});
  affiche_mesure(101);
  flux_termine();
  EXPECT_EQ(sortie, latin1("??  = 60\t1\t?? / ??\tF\t1\to.fq |\t=\t101\n"
                           "\t\tNombre de temps trouvé\t1,\ttotaux\t=\t101\n"));
  libere_mesure();
  EXPECT_NE(etat.mesure.finMesureAuto, FinParCompte::armee);
  enregistre_temps({"! ", "! "});
  evalue_fixe_mesure_initiale();
  EXPECT_EQ(etat.metre.nbrTps, 2);
  EXPECT_EQ(etat.metre.valTps, 16);
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
