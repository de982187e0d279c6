#include "driver/pilote.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "diagnostics/rapport_sortie.h"
#include "diagnostics/temoin_lecture.h"
#include "driver/etat.h"
#include "driver/execution.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "scanner/source.h"
#include "tests/support/capture.h"

namespace {

const char* const fatal_numerateur = "fixe_mesure : erreur de programmation, nombre de temps non entre 1..99\n";

TEST(Pilote, ANonNumberAsNumeratorIsFatalBeforeAnyBannerAndWithoutExitReport) {
  for (const auto& mots : {std::vector<std::string>{"x", "4"}, {"0", "4"}, {"100", "4"}, {"-3", "4", "1"}}) {
    const Execution r = execute_en_memoire(mots, "");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.erreur, fatal_numerateur);
  }
}

TEST(Pilote, ModeIsAlwaysInteractive) { EXPECT_TRUE(mode_interactif()); }

TEST(Pilote, OneWordOrFourAndMoreAreIgnored) {
  for (const auto& mots : {std::vector<std::string>{}, {"x"}, {"x", "y", "z", "w"}, {"0", "0", "0", "0", "0"}}) {
    const Execution r = execute_en_memoire(mots, "");
    EXPECT_EQ(r.erreur, "");
    EXPECT_EQ(r.sortie.rfind("** Nouvelle analyse en l. 1 col. 1\n", 0), 0u) << r.sortie;
  }
}

TEST(Pilote, TheNumbersAreReadAsTheCLibraryDoes) {
  // Leading blanks and a sign are accepted; trailing text is ignored.
  EXPECT_EQ(execute_en_memoire({"  +4xyz", "4"}, "").erreur, "");
  EXPECT_EQ(execute_en_memoire({"  -4", "4"}, "").erreur, fatal_numerateur);
}

TEST(Pilote, TheFourthWordIsKeptInSixteenBits) {
  // 65536 keeps nothing: 6/8 stays compound; 65537 keeps 1: decomposed.
  EXPECT_EQ(execute_en_memoire({"6", "8", "65536"}, "").sortie, execute_en_memoire({"6", "8"}, "").sortie);
  EXPECT_EQ(execute_en_memoire({"6", "8", "65537"}, "").sortie, execute_en_memoire({"6", "8", "1"}, "").sortie);
  EXPECT_NE(execute_en_memoire({"6", "8", "1"}, "").sortie, execute_en_memoire({"6", "8"}, "").sortie);
}

TEST(Pilote, AFatalErrorDuringTheAnalysisPrintsTheExitReportAfterEverythingElse) {
  // A denominator above 64 in the text ends the run inside the rounding routine.
  const Execution r = execute_en_memoire({}, "4/99 ");
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.sortie, latin1("** Nouvelle analyse en l. 1 col. 1\n"
                             "l. 1 col. 1  Err. $0000  cat. [AUCUNE (ou section interprétée)]\n\r\t"
                             "{aucune erreur}  D.Err. $FFFFFFFF\n"));
  EXPECT_TRUE(r.erreur.ends_with(latin1("échelonne : erreur de programmation (valeur en dehors)\n"))) << r.erreur;
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
// sets, the message of an internal failure, and whether the text ran out
// before a double bar.
TEST(Pilote, AnInProcessRunTellsItsBeatsMeasuresFatalMessageAndHowItEnded) {
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
  EXPECT_EQ(execute_en_memoire({"x", "4"}, "").fatal, fatal_numerateur);
  EXPECT_EQ(execute_en_memoire({"4", "99"}, "").fatal.rfind("échelonne : erreur de programmation"_l1, 0), 0u);
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
