#include "driver/pilote.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "diagnostics/rapport_sortie.h"
#include "diagnostics/temoin_lecture.h"
#include "driver/execution.h"
#include "io/fatal.h"
#include "io/source.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "parser/moteur.h"
#include "state/etat.h"
#include "tests/support/capture.h"

namespace {

constexpr std::string_view ligne_usage = "usage : rythme [numérateur dénominateur [décomposition]] < texte\n";

// A refused word: its message and the usage line on standard error, status 1,
// before any banner and without an exit report; the run says which word.
TEST(Pilote, AMistypedWordIsAUsageErrorBeforeAnyBanner) {
  const std::vector<std::pair<std::vector<std::string>, MotFautif>> cas{
      {{"x", "4"}, MotFautif::numérateur},        {{"0", "4"}, MotFautif::numérateur},
      {{"100", "4"}, MotFautif::numérateur},      {{"-3", "4", "1"}, MotFautif::numérateur},
      {{"4.5", "4"}, MotFautif::numérateur},      {{"4294967300", "4"}, MotFautif::numérateur},
      {{" 4", "4"}, MotFautif::numérateur},       {{"", ""}, MotFautif::numérateur},
      {{"4", "0"}, MotFautif::dénominateur},      {{"4", "128"}, MotFautif::dénominateur},
      {{"4", "4abc"}, MotFautif::dénominateur},   {{"6", "8", "65536"}, MotFautif::décomposition},
      {{"6", "8", "-"}, MotFautif::décomposition}, {{"6", "8", "1\t"}, MotFautif::décomposition},
      {{std::string(50, '7'), "4"}, MotFautif::numérateur}};
  for (const auto& [mots, mot] : cas) {
    const Execution r = execute_en_memoire(mots, "! ! ! ! |");
    EXPECT_EQ(r.statut, 1) << mots[0];
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.mot_fautif, mot) << mots[0] << " " << mots[1];
    EXPECT_EQ(r.erreur, r.refus);
    EXPECT_TRUE(r.erreur.starts_with("rythme : ") && r.erreur.ends_with(latin1(ligne_usage))) << r.erreur;
  }
  // The word shown: a control byte as '?', a long word cut.
  EXPECT_NE(execute_en_memoire({"6", "8", "1\t"}, "").refus.find(latin1("«1?»")), std::string::npos);
  EXPECT_NE(execute_en_memoire({std::string(50, '7'), "4"}, "").refus.find(latin1("«" + std::string(40, '7') + "...»")),
            std::string::npos);
}

TEST(Pilote, OneWordOrFourAndMoreAreIgnored) {
  for (const auto& mots : {std::vector<std::string>{}, {"x"}, {"x", "y", "z", "w"}, {"0", "0", "0", "0", "0"}}) {
    const Execution r = execute_en_memoire(mots, "");
    EXPECT_EQ(r.erreur, "");
    EXPECT_EQ(r.sortie.rfind("** Nouvelle analyse en l. 1 col. 1\n", 0), 0u) << r.sortie;
  }
}

TEST(Pilote, WholeNumbersWithASignAreAccepted) {
  for (const auto& mots : {std::vector<std::string>{"+4", "04"}, {"99", "99"}, {"6", "8", "-32768"}, {"6", "8", "32767"}}) {
    const Execution r = execute_en_memoire(mots, "");
    EXPECT_EQ(r.mot_fautif, MotFautif::aucun);
    EXPECT_EQ(r.refus, "");
    EXPECT_NE(r.sortie.find("** Nouvelle analyse"), std::string::npos) << r.sortie;
  }
}

TEST(Pilote, HelpAndVersionAloneEndAtOnceWithStatusZero) {
  for (const char* mot : {"--help", "-h"}) {
    const Execution r = execute_en_memoire({mot}, "! ! ! ! |");
    EXPECT_EQ(r.statut, 0);
    EXPECT_TRUE(r.sortie.starts_with(latin1(ligne_usage))) << r.sortie;
    EXPECT_EQ(r.erreur, "");
  }
  const Execution r = execute_en_memoire({"--version"}, "");
  EXPECT_TRUE(r.sortie.starts_with("rythme ") && r.sortie.ends_with("\n")) << r.sortie;
  EXPECT_EQ(r.sortie.find('\n'), r.sortie.size() - 1);
}

// No text leads to an internal failure; a token source that fails stands in.
[[noreturn]] int jeton_en_echec() { erreur_fatale("jeton_en_echec : erreur de programmation (essai)\n"); }

TEST(Pilote, AFatalErrorDuringTheAnalysisPrintsTheExitReportAfterEverythingElse) {
  installe_source_jetons(&jeton_en_echec);
  const Execution r = execute_en_memoire({}, "! ! ! ! |");
  installe_source_jetons(nullptr);
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.sortie, latin1("** Nouvelle analyse en l. 1 col. 1\n"
                             "l. 1 col. 1  Err. $0000  cat. [AUCUNE (ou section interprétée)]\n\r\t"
                             "{aucune erreur}  D.Err. $FFFFFFFF\n"));
  EXPECT_EQ(r.erreur, "jeton_en_echec : erreur de programmation (essai)\n");
  EXPECT_EQ(r.fatal, "jeton_en_echec : erreur de programmation (essai)\n");
}

