#include "recueil/verdict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/execution.h"
#include "recueil/collecte.h"
#include "recueil/recueil.h"

namespace {

Recueil recueille(const std::vector<std::string>& mots, std::string_view texte, Limites limites = {}) {
  Collecte collecte(texte, limites);
  const Execution e = execute_en_memoire(mots, texte);
  return collecte.termine(e.fin());
}

// ✔ only where the console ends with status 0 and no fault is reported; the
// text ending inside a measure or a group is a fault of that measure.
TEST(Verdict, FollowsTheStatusAndEveryFault) {
  struct Cas {
    std::vector<std::string> mots;
    std::string texte;
    bool reussite;
    int statut;
    std::vector<int32_t> fautives;
    bool double_barre;
  };
  const std::vector<Cas> cas{
      {{"4", "4"}, "! ! ! ! | ! ! ! ! ||", true, 0, {}, true},
      {{"4", "4"}, "! ! ! ! |", true, 0, {}, true},  // a bar that ends the text is the final double bar
      {{"4", "4"}, "", true, 0, {}, false},
      {{"4", "4"}, "! ! ! d | ! ! ! ! |", false, 0, {1}, true},  // checked whole, yet faulty
      {{"4", "4"}, "! ! ! ! |\n! ! !", false, 1, {2}, false},   // an unfinished last measure
      {{"4", "4"}, "! ! ! ! | ([[[", false, 1, {2}, false},     // a group left open
      {{"4", "4"}, "! ! ! ! || z", false, 1, {2}, true},        // text after the final double bar
      {{"4", "4"}, "! ! !_| ! ! ! ! ! |", false, 0, {1, 3}, true},  // measures as the checker counts them
      {{"x", "4"}, "! ! ! ! |", false, 1, {}, false},           // a word refused
  };
  for (const Cas& c : cas) {
    const Recueil r = recueille(c.mots, c.texte);
    const Verdict& v = r.verdict;
    EXPECT_EQ(v.reussite, c.reussite) << c.texte;
    EXPECT_EQ(v.statut, c.statut) << c.texte;
    EXPECT_EQ(v.mesures_fautives, c.fautives) << c.texte;
    EXPECT_EQ(v.double_barre, c.double_barre) << c.texte;
  }
  // A run that an internal failure ended.
  Verdict v;
  v.conclut({1, 0, -1, "", "erreur de programmation"});
  EXPECT_FALSE(v.reussite || v.double_barre);
}

// Advice alone leaves the text a success; reports past the records' limit
// are still counted, and their measures named.
TEST(Verdict, CountsEveryReport) {
  const Recueil conseil = recueille({"4", "4"}, "! ! d | ! ! ! ! ||");
  EXPECT_TRUE(conseil.verdict.reussite);
  EXPECT_EQ(conseil.verdict.par_nature[static_cast<std::size_t>(Nature::conseil)], 1u);

  const std::string texte = "! ! ! d | ! ! ! ! | ! ! ! d | ! ! d | ! ! ! ! ||";
  const Recueil tout = recueille({"4", "4"}, texte);
  const Recueil un = recueille({"4", "4"}, texte, {1, 3});
  ASSERT_GT(tout.rapports.size(), 3u);
  EXPECT_EQ(un.rapports.size(), 1u);
  EXPECT_EQ(un.rapports_omis, tout.rapports.size() - 1);
  EXPECT_EQ(un.signes.size(), 3u);
  EXPECT_EQ(un.signes_omis, tout.signes.size() - 3);
  EXPECT_EQ(un.verdict.par_nature, tout.verdict.par_nature);
  EXPECT_EQ(un.verdict.mesures_fautives, tout.verdict.mesures_fautives);
  EXPECT_EQ(tout.verdict.mesures_fautives, (std::vector<int32_t>{1, 3}));
}

}  // namespace
