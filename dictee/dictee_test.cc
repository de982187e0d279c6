#include <gtest/gtest.h>

#include <string>

#include "dictee/correction.h"
#include "dictee/generateur.h"
#include "tests/support/recueil.h"

namespace {

Correction note(const std::string& original, const std::string& copie, const std::vector<std::string>& mots = {"4", "4"}) {
  return corrige(recueil_de(original, mots), recueil_de(copie, mots));
}

std::string justes(const Correction& c) {
  std::string s;
  for (const TempsCorrige& t : c.temps) s += t.juste ? '+' : '-';
  return s;
}

// What sounds is graded, not how it is spelled: a dotted quarter and a
// quarter tied to an eighth are one; a tie across the bar holds the note; a
// triplet is not three eighths; two eighths are not a quarter; a rest is not
// a tie.
TEST(Dictee, EachBeatIsGradedByWhatSounds) {
  Correction c = note("!. [ ! ! ||", "!_[ [ ! ! ||");
  EXPECT_EQ(justes(c), "++++");
  EXPECT_TRUE(c.autre_graphie);
  EXPECT_FALSE(note("!. [ ! ! ||", "!. [ ! ! ||").autre_graphie);

  EXPECT_EQ(justes(note("! ! ! !_| ! ! ! ! ||", "! ! ! !_| ! ! ! ! ||")), "++++++++");
  c = note("! ! ! !_| ! ! ! ! ||", "! ! ! ! | ! ! ! ! ||");
  EXPECT_EQ(justes(c), "+++--+++");  // the tied note, and the beat it holds over
  EXPECT_EQ(c.premier_faux, 3);

  EXPECT_EQ(justes(note("([[[)3 ! ! ! ||", "[[ ! ! ! ||")), "-+++");
  EXPECT_EQ(justes(note("! ! [[ ! ||", "! ! ! ! ||")), "++-+");
  EXPECT_EQ(justes(note("!_[ > ! ! ||", "!. [ ! ! ||")), "+-++");  // a rest against the note's end
  EXPECT_EQ(justes(note("!. [ ! ! ||", "[ ! [ ! ! ||")), "--++");  // a note under the beat's start, held or not

  // Far into a long text, a note held over four beats, and a wrong beat with
  // the bytes of the copy's note in it.
  std::string debut;
  for (int i = 0; i < 49; ++i) debut += "! ! ! ! | ";
  c = note(debut + "o | ! ! [[ ! ||", debut + "o | ! ! ! ! ||");
  EXPECT_EQ(c.justes, 203);
  EXPECT_EQ(c.premier_faux, 202);
  EXPECT_EQ(c.temps[202].octets.debut, debut.size() + 8);
  EXPECT_EQ(c.temps[202].octets.fin, debut.size() + 9);
}

// A student's measure that does not add up (the checker says so) does not
// make the rest wrong: each beat is graded where it sounds, and what is
// missing at the end is.
TEST(Dictee, AMeasureShortIsGradedWhereItSounds) {
  const Correction c = note("! ! ! ! | ! ! ! ! ||", "! ! ! | ! ! ! ! ||");
  EXPECT_EQ(justes(c), "+++++++-");
  EXPECT_EQ(c.premier_faux, 7);
  EXPECT_EQ(c.justes, 7);
}

// Every rhythm offered is one the checker passes without a word, the same
// from the same seed, and keeps to its level's values.
TEST(Dictee, GeneratedRhythmsAreCorrectAndKeepToTheirLevel) {
  // What each level leaves out (a dot is the beat itself in 6/8 and 3/8).
  const char* interdits[] = {"f.k<>(_", ".k<>(_", "k<>(_", "k<>(", "(", "", ""};
  for (int32_t niveau = 1; niveau <= niveau_max; ++niveau)
    for (std::size_t metre = 0; metre < metres_de_dictee().size(); ++metre)
      for (uint64_t graine = 0; graine < 1000; ++graine) {
        const Dictee d = genere_dictee(niveau, metre, 2 + static_cast<int32_t>(graine % 7), graine);
        ASSERT_TRUE(sans_remarque(d.texte, d.mots)) << d.texte;
        ASSERT_LT(d.tirages, 100) << niveau << " " << metres_de_dictee()[metre].nom;
        // The last measure is a note held from its first beat.
        const std::string corps = d.texte.substr(0, d.texte.rfind('|', d.texte.size() - 4));
        const bool compose = metres_de_dictee()[metre].mots[1] == "8";
        for (const char* c = interdits[niveau - 1]; *c != '\0'; ++c) {
          if (*c == '.' && compose) continue;
          ASSERT_EQ(corps.find(*c), std::string::npos) << niveau << ": " << d.texte;
        }
      }
  EXPECT_EQ(genere_dictee(4, 2, 4, 7).texte, genere_dictee(4, 2, 4, 7).texte);
}

}  // namespace
