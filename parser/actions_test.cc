// The actions that end beats and close measures, and the canonical text of
// the beat being read.
#include "parser/actions.h"

#include <string>
#include <vector>

#include "driver/execution.h"
#include "meter/metre.h"
#include "tests/support/mesures.h"
#include "tests/support/script.h"

namespace {

using Actions = AvecScript;

const std::string espacePrecoce = latin1("la fin du temps ne correspond pas à l'espace ' ' l'indiquant.");

void mesure_quatre_quatre() {
  fixe_mesure(4, 4, 0);
}

TEST_F(Actions, ElementsAppendTheirCanonicalText) {
  // Read back when the next token is asked for: the beat is still open.
  etat.scanner.chiffreGroupe = 3;
  analyse_script({SRNDPP, SDSOP, SCRHL, SSSOL, '(', SDBL, SQSOP, STPLP, SPAR_FEMLI, SHSO, CHG_MESURE});
  ASSERT_EQ(demandes().size(), 11u);
  EXPECT_EQ(demandes()[2].graphie, "o..>.");
  EXPECT_EQ(demandes()[4].graphie, "o..>.[_w_");
  EXPECT_EQ(demandes()[9].graphie, "o..>.[_w_(fk.t.)3_");
  EXPECT_EQ(demandes()[10].graphie, "o..>.[_w_(fk.t.)3_x");
}

TEST_F(Actions, ASpaceWithNoMeterKnownEndsTheBeatAsWritten) {
  etat.mesure.graphieTps = "[[";
  termine_temps_espace();
  EXPECT_EQ(etat.mesure.nt, 1);
  EXPECT_EQ(etat.mesure.graphieTps, "");
  EXPECT_EQ(erreur, "");
}

// A very long opening measure reaches the accumulator's 9999 quads: the
// space still ends the beat, and the beat is no longer full.
TEST_F(Actions, ASpaceWithNoMeterKnownClearsAFullBeat) {
  etat.mesure.som = 10000;
  etat.mesure.plein = 1;
  etat.mesure.graphieTps = "o..";
  termine_temps_espace();
  EXPECT_EQ(etat.mesure.plein, 0);
  EXPECT_EQ(etat.mesure.nt, 1);
}

// The same in a whole run: ninety double-dotted whole notes, the last one
// bringing the opening beat past 9999 quads and followed by a space, then
// more values and a bar. The run goes on to the end of the text.
TEST(ActionsBoutEnBout, AnOpeningBeatPast9999QuadsEndedByASpaceDoesNotStopTheRun) {
  std::string texte;
  for (int i = 0; i < 89; ++i) texte += "o..";
  texte += "o.. ! |";
  const Execution r = execute_en_memoire({}, texte);
  EXPECT_EQ(r.erreur.find("erreur de programmation"), std::string::npos) << r.erreur;
  EXPECT_EQ(r.statut, 0);
}

TEST_F(Actions, ASpaceAfterAFullBeatEndsIt) {
  mesure_quatre_quatre();
  etat.mesure.graphieTps = "[[";
  etat.mesure.som = 16;
  etat.mesure.plein = 1;
  termine_temps_espace();
  EXPECT_EQ(etat.mesure.plein, 0);
  EXPECT_EQ(etat.mesure.nt, 1);
  EXPECT_EQ(erreur, "");
}

TEST_F(Actions, AnEarlySpaceIsReportedAndTheBeatGoesOn) {
  mesure_quatre_quatre();
  etat.mesure.graphieTps = "[";
  etat.mesure.som = 8;
  termine_temps_espace();
  EXPECT_EQ(etat.mesure.graphieTps, "[");
  EXPECT_EQ(etat.mesure.nt, 0);
  EXPECT_NE(erreur.find(espacePrecoce), std::string::npos) << erreur;
}

TEST_F(Actions, AFullBeatEndsAndClearsTheFlag) {
  mesure_quatre_quatre();
  etat.mesure.graphieTps = "! ";
  etat.mesure.som = 16;
  etat.mesure.plein = 1;
  termine_temps();
  EXPECT_EQ(etat.mesure.plein, 0);
  EXPECT_EQ(etat.mesure.nt, 1);
}

TEST_F(Actions, WhatRemainsBeforeABarIsRecordedOnlyUnderAKnownMeter) {
  struct Cas {
    bool mesureConnue;
    int32_t som, ntAttendu;
  };
  for (const Cas& c : std::vector<Cas>{{true, 8, 1}, {true, 0, 0}, {false, 8, 0}}) {
    reinitialise_etat();
    if (c.mesureConnue) mesure_quatre_quatre();
    etat.mesure.som = c.som;
    etat.mesure.graphieTps = c.som ? "[" : "";
    ajoute_temps_restant();
    EXPECT_EQ(etat.mesure.nt, c.ntAttendu) << c.mesureConnue << " " << c.som;
  }
}

TEST_F(Actions, HowAMeasureCloses) {
  ferme_par_compte();
  EXPECT_EQ(etat.mesure.modeFermeture, 2);
  mesure_quatre_quatre();
  ferme_par_barre();
  EXPECT_EQ(etat.mesure.modeFermeture, 1);
}

// The bar that may follow a measure closed at its bar ends the text.
TEST_F(Actions, AMeasureClosedAtItsBarCountsAsAnEndOfMeasureHandedOut) {
  mesure_quatre_quatre();
  enregistre_temps({"! ", "! ", "[[ ", "! "});
  ferme_par_barre();
  termine_mesure(64, 0);
  EXPECT_EQ(etat.scanner.historiqueTerminaux.recent, SFIN_MESURE2);
}

TEST_F(Actions, TheDigitIsWrittenAfterTheParenthesis) {
  for (int chiffre = 2; chiffre <= 7; ++chiffre) {
    etat.mesure.graphieTps = "([[[)";
    etat.scanner.chiffreGroupe = chiffre;
    ajoute_chiffre();
    EXPECT_EQ(etat.mesure.graphieTps, "([[[)" + std::to_string(chiffre));
  }
}

}  // namespace
