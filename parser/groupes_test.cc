// Tuplet groups: the body's text and warnings, the value of a closed group,
// and the internal checks.
#include "parser/groupes.h"

#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "tests/support/script.h"

namespace {

using Groupes = AvecScript;

const std::string quartuolet = latin1("le quartuolet est une figure réciproque,entrez plutôt deux duolets.");
const std::string sextuolet = latin1(
    "un sextuolet est une figure ambiguë,\n\tentrez plutôt deux triolets (ou trois duolets avec une autre mesure).");
const std::string silenceDansGroupe = latin1("utiliser plutôt des notes dans le groupe, \n\tou changez de mesure.");

// The "valeur(s) différente(s)" warning with the name of the given kind.
std::string valeurs_differentes(const std::string& nom) {
  return latin1("valeur(s) différente(s) dans le ") + nom +
         latin1("indiquez 2 (duolet), 3 (triolet), 4, 5 (quintolet), 6, 7 (septolet),\n\taprès le groupe, "
                "exemple : duolet (![) transformé en triolet (![)3");
}

// A body reduced as the parser would: its elements' text already written.
int32_t corps(const std::string& graphie, const std::vector<int32_t>& valeurs) {
  etat.mesure.graphieTps += graphie;
  return corps_de_groupe(valeurs.data(), static_cast<int32_t>(valeurs.size()));
}

TEST_F(Groupes, TheParenthesisGoesRightBeforeTheElements) {
  etat.mesure.graphieTps = "!_";
  EXPECT_EQ(corps("[.[..f", {12, 14, 4}), 30);
  EXPECT_EQ(etat.mesure.graphieTps, "!_([.[..f");
  EXPECT_EQ(etat.analyseur.nbElementsGroupe, 3);
  EXPECT_EQ(etat.analyseur.groupeIrregulier, 1);
}

TEST_F(Groupes, ValuesOfClosedGroups) {
  struct Cas {
    const char* nom;
    std::string graphie;
    std::vector<int32_t> valeurs;
    int avecChiffre;
    int32_t chiffre;
    int32_t valeur;
  };
  const std::vector<Cas> cas = {
      {"three eighths", "[[[", {8, 8, 8}, 0, 0, 16},
      {"two eighths", "[[", {8, 8}, 0, 0, 24},
      {"three eighths, digit 2", "[[[", {8, 8, 8}, 1, 2, 36},
      {"quarter and eighth, digit 3", "![", {16, 8}, 1, 3, 16},
      {"five sixteenths", "fffff", {4, 4, 4, 4, 4}, 0, 0, 12},
      {"seven sixty-fourths", "qqqqqqq", {1, 1, 1, 1, 1, 1, 1}, 0, 0, 4},
      {"truncated quintolet", "ffttt", {4, 4, 2, 2, 2}, 0, 0, 8},
  };
  for (const Cas& c : cas) {
    etat.mesure.graphieTps.clear();
    etat.scanner.chiffreGroupe = c.chiffre;
    EXPECT_EQ(vgI(corps(c.graphie, c.valeurs), c.avecChiffre), c.valeur) << c.nom;
    EXPECT_EQ(etat.mesure.graphieTps, "(" + c.graphie) << c.nom;
  }
  // The two mixed groups closed with a digit say nothing; the quintolet does.
  EXPECT_EQ(occurrences(latin1("valeur(s) différente(s)")), 1) << erreur;
  EXPECT_EQ(occurrences(valeurs_differentes("quintolet,\n\t")), 1) << erreur;
}

TEST_F(Groupes, DifferingValuesWithoutADigitNameTheGroup) {
  EXPECT_EQ(vgI(corps("![", {16, 8}), 0), 36);
  EXPECT_EQ(occurrences(valeurs_differentes("duolet,   \n\t")), 1) << erreur;

  const std::vector<std::pair<std::vector<int32_t>, std::string>> noms = {
      {{8, 4, 4}, "triolet,  \n\t"},
      {{8, 4, 4, 4, 4}, "quintolet,\n\t"},
      {{8, 4, 4, 4, 4, 4, 4}, "septolet, \n\t"},
  };
  for (const auto& [valeurs, nom] : noms) {
    erreur.clear();
    vgI(corps(std::string(valeurs.size() - 1, 'f').insert(0, "["), valeurs), 0);
    EXPECT_EQ(occurrences(valeurs_differentes(nom)), 1) << erreur;
  }
}

TEST_F(Groupes, FourDifferentValuesGiveTwoWarningsInOrder) {
  vgI(corps("[fff", {8, 4, 4, 4}), 0);
  const auto p1 = erreur.find(quartuolet);
  const auto p2 = erreur.find(valeurs_differentes("quartolet,\n\t"));
  ASSERT_NE(p1, std::string::npos) << erreur;
  ASSERT_NE(p2, std::string::npos) << erreur;
  EXPECT_LT(p1, p2);
}

TEST_F(Groupes, SixDifferentValuesWarnEvenWithADigit) {
  etat.scanner.chiffreGroupe = 6;
  EXPECT_EQ(vgI(corps("[fffff", {8, 4, 4, 4, 4, 4}), 1), 42);
  EXPECT_EQ(occurrences(sextuolet), 1) << erreur;
  EXPECT_EQ(occurrences(latin1("valeur(s) différente(s)")), 0);
}

TEST_F(Groupes, EqualValuesGiveNoWarning) {
  vgI(corps("ffff", {4, 4, 4, 4}), 0);
  vgI(corps("ffffff", {4, 4, 4, 4, 4, 4}), 0);
  EXPECT_EQ(erreur, "");
}

TEST_F(Groupes, ARestInAGroupCountsButIsDiscouraged) {
  static Nature nature_vue = Nature::faute;
  temoin_rapport = [](Nature nature, std::string_view, std::string_view message) {
    if (message == silenceDansGroupe) nature_vue = nature;
  };
  etat.scanner.chiffreGroupe = 3;
  analyse_script({'(', SSOU, SNOR, SNOR, SPAR_FEMI, CHG_MESURE});
  temoin_rapport = nullptr;
  EXPECT_EQ(nature_vue, Nature::conseil);  // advice, not a fault of the rhythm
  ASSERT_EQ(demandes().size(), 6u);
  EXPECT_EQ(demandes()[5].graphie, "(<!!)3");
  EXPECT_EQ(occurrences(silenceDansGroupe), 1) << erreur;
  EXPECT_EQ(etat.analyseur.groupeIrregulier, 0);  // the rest has the notes' value
}

TEST_F(Groupes, WidthsOfValuesInTheText) {
  for (int32_t v : {1, 2, 4, 8, 16, 32, 64}) EXPECT_EQ(lgv(v), 1) << v;
  for (int32_t v : {3, 6, 12, 24, 48, 96}) EXPECT_EQ(lgv(v), 2) << v;
  for (int32_t v : {7, 14, 28, 56, 112}) EXPECT_EQ(lgv(v), 3) << v;
}

TEST_F(Groupes, InsertionMovesTheLastCharacters) {
  etat.mesure.graphieTps = "![.";
  insère('(', 2);
  EXPECT_EQ(etat.mesure.graphieTps, "!([.");
  insère('(', 4);
  EXPECT_EQ(etat.mesure.graphieTps, "(!([.");
}

TEST_F(Groupes, InternalChecksAreFatal) {
  struct Cas {
    const char* message;
    void (*appel)();
  };
  const std::vector<Cas> cas = {
      {"lgv : erreur de programmation\n", [] { lgv(5); }},
      {"lgv : erreur de programmation\n", [] { lgv(0); }},
      {"insère : erreur de programmation\n", [] { etat.mesure.graphieTps = "!"; insère('(', 0); }},
      {"insère : erreur de programmation\n", [] { etat.mesure.graphieTps = "!"; insère('(', 2); }},
      {"vgI : erreur de programmation\n", [] {
         etat.scanner.chiffreGroupe = 9;
         vgI(16, 1);
       }},
  };
  for (const Cas& c : cas) {
    erreur.clear();
    EXPECT_THROW(c.appel(), ArretProcessus) << c.message;
    EXPECT_EQ(erreur, latin1(c.message));
  }
}

}  // namespace
