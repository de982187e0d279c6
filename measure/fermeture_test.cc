#include <gtest/gtest.h>

#include "measure/essais.h"
#include "parser/grammaire.h"

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
  etat.scanner.som = 5;
  ferme_a_la_barre(64);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "[[ ", "! |"}));
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(etat.mesure.numeroMesure, 2);
  EXPECT_EQ(etat.scanner.som, 0);
  EXPECT_EQ(etat.scanner.historiqueTerminaux.recent, SFIN_MESURE2);
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
  EXPECT_EQ(etat.analyseur.finMesureAuto, 1);
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

}  // namespace
