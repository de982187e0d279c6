#include "diagnostics/signale.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

class Signale : public AvecEtatPropre {
 protected:
  // Line 4, column 7, measure 2, one beat recorded of a four-beat meter.
  void place(int32_t largeur, int32_t lignes = 0) {
    etat.position.numeroLigne = 4;
    etat.position.numeroColonne = 7;
    etat.position.largeurCouverte = largeur;
    etat.position.lignesCouvertes = lignes;
    etat.mesure.numeroMesure = 2;
    etat.mesure.nt = 1;
    etat.metre.nbrTps = 4;
  }
};

TEST_F(Signale, ModeIsAlwaysInteractive) { EXPECT_TRUE(mode_interactif()); }

TEST_F(Signale, ColumnRangeFormWithTheBeatAfterASpace) {
  place(3);
  signale_erreur("message");
  EXPECT_EQ(erreur, "l. 4 col. 7 à 9 m. 2 tps 2 :  message\n"_l1);
}

TEST_F(Signale, BeatBeyondTheMeterIsWrittenInParenthesesWithNoSpaceBeforeTheColon) {
  place(3);
  etat.mesure.nt = 4;
  signale_erreur("m");
  place(1);
  etat.mesure.nt = 4;
  etat.diagnostics.dernierCode = 5;  // a new report, not a repeat
  signale_erreur("m");
  place(0);
  etat.mesure.nt = 4;
  etat.diagnostics.dernierCode = 5;
  signale_erreur("m");
  EXPECT_EQ(erreur,
            "l. 4 col. 7 à 9 m. 2 tps(5):  m\n"
            "l. 4 col. 7 m. 2 tps(5):  m\n"
            "l. 4 (col. 7) m. 2 tps(5):  m\n"_l1);
}

TEST_F(Signale, SingleColumnAndPointForms) {
  place(1);
  signale_erreur("un");
  place(0);
  signale_erreur("zéro"_l1);
  place(-3);
  signale_erreur("négatif"_l1);
  EXPECT_EQ(erreur,
            latin1("l. 4 col. 7 m. 2 tps 2 :  un\n"
                   "l. 4 (col. 7) m. 2 tps 2 :  zéro\n"
                   "l. 4 (col. 7) m. 2 tps 2 :  négatif\n"));
}

TEST_F(Signale, WithNoMeterKnownTheBeatStaysWithinUpToNinetyNine) {
  place(1);
  etat.metre.nbrTps = 99;
  etat.mesure.nt = 98;
  signale_erreur("a");
  etat.mesure.nt = 99;
  signale_erreur("b");
  EXPECT_EQ(erreur, "l. 4 col. 7 m. 2 tps 99 :  a\nl. 4 col. 7 m. 2 tps(100):  b\n");
}

TEST_F(Signale, StretchOverALineBreakUsesTheTwoLineForm) {
  place(3, 1);
  signale_erreur("x");
  place(0, 1);
  signale_erreur("y");
  etat.mesure.nt = 4;
  signale_erreur("z");
  EXPECT_EQ(erreur,
            "l. 4 col. 7 m. 2 tps 2 à\n-. 5 col. 3 :  x\n"
            "l. 4 col. 7 m. 2 tps 2 à\n-. 5 col. 1 :  y\n"
            "l. 4 col. 7 m. 2 tps(5) à\n-. 5 col. 1 :  z\n"_l1);
}

TEST_F(Signale, OfARunOfOneCodeTheFirstAndTheTwelfthArePrinted) {
  place(1);
  etat.diagnostics.codeCourant = 0x3001;
  for (int i = 1; i <= 23; ++i) signale_erreur(std::to_string(i).c_str());
  EXPECT_EQ(erreur,
            "l. 4 col. 7 m. 2 tps 2 :  1\n"
            "l. 4 col. 7 m. 2 tps 2 :  12\n"
            "l. 4 col. 7 m. 2 tps 2 :  23\n");
}

