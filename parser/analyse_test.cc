// The parser engine, fed by a scripted token source: which pieces it accepts,
// how it fails, its stack limit, and when it asks for a token.
#include <string>
#include <vector>

#include "meter/metre.h"
#include "tests/support/script.h"

namespace {

using Analyse = AvecScript;

const std::string finEnErreur = "en erreur.";  // both wordings of a syntax error
const std::string debordement = "Parser stack overflow";

TEST_F(Analyse, LonePiecesAreAccepted) {
  struct Cas {
    const char* nom;
    std::vector<int> jetons;
  };
  const std::vector<Cas> cas = {
      {"empty piece", {0}},
      {"bar", {'|', 0}},
      {"double bar", {DBL_BARRE, 0}},
      {"tied bar", {SBARRE_LIURE, 0}},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(analyse_script(c.jetons), 0) << c.nom;
    EXPECT_EQ(demandes().size(), c.jetons.size()) << c.nom;
  }
  EXPECT_EQ(erreur, "");
}

TEST_F(Analyse, ADoubleBarEndsTheAnalysis) {
  EXPECT_EQ(analyse_script({'|', 0}), 0);
  EXPECT_EQ(etat.analyseur.finAnalyse, 0);
  EXPECT_EQ(analyse_script({DBL_BARRE, 0}), 0);
  EXPECT_EQ(etat.analyseur.finAnalyse, 1);
}

TEST_F(Analyse, AMeterChangeIsAPieceThatArmsTheCount) {
  etat.scanner.numerateur = 2;
  etat.scanner.denominateur = 4;
  EXPECT_EQ(analyse_script({CHG_MESURE, 0}), 0);
  EXPECT_EQ(etat.metre.nbrTps, 2);
  EXPECT_EQ(etat.metre.valTps, 16);
  EXPECT_EQ(etat.mesure.finMesureAuto, FinParCompte::armee);
  EXPECT_EQ(sortie, "");  // no description for a meter written in the text
}

// Each is reported once, at the first token that cannot be taken, which is
// the last one the parser asks for.
TEST_F(Analyse, SyntaxErrorsAreReportedOnceAndEndTheParse) {
  struct Cas {
    const char* nom;
    std::vector<int> jetons;
  };
  const std::vector<Cas> cas = {
      {"beat of no position before the count", {SNOR, SFIN_MESURE2}},
      {"tied element before the count", {SNORL, SFIN_MESURE2}},
      {"tied bar after a tied element", {SCRHL, SBARRE_LIURE}},
      {"E element inside a group", {'(', SCRH, SCRHE}},
      {"E2 element inside a group", {'(', SCRHE2}},
      {"group of one", {'(', SNOR, ')'}},
      {"group of eight", {'(', SCRH, SCRH, SCRH, SCRH, SCRH, SCRH, SCRH, SCRH}},
      {"unclosed group", {'(', SCRH, SCRH, 0}},
      {"meter change inside a measure", {SNORE, CHG_MESURE}},
      {"bar then more", {'|', SNOR}},
      {"count alone", {SFIN_MESURE2}},
      {"unknown code", {450}},
      {"error token's code", {256}},
      {"error token's code after a full beat", {SNORE, 256}},
  };
  for (const Cas& c : cas) {
    erreur.clear();
    etat.diagnostics.dernierCode = -1;
    EXPECT_EQ(analyse_script(c.jetons), 1) << c.nom;
    EXPECT_EQ(occurrences(finEnErreur), 1) << c.nom << "\n" << erreur;
    EXPECT_EQ(demandes().size(), c.jetons.size()) << c.nom;
  }
}

TEST_F(Analyse, AFailedParseLeavesNothingForTheNextOne) {
  EXPECT_EQ(analyse_script({'(', SNOR, 0}), 1);
  EXPECT_EQ(analyse_script({0}), 0);
}

TEST_F(Analyse, MinusTwoFromTheSourceFailsWithoutReport) {
  EXPECT_EQ(analyse_script({SNOR, -2}), 1);
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(analyse_script({0}), 0);
}

// State 0 and one state per value: 149 values fill 150 places, and the shift
// of the 150th value would push a 151st state.
TEST_F(Analyse, TheStackHoldsOneHundredAndFiftyStates) {
  std::vector<int> valeurs(149, SQAD);
  valeurs.push_back(0);
  EXPECT_EQ(analyse_script(valeurs), 1);  // a beat of no position needs a bar
  EXPECT_EQ(occurrences(debordement), 0);
  EXPECT_EQ(occurrences(finEnErreur), 1);

  erreur.clear();
  etat.diagnostics.dernierCode = -1;
  EXPECT_EQ(analyse_script(std::vector<int>(200, SQAD)), 1);
  EXPECT_EQ(occurrences(debordement), 1) << erreur;
  EXPECT_EQ(occurrences(finEnErreur), 0);
  EXPECT_EQ(demandes().size(), 150u);
}

TEST_F(Analyse, TheOverflowIsReportedWithTheCodeInForce) {
  etat.diagnostics.codeCourant = 0x2001;
  EXPECT_EQ(analyse_script(std::vector<int>(150, SQAD)), 1);
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x2001);
  EXPECT_EQ(occurrences(debordement), 1);
}

