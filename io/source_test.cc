// The input layer: the source read lazily, bytes pushed back, the token
// buffer's bounds, and a descriptor read in large reads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "io/fatal.h"
#include "io/source.h"
#include "parser/grammaire.h"
#include "scanner/jetons.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/lecture.h"

namespace {

class Lecture : public AvecEtatPropre {};

TEST_F(Lecture, LecturePareusse) {
  lit("!!!!");
  EXPECT_EQ(yylex(), SNOR);
  EXPECT_EQ(tampon_jeton.rempli, 2);  // the token, and the one byte that ended it
}

TEST_F(Lecture, RenduLuDansLOrdre) {
  lit("ab");
  EXPECT_EQ(lit_caractere(), 'a');
  rend_caractere(':');
  rend_caractere('|');
  EXPECT_EQ(lit_caractere(), '|');
  EXPECT_EQ(lit_caractere(), ':');
  EXPECT_EQ(lit_caractere(), 'b');
  EXPECT_EQ(lit_caractere(), fin_de_fichier);
  EXPECT_EQ(lit_caractere(), fin_de_fichier);
}

TEST_F(Lecture, TamponPleinAuRendu) {
  for (int i = 0; i < 100; ++i) rend_caractere('x');
  EXPECT_THROW(rend_caractere('x'), ArretProcessus);
  EXPECT_EQ(erreur, "yylex: Push-back buffer overflow\n");
}

TEST_F(Lecture, TamponPleinALaLecture) {
  const std::string texte(200, 'x');
  source_depuis_memoire(texte.data(), texte.size());
  for (int i = 0; i < 100; ++i) ASSERT_EQ(remplit_tampon(), 0);
  EXPECT_THROW(remplit_tampon(), ArretProcessus);
  EXPECT_EQ(erreur, "yylex: Token buffer overflow\n");
}

// The matcher's peek takes the bytes at hand into the buffer up to its
// capacity; past it the byte is missing, and asking for it is fatal.
TEST_F(Lecture, TamponPleinAuRegard) {
  const std::string texte(200, 'x');
  source_depuis_memoire(texte.data(), texte.size());
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(octet_curseur(), 'x');
    ++tampon_jeton.longueur;
  }
  EXPECT_EQ(tampon_jeton.rempli, 100);
  EXPECT_EQ(octet_curseur(), 0);
  EXPECT_TRUE(manque_octet());
  EXPECT_THROW(remplit_tampon(), ArretProcessus);
  EXPECT_EQ(erreur, "yylex: Token buffer overflow\n");
}

// Standard input is read through a descriptor, in large reads.
TEST_F(Lecture, LectureParDescripteur) {
  int tube[2];
  ASSERT_EQ(pipe(tube), 0);
  ASSERT_EQ(write(tube[1], "! |", 3), 3);
  close(tube[1]);
  source_depuis_descripteur(tube[0]);
  EXPECT_EQ(nom_jetons({yylex(), yylex(), yylex(), yylex()}), nom_jetons({SNORE, DBL_BARRE, 0, 0}));
  close(tube[0]);
}

}  // namespace
