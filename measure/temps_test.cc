#include <gtest/gtest.h>

#include "measure/essais.h"

namespace {

class Temps_ : public AvecEtatPropre {};

struct Lecture {
  const char* texte;  // a beat text
  int32_t valeur;     // its value in quads
};

TEST_F(Temps_, ABeatTextIsReadBackToItsValue) {
  const Lecture cas[] = {
      {"", 0},          {"!", 16},          {"- ", 64},         {"w", 1},
      {"!.", 24},       {"!..", 28},        {"!...", 28},       {"d._", 48},
      {"[[ ", 16},      {"!.[ ", 32},       {"o.o", 160},       {"t.t", 5},
      {"([[[) ", 16},   {"([[[)3 ", 16},    {"([[[)2 ", 36},    {"(!!)_", 48},
      {"!([[[)3 ", 32}, {"(ffff)[ ", 32},   {"(fffff)", 12},    {"[.f ", 16},
  };
  for (const Lecture& c : cas) EXPECT_EQ(reinterprete_temps(c.texte), c.valeur) << '"' << c.texte << '"';
}

TEST_F(Temps_, ABeatTextThatDoesNotEndAtItsSpaceIsAnInternalError) {
  EXPECT_EQ(statut_fatal([] { reinterprete_temps("! ["); }), 1);
  EXPECT_EQ(erreur, "reinterprete_temps : erreur de programmation, temps se terminant\n\tpar \" [\"\n");
  erreur.clear();
  EXPECT_EQ(statut_fatal([] { reinterprete_temps("!a!"); }), 1);
  EXPECT_EQ(erreur, "reinterprete_temps : erreur de programmation, temps se terminant\n\tpar \"a!\"\n");
}

TEST_F(Temps_, ABeatIsRecordedAsWrittenWithTheValueOfItsText) {
  etat.mesure.graphieTps = "!.[ ";
  etat.scanner.som = 99;  // the accumulator plays no part
  ajoute_temps(0);
  EXPECT_EQ(etat.mesure.nt, 1);
  EXPECT_EQ(textes_des_temps(), std::vector<std::string>{"!.[ "});
  EXPECT_EQ(valeurs_des_temps(), std::vector<int32_t>{32});
  EXPECT_EQ(etat.mesure.graphieTps, "");
}

TEST_F(Temps_, AMeasureWiderThanTheTableKeepsEveryBeatAndGivesTheRoomBackAtItsRelease) {
  enregistre_temps(std::vector<std::string>(150, "! "));
  ASSERT_EQ(etat.mesure.nt, 150);
  EXPECT_EQ(etat.mesure.tabTemps[149]->graphie, "! ");
  EXPECT_EQ(etat.mesure.tabTemps[98]->valeur, 16);
  etat.analyseur.finMesureAuto = 1;
  libere_mesure();
  EXPECT_EQ(etat.mesure.nt, 0);
  EXPECT_EQ(etat.mesure.tabTemps.size(), 99u);
  for (const auto& slot : etat.mesure.tabTemps) EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(etat.analyseur.finMesureAuto, 2);  // the count is re-armed
}

}  // namespace