// What follows the final double bar is reported when the text comes from a
// file, a pipe or memory, but not from a terminal: someone typing there is not
// kept waiting, and what is left on the line is not read.
class ApresLaDoubleBarre : public AvecEtatPropre {
 protected:
  int execute_sur_terminal(std::string_view ligne) {
    const int maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_GE(maitre, 0);
    EXPECT_EQ(::grantpt(maitre), 0);
    EXPECT_EQ(::unlockpt(maitre), 0);
    const int esclave = ::open(::ptsname(maitre), O_RDWR | O_NOCTTY);
    EXPECT_GE(esclave, 0);
    EXPECT_EQ(::write(maitre, ligne.data(), ligne.size()), static_cast<ssize_t>(ligne.size()));
    source_depuis_descripteur(esclave);
    const char* const argv[] = {"rythme", "4", "4"};
    const int statut = execute_pilote(3, argv);
    desarme_rapport_de_sortie();
    ::close(esclave);
    ::close(maitre);
    return statut;
  }
};

TEST_F(ApresLaDoubleBarre, ATerminalIsNotReadPastIt) {
  ASSERT_EQ(execute_sur_terminal("! ! ! ! || ! ! x\n"), 0);
  EXPECT_EQ(erreur, "");
}

TEST_F(ApresLaDoubleBarre, BytesInMemoryAreReadOnAndReportedOnce) {
  const Execution r = execute_en_memoire({"4", "4"}, "! ! ! ! || ! ! x\n");
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.erreur, latin1("l. 1 col. 12 m. 2 tps 1 :  texte après la double barre finale, non analysé ;\n"
                             "\tune double barre (\"||\" ou deux barres séparées d'un blanc) termine l'analyse.\n"));
}

}  // namespace

namespace {
int temps_vus = 0;
int mesures_vues = 0;
int descriptions_vues = 0;
}  // namespace

// What an in-process run tells besides its streams: the watches the web page
// sets, and whether the text ran out before a double bar.
TEST(Pilote, AnInProcessRunTellsItsBeatsMeasuresAndHowItEnded) {
  temps_vus = mesures_vues = descriptions_vues = 0;
  temoin_temps = [](int32_t) { ++temps_vus; };
  temoin_mesure = [](int32_t) { ++mesures_vues; };
  temoin_description = [](std::string_view) { ++descriptions_vues; };
  const Execution r = execute_en_memoire({"4", "4"}, "! ! ! ! |");
  temoin_temps = nullptr;
  temoin_mesure = nullptr;
  temoin_description = nullptr;
  EXPECT_EQ(temps_vus, 4);
  EXPECT_EQ(mesures_vues, 1);
  EXPECT_EQ(descriptions_vues, 1);
  EXPECT_EQ(r.fatal, "");
  EXPECT_NE(r.code_final, 0x6021);
  EXPECT_EQ(execute_en_memoire({}, "").code_final, 0x6021);
}

namespace {
std::string signes_lus;

// Each sign as a few characters, with the measure and beat it is counted in.
void note_signe(const Lecture& lu) {
  static constexpr const char* noms[] = {"v", "s", "(", ")", "|", "||", "_|", "|:", ":|", "o", "c"};
  signes_lus += noms[static_cast<int>(lu.signe)];
  if (lu.signe == SigneLu::valeur) signes_lus += std::to_string(lu.valeur) + (lu.silence ? "r" : "") + (lu.lie ? "_" : "");
  if (lu.signe == SigneLu::fermeture) signes_lus += std::to_string(lu.genre) + ":" + std::to_string(lu.valeur);
  if (lu.signe == SigneLu::ordinal) signes_lus += std::to_string(lu.valeur);
  if (lu.signe == SigneLu::changement)
    signes_lus += std::to_string(etat.scanner.numerateur) + "/" + std::to_string(etat.scanner.denominateur);
  signes_lus += "@" + std::to_string(etat.mesure.numeroMesure) + "." + std::to_string(etat.mesure.nt + 1) + " ";
}
}  // namespace

// The signs the web page's score is drawn from: every kind, where the
// scanner hands it out, counted in its measure and beat; a value written with
// too many dots is told, then read again with the dots it may take.
TEST(Pilote, TheSignsReadAreWatchedInTheirMeasureAndBeat) {
  signes_lus.clear();
  temoin_lecture = note_signe;
  execute_en_memoire({"4", "4"}, "|: ! [_[ (fff)3 t.. ! |1. ! ! ! !_|_! ! ! < :|\nC\\ d d ||");
  temoin_lecture = nullptr;
  EXPECT_EQ(signes_lus,
            "|@1.1 |:@1.1 v16@1.1 v8_@1.2 v8@1.2 (@1.3 v4@1.3 v4@1.3 v4@1.3 )3:8@1.3 s@1.3 v3@1.3 v16@1.3 |@1.4 "
            "o1@2.1 v16@2.1 v16@2.2 v16@2.3 v16_@2.4 _|@3.1 v16@3.1 v16@3.2 v16@3.3 v16r@3.4 |@4.1 :|@4.1 "
            "c2/2@4.1 v32@4.1 v32@4.2 ||@5.1 ");
}