TEST_F(Signale, CodeZeroIsNeverSuppressedAndStoresMinusOne) {
  place(1);
  signale_erreur("a");
  signale_erreur("b");
  EXPECT_EQ(erreur, "l. 4 col. 7 m. 2 tps 2 :  a\nl. 4 col. 7 m. 2 tps 2 :  b\n");
  EXPECT_EQ(etat.diagnostics.dernierCode, -1);
}

TEST_F(Signale, ADifferentCodeEndsTheRun) {
  place(1);
  etat.diagnostics.codeCourant = 0x3001;
  signale_erreur("a");
  signale_erreur("b");  // suppressed
  etat.diagnostics.codeCourant = 0x3002;
  signale_erreur("c");
  etat.diagnostics.codeCourant = 0x3001;
  signale_erreur("d");
  EXPECT_EQ(erreur,
            "l. 4 col. 7 m. 2 tps 2 :  a\nl. 4 col. 7 m. 2 tps 2 :  c\nl. 4 col. 7 m. 2 tps 2 :  d\n");
}

TEST_F(Signale, NothingIsPrintedOnceTheEndOfTheInputHasBeenMet) {
  place(1);
  etat.diagnostics.codeCourant = 0x6021;
  signale_erreur("a");
  signale_erreur("Syntax error");
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x6021);
  EXPECT_EQ(etat.diagnostics.dernierCode, -1);
  EXPECT_EQ(etat.diagnostics.nbRepetitions, 0);
}

TEST_F(Signale, SyntaxErrorIsRewrittenOutsideAndInsideAGroup) {
  place(1);
  signale_erreur("Syntax error");
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x6001);
  etat.scanner.dansGroupe = 1;
  signale_erreur("Syntax error");
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x6011);
  EXPECT_EQ(erreur,
            latin1("l. 4 col. 7 m. 2 tps 2 :  début d'analyse en erreur.\n"
                   "\t(pile d'arborescence syntaxique en défaut ou,\n"
                   "\t terminateur syntactique en propre manquant)\n"
                   "l. 4 col. 7 m. 2 tps 2 :  début d'analyse de groupe en erreur.\n"
                   "\tLa syntaxe du groupolet est défective.\n"));
}

TEST_F(Signale, APendingUnrecognisedRunIsReportedBeforeTheSyntaxError) {
  place(2);
  etat.diagnostics.codeCourant = 0x5000;
  signale_erreur("Syntax error");
  // The run is reported over its two columns, then the syntax error at the
  // point just past it.
  EXPECT_EQ(erreur,
            latin1("l. 4 col. 7 à 8 m. 2 tps 2 :  trame de caractères (monème, lexème) non-reconnue.\n"
                   "l. 4 (col. 9) m. 2 tps 2 :  début d'analyse en erreur.\n"
                   "\t(pile d'arborescence syntaxique en défaut ou,\n"
                   "\t terminateur syntactique en propre manquant)\n"));
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x6001);
  EXPECT_EQ(etat.diagnostics.dernierCode, 0x6001);
}

}  // namespace

namespace {
Nature nature_vue;
std::string tete_vue;
void regarde(Nature nature, std::string_view tete, std::string_view) {
  nature_vue = nature;
  tete_vue = tete;
}
}  // namespace

TEST_F(Signale, TheWatchGetsTheKindFromTheCodeOrTheCallerAndTheHeadAsPrinted) {
  temoin_rapport = regarde;
  place(1);
  etat.diagnostics.codeCourant = err::valeur_trop_pointée;
  signale_erreur("message");
  EXPECT_EQ(nature_vue, Nature::correction);
  EXPECT_EQ(tete_vue, "l. 4 col. 7 m. 2 tps 2 :  ");
  etat.diagnostics.codeCourant = err::aucune_erreur;
  signale_erreur("message", Nature::conseil);
  EXPECT_EQ(nature_vue, Nature::conseil);
  signale_erreur("Syntax error");  // rewritten under $6001: a fault
  EXPECT_EQ(nature_vue, Nature::faute);
  temoin_rapport = nullptr;
}
