#include "musique/deroule.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/support/recueil.h"

namespace {

Piece piece_de(std::string_view texte, const std::vector<std::string>& mots = {"4", "4"}) {
  return lis_piece(recueil_de(texte, mots));
}

std::vector<std::pair<int32_t, int32_t>> ordre(std::string_view texte) {
  std::vector<std::pair<int32_t, int32_t>> o;
  for (const Tour& t : ordre_de_lecture(piece_de(texte))) o.emplace_back(t.mesure, t.fois);
  return o;
}

using Ordre = std::vector<std::pair<int32_t, int32_t>>;

TEST(OrdreDeLecture, RepeatsAreTakenOnceAndEndingsPlayedAsWritten) {
  // A B, A C: the first ending is skipped the second time.
  EXPECT_EQ(ordre("|: ! ! ! ! |1. d d :| o ||"), (Ordre{{0, 1}, {1, 1}, {0, 2}, {2, 1}}));
  // A repeat with no start goes back to the beginning, then on.
  EXPECT_EQ(ordre("! ! ! ! :| d d ||"), (Ordre{{0, 1}, {0, 2}, {1, 1}}));
  // A second repeat goes back no further than the end of the first.
  EXPECT_EQ(ordre("o :| d d :| o ||"), (Ordre{{0, 1}, {0, 2}, {1, 1}, {1, 2}, {2, 1}}));
  // An ending over two measures.
  EXPECT_EQ(ordre("o |1. o | o :| d d ||"), (Ordre{{0, 1}, {1, 1}, {2, 1}, {0, 2}, {3, 1}}));
}

TEST(Deroule, TiesHoldRestsJoinAndEachMeasureIsCounted) {
  const Piece p = piece_de("< < ! !_| ! [ [ ! ! |");
  const Deroule d = deroule(p, ordre_de_lecture(p));
  ASSERT_EQ(d.passages.size(), 2u);
  EXPECT_EQ(d.passages[1].debut, Fraction(64));
  ASSERT_EQ(d.sons.size(), 7u);
  EXPECT_TRUE(d.sons[0].silence);
  EXPECT_EQ(d.sons[0].duree, Fraction(32));
  EXPECT_EQ(d.sons[2].debut, Fraction(48));  // tied over the bar: one sound of a half
  EXPECT_EQ(d.sons[2].duree, Fraction(32));
  EXPECT_EQ(d.sons[2].parties.size(), 2u);
  EXPECT_EQ(d.sons[3].debut, Fraction(80));
  EXPECT_EQ(d.fin, Fraction(128));
  ASSERT_EQ(d.battues.size(), 8u);
  EXPECT_EQ(d.battues[0].accent, Accent::premier);
  EXPECT_EQ(d.battues[1].accent, Accent::faible);
  EXPECT_EQ(d.battues[2].accent, Accent::fort);
  EXPECT_EQ(d.battues[4].accent, Accent::premier);
  EXPECT_EQ(d.battues[5].debut, Fraction(80));
}

TEST(Deroule, ARepeatPlaysItsMeasuresAgain) {
  const Piece p = piece_de("|: ! ! ! ! |1. d d :| o ||");
  const Deroule d = deroule(p, ordre_de_lecture(p));
  ASSERT_EQ(d.passages.size(), 4u);
  EXPECT_EQ(d.passages[3].debut, Fraction(192));
  EXPECT_EQ(d.sons.size(), 4u + 2u + 4u + 1u);
  EXPECT_EQ(d.sons.back().debut, Fraction(192));
}

}  // namespace
