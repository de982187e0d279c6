#include <gtest/gtest.h>

#include "driver/execution.h"
#include "tests/support/mesures.h"

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
  etat.mesure.som = 99;  // the accumulator plays no part
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
  etat.mesure.finMesureAuto = FinParCompte::a_rearmer;
  libere_mesure();
  EXPECT_EQ(etat.mesure.nt, 0);
  EXPECT_EQ(etat.mesure.tabTemps.size(), 99u);
  for (const auto& slot : etat.mesure.tabTemps) EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(etat.mesure.finMesureAuto, FinParCompte::armee);  // the count is re-armed
}

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
    etat.mesure.som = som;
    ajoute_des_temps();
  }
};

TEST_F(DesTemps, ADottedQuarterCarriesItsEighthIntoTheNextBeat) {
  termine("!. ", 24);
  EXPECT_EQ(textes_des_temps(), std::vector<std::string>{"!. "});
  EXPECT_EQ(valeurs_des_temps(), std::vector<int32_t>{24});
  EXPECT_EQ(etat.mesure.som, 8);
  EXPECT_EQ(erreur, rapport(1, 1, conseilLiaison));
}

TEST_F(DesTemps, ATiedLongValueGetsNoAdvice) {
  termine("!._", 24);
  EXPECT_EQ(etat.mesure.som, 8);
  EXPECT_EQ(erreur, "");
}

TEST_F(DesTemps, AHalfNoteCoversAnEmptyBeat) {
  termine("d ", 32);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"d ", ""}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{32, 0}));
  EXPECT_EQ(etat.mesure.som, 0);
  EXPECT_EQ(erreur, rapport(1, 1, conseilLiaison));
}

TEST_F(DesTemps, ALateBarRewritesTheLastBeatToWhatStillFits) {
  enregistre_temps({"! ", "! ", "! "});
  termine("d ", 32);
  EXPECT_EQ(textes_des_temps(), (std::vector<std::string>{"! ", "! ", "! ", "! "}));
  EXPECT_EQ(valeurs_des_temps(), (std::vector<int32_t>{16, 16, 16, 16}));
  EXPECT_EQ(etat.mesure.som, 0);
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
  EXPECT_EQ(etat.mesure.som, 0);
}

// With no meter a beat fills only at the accumulator's limit: it is recorded
// as written, however many beats the opening already holds, with no advice,
// no late bar and no beat written out.
TEST_F(DesTemps, WithNoMeterABeatAtTheAccumulatorsLimitIsRecordedAsWritten) {
  reinitialise_etat();
  enregistre_temps(std::vector<std::string>(120, "! "));
  const std::string longue = std::string(79, 'o') + "d";
  termine(longue.c_str(), 10080);
  ASSERT_EQ(etat.mesure.nt, 121);
  EXPECT_EQ(etat.mesure.tabTemps[120]->graphie, longue);
  EXPECT_EQ(etat.mesure.tabTemps[120]->valeur, 5088);
  EXPECT_EQ(etat.mesure.som, 0);
  EXPECT_EQ(erreur, "");
}

TEST_F(DesTemps, ABeatThatIsNotFullIsAnInternalError) {
  EXPECT_EQ(statut_fatal([] { termine("[ ", 8); }), 1);
  EXPECT_EQ(erreur, "ajoute_des_temps : erreur de programmation (som < valTps)\n");
}

class Serie : public AvecEtatPropre {};

struct Ecriture {
  int32_t valeur;     // the value written out
  const char* texte;  // the beat recorded for it
};

TEST_F(Serie, AValueIsWrittenOutAsOneBeatOfTheSameValue) {
  const Ecriture cas[] = {
      {0, " "},        {1, "q "},          {5, "t.t "},          {9, "[q "},
      {11, "f.fq "},   {16, "! "},         {40, "!.! "},         {100, "o.f "},
      {150, "o..df. "}, {160, "o.o "},      {200, "o..d.d[ "},    {320, "o..o.d.d!..f "},
  };
  for (const Ecriture& c : cas) {
    ajoute_temps_serie(c.valeur);
    const Temps& t = *etat.mesure.tabTemps[static_cast<std::size_t>(etat.mesure.nt - 1)];
    EXPECT_EQ(t.graphie, c.texte) << c.valeur;
    EXPECT_EQ(t.valeur, c.valeur);
  }
  EXPECT_EQ(erreur, "");
}

TEST_F(Serie, AnyLargeValueIsWrittenOut) {
  for (const int32_t n : {1000, 15840, 700000}) {
    ajoute_temps_serie(n);
    EXPECT_EQ(etat.mesure.tabTemps[static_cast<std::size_t>(etat.mesure.nt - 1)]->valeur, n);
  }
  EXPECT_EQ(erreur, "");
}

TEST_F(Serie, ANegativeValueIsAnInternalError) {
  EXPECT_EQ(statut_fatal([] { ajoute_temps_serie(-3); }), 1);
  EXPECT_EQ(erreur, "ajoute_temps_serie : erreur de programmation (val[Tps] -3)\n");
  EXPECT_EQ(etat.mesure.nt, 0);
}

}  // namespace
