#include <gtest/gtest.h>

#include "io/flux.h"
#include "tests/support/mesures.h"

namespace {

class Affichage : public AvecEtatPropre {
 protected:
  // What the listing has written so far.
  std::string listing() {
    flux_termine();
    return sortie;
  }
};

TEST_F(Affichage, AFourFourMeasureListsItsBeatsStrongAndWeak) {
  metre(4, 16);
  etat.mesure.numeroMesure = 3;
  enregistre_temps({"! ", "[[ ", "(ttt)[. ", "! "});
  etat.mesure.tabTemps[3]->graphie += "|";
  affiche_mesure(64);
  EXPECT_EQ(listing(), latin1("!   = 60\t2\t4 / 4\tF\t1\t! \t=\t16\n"
                           "!   = 60\t2\t4 / 4\tf\t2\t[[ \t=\t16\n"
                           "!   = 60\t2\t4 / 4\tF\t3\t(ttt)[. \t=\t16\n"
                           "!   = 60\t2\t4 / 4\tf\t4\t! |\t=\t16\n"
                           "\t\tNombre de temps trouvé\t4,\ttotaux\t=\t64\n"));
}

TEST_F(Affichage, ACompoundMeterIsShownInItsSubBeats) {
  metre(2, 24, 3, 1);
  enregistre_temps({"!. ", "[[[ "});
  affiche_mesure(48);
  EXPECT_EQ(listing(), latin1("!.  = 60\t0\t6 / 8\tF\t1\t!. \t=\t24\n"
                           "!.  = 60\t0\t6 / 8\tf\t2\t[[[ \t=\t24\n"
                           "\t\tNombre de temps trouvé\t2,\ttotaux\t=\t48\n"));
}

TEST_F(Affichage, AnUnknownBeatCountIsShownAsQuestionMarks) {
  metre(99, 16);
  enregistre_temps({"! "});
  affiche_mesure(16);
  const std::string s = listing();
  EXPECT_EQ(s.substr(0, s.find('\n')), "!   = 60\t0\t?? / 4\tF\t1\t! \t=\t16");
}

TEST_F(Affichage, AMeasureWithNoBeatPrintsOnlyItsSummary) {
  affiche_mesure(7);
  EXPECT_EQ(listing(), latin1("\t\tNombre de temps trouvé\t0,\ttotaux\t=\t7\n"));
}

TEST_F(Affichage, AMeterThatNoLabelFitsIsAnInternalError) {
  enregistre_temps({"! "});
  metre(4, 9);
  EXPECT_EQ(statut_fatal([] { affiche_mesure(16); }), 1);
  metre(4, 16, 0);
  EXPECT_EQ(statut_fatal([] { affiche_mesure(16); }), 1);
  EXPECT_EQ(erreur,
            "affiche_mesure : erreur de programmation (valTps 9)\n"
            "affiche_mesure : erreur de programmation (ennaire 0)\n");
}

}  // namespace
