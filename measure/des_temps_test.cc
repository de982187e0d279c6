#include <gtest/gtest.h>

#include "measure/essais.h"

namespace {

const char* const conseilLiaison =
    "préférez des notes ou silences liés entre les temps,\n\tou changez de mesure (changement de mesure à insérer).";

class DesTemps : public AvecEtatPropre {
 protected:
  void SetUp() override {
    AvecEtatPropre::SetUp();
    metre(4, 16);
  }
  // A full beat read with this text and this accumulated value.
  static void termine(const char* texte, int32_t som) {
    etat.mesure.graphieTps = texte;
    etat.scanner.som = som;
    ajoute_des_temps();
  }
};

TEST_F(DesTemps, ADottedQuarterCarriesItsEighthIntoTheNextBeat) {
  termine("!. ", 24);
  EXPECT_EQ(textes_des_temps(), std::vector<std::string>{"!. "});
  EXPECT_EQ(valeurs_des_temps(), std::vector<int32_t>{24});
  EXPECT_EQ(etat.scanner.som, 8);
  EXPECT_EQ(erreur, rapport(1, 1, conseilLiaison));
}

TEST_F(DesTemps, ATiedLongValueGetsNoAdvice) {
  termine("!._", 24);
  EXPECT_EQ(etat.scanner.som, 8);
  EXPECT_EQ(erreur, "");
}

TEST_F(DesTemps, AHalfNoteCoversAnEmptyBeat) {
  termine("d ", 32);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"d ", ""}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{32, 0}));
  EXPECT_EQ(etat.scanner.som, 0);
  EXPECT_EQ(erreur, rapport(1, 1, conseilLiaison));
}

TEST_F(DesTemps, ALateBarRewritesTheLastBeatToWhatStillFits) {
  enregistre_temps({"! ", "! ", "! "});
  termine("d ", 32);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "! ", "! "}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16, 16}));
  EXPECT_EQ(etat.scanner.som, 0);
  EXPECT_EQ(erreur, rapport(1, 4, conseilLiaison) +
                        rapport(1, 4,
                                "la barre '|' indiquant une fin de mesure est tardive\n\tmodifiez la valeur du dernier "
                                "temps ou changez de mesure.\n\td sérié à ..."));
}

TEST_F(DesTemps, ALongBeatIsQuotedWholeInTheLateBarReport) {
  enregistre_temps({"! ", "! ", "! "});
  const std::string longue = std::string(700, 'q') + " ";
  termine(longue.c_str(), 700);
  EXPECT_NE(erreur.find("\t" + longue + latin1("sérié à ...\n")), std::string::npos);
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16, 16}));
}

TEST_F(DesTemps, ALateBarInAWideMeasureWritesOutMoreThanTheLargestBeatValue) {
  metre(2, 160, 5);
  termine("o.oo.oo.o ", 480);
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{320, 0}));
  EXPECT_EQ(etat.mesure.tabTemps[0]->graphie, "o..o.d.d!..f ");
}

TEST_F(DesTemps, ALateBarMidMeasureIsCutToTheRoomLeftAndItsCoveredBeat) {
  enregistre_temps({"! ", "! "});
  termine("o. ", 96);
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 32, 0}));
  EXPECT_EQ(etat.scanner.som, 0);
}

TEST_F(DesTemps, ABeatThatIsNotFullIsAnInternalError) {
  EXPECT_EQ(statut_fatal([] { termine("[ ", 8); }), 1);
  EXPECT_EQ(erreur, "ajoute_des_temps : erreur de programmation (som < valTps)\n");
}

}  // namespace
