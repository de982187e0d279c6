#include "driver/pilote.h"

#include <gtest/gtest.h>

#include "driver/execution.h"
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

}  // namespace