// An element that fills the beat is reduced, and its beat ended, before the
// parser asks for the next token: the scanner must see the new count.
TEST_F(Analyse, AFullBeatEndsBeforeTheNextTokenIsAskedFor) {
  fixe_mesure(4, 4, 0);
  etat.mesure.som = 16;  // what the scanner's accumulator would hold
  etat.mesure.plein = 1;
  analyse_script({SNORE2, CHG_MESURE});
  ASSERT_GE(demandes().size(), 2u);
  EXPECT_EQ(demandes()[1].plein, 0);
  EXPECT_EQ(demandes()[1].nt, 1);
}

// A bar line leaves nothing to decide: the measure is closed, listed and
// released before the end of the piece is asked for.
TEST_F(Analyse, AMeasureEndedByABarIsClosedBeforeTheEndOfThePiece) {
  EXPECT_EQ(analyse_script({SNORE, '|', 0}), 0);
  ASSERT_EQ(demandes().size(), 3u);
  EXPECT_EQ(demandes()[1].nt, 1);
  EXPECT_EQ(demandes()[2].modeFermeture, 1);
  EXPECT_EQ(demandes()[2].nt, 0);
}

// After the count's end a second one could follow: the parser needs the next
// token before it closes the measure.
TEST_F(Analyse, AMeasureEndedByCountIsClosedAfterTheEndOfThePiece) {
  fixe_mesure(1, 4, 0);
  etat.mesure.som = 16;
  etat.mesure.plein = 1;
  EXPECT_EQ(analyse_script({SNORE2, SFIN_MESURE2, 0}), 0);
  ASSERT_EQ(demandes().size(), 3u);
  EXPECT_EQ(demandes()[2].modeFermeture, 0);
  EXPECT_EQ(etat.mesure.nt, 0);
}

// A group of seven elements leaves nothing to shift: its body is reduced, and
// the '(' inserted, before the closer is asked for. After three elements the
// parser must first see whether a fourth follows.
TEST_F(Analyse, OnlyAStateWithNothingToShiftReducesWithoutAToken) {
  analyse_script({'(', SQAD, SQAD, SQAD, SQAD, SQAD, SQAD, SQAD, ')', 0});
  ASSERT_GE(demandes().size(), 9u);
  EXPECT_EQ(demandes()[8].graphie, "(qqqqqqq");

  etat.mesure.graphieTps.clear();
  analyse_script({'(', SQAD, SQAD, SQAD, ')', 0});
  ASSERT_GE(demandes().size(), 6u);
  EXPECT_EQ(demandes()[4].graphie, "qqq");  // no '(' yet: a fourth element may come
  EXPECT_EQ(demandes()[5].graphie, "(qqq)");
}

}  // namespace
