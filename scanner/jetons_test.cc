// Token requests: pieces, the tokens injected and the beat accumulator.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "driver/execution.h"
#include "io/fatal.h"
#include "io/source.h"
#include "parser/grammaire.h"
#include "scanner/jetons.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/lecture.h"

namespace {

class Requetes : public AvecEtatPropre {};

TEST_F(Requetes, ApresUneBarreLaPieceFinitSansLire) {
  lit("!| !");
  EXPECT_EQ(yylex(), SNOR);
  EXPECT_EQ(yylex(), '|');
  const int32_t tenus = tampon_jeton.rempli;
  EXPECT_EQ(yylex(), 0);
  EXPECT_EQ(tampon_jeton.rempli, tenus);
  EXPECT_EQ(yylex(), SNOR);
}

TEST_F(Requetes, FinDeMesureParCompte) {
  lit("!");
  etat.mesure.finMesureAuto = FinParCompte::armee;
  etat.metre.nbrTps = 3;
  etat.mesure.nt = 3;
  EXPECT_EQ(yylex(), SFIN_MESURE2);
  EXPECT_EQ(etat.mesure.finMesureAuto, FinParCompte::arretee);
  EXPECT_EQ(yylex(), 0);
  EXPECT_EQ(tampon_jeton.rempli, 0);  // nothing read yet
  EXPECT_EQ(yylex(), SNOR);
}

// A measure closed at its bar counts as an end of measure handed out, for
// the bar that may follow it.
TEST_F(Requetes, FinDeMesureMemorisee) {
  memorise_fin_de_mesure();
  EXPECT_EQ(etat.scanner.historiqueTerminaux.recent, SFIN_MESURE2);
  EXPECT_EQ(etat.scanner.historiqueTerminaux.nombre, 1);
}

// A text ending with a bar and a newline: the newline is reported, the end
// of the input counts as a second bar.
TEST_F(Requetes, BarreEtNouvelleLigneEnFin) {
  EXPECT_EQ(nom_jetons(jetons_de("|\n")), nom_jetons({'|', 0, 0, DBL_BARRE, 0}));
  EXPECT_EQ(erreur, latin1("l. 1 col. 2 m. 1 tps 1 à\n-. 2 col. 1 :  la fin du fichier est prématurée après une "
                           "nouvelle ligne.\n"));
  EXPECT_EQ(etat.diagnostics.codeCourant, 0x6021);
}

TEST_F(Requetes, FinDansUnGroupeSansBarre) {
  lit("(!");
  EXPECT_EQ(yylex(), '(');
  EXPECT_EQ(yylex(), SNOR);
  EXPECT_EQ(yylex(), 0);
  EXPECT_EQ(etat.scanner.historiqueTerminaux.nombre, 0);
  EXPECT_EQ(yylex(), 0);
}

TEST_F(Requetes, ValeurDesGroupes) {
  etat.metre.valTps = 64;
  jetons_de("(!!!)3 ");
  EXPECT_EQ(etat.mesure.som, 32);
  reinitialise_etat();
  etat.metre.valTps = 64;
  jetons_de("(fffff) ");
  EXPECT_EQ(etat.mesure.som, 12);
  EXPECT_EQ(etat.scanner.chiffreGroupe, 0);
  reinitialise_etat();
  jetons_de("(!!)3");
  EXPECT_EQ(etat.mesure.som, 21);
  EXPECT_EQ(etat.scanner.chiffreGroupe, 3);
}

TEST_F(Requetes, AccumuleurDansUnGroupe) {
  etat.metre.valTps = 16;
  etat.scanner.dansGroupe = 1;
  accumule(16);
  accumule(16);
  EXPECT_EQ(etat.mesure.plein, 0);
  EXPECT_EQ(etat.scanner.sommeGroupe, 32);
  EXPECT_EQ(etat.scanner.elementsGroupe, 2);
  etat.scanner.dansGroupe = 0;
  accumule(8);
  EXPECT_EQ(etat.scanner.sommeGroupe, 0);
  EXPECT_EQ(etat.scanner.elementsGroupe, 0);
  EXPECT_EQ(etat.mesure.som, 8);
}

TEST_F(Requetes, ChiffreDeGroupeHorsLimites) {
  EXPECT_EQ(verifie_chiffre_groupe(3), 3);
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(verifie_chiffre_groupe(8), 8);
  EXPECT_EQ(erreur,
            "l. 1 (col. 1) m. 1 tps 1 :  chiffre : 2 (duolet), 4 (quartolet), 6 (sextuolet)\n\t3 (triolet), 5 "
            "(quintolet), 7 (septolet)\n");
}

// Malformed text never stops the scan: any bytes end in the double bar,
// without an internal failure and without running away.
TEST_F(Requetes, TextesQuelconques) {
  const char alphabet[] =
      "o!d[ftqx.w-_|:()37/0\n\t\r \v\f\bC\\%?\x7f"
      "\xe9"
      "a12";
  uint32_t graine = 12345;
  for (int essai = 0; essai < 3000; ++essai) {
    reinitialise_etat();
    etat.metre.valTps = 1 + essai % 64;
    std::string texte;
    const int longueur = 1 + essai % 23;
    for (int i = 0; i < longueur; ++i) {
      graine = graine * 1103515245u + 12345u;
      texte += alphabet[(graine >> 16) % (sizeof alphabet - 1)];
    }
    std::vector<Lu> lus;
    ASSERT_NO_THROW(lus = lis_jetons(texte, 200)) << texte;
    const bool fini = lus.size() < 200 || lus.back().jeton == 0;
    EXPECT_TRUE(fini) << texte;
  }
}

}  // namespace
