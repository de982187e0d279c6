#include "musique/piece.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/recueil.h"

namespace {

Piece piece_de(std::string_view texte, const std::vector<std::string>& mots = {"4", "4"}) {
  return lis_piece(recueil_de(texte, mots));
}

// A triplet's values share its beat exactly; what follows starts on the beat.
TEST(Piece, ATupletsValuesShareItsValueExactly) {
  const Piece p = piece_de("([[[)3 ! d |");
  ASSERT_EQ(p.mesures.size(), 1u);
  const MesureLue& m = p.mesures[0];
  ASSERT_EQ(m.elements.size(), 5u);
  ASSERT_EQ(m.groupes.size(), 1u);
  EXPECT_EQ(m.groupes[0].premier, 0);
  EXPECT_EQ(m.groupes[0].dernier, 2);
  EXPECT_EQ(m.elements[1].debut, Fraction(16, 3));
  EXPECT_EQ(m.elements[2].duree, Fraction(16, 3));
  EXPECT_EQ(m.elements[3].debut, Fraction(16));
  EXPECT_EQ(m.duree, Fraction(64));
  EXPECT_EQ(m.barre, Barre::finale);
}

// Repeat signs, endings and bars belong to the measures they stand around;
// a measure closed by count has no bar written.
TEST(Piece, RepeatsEndingsAndBarsAreTheMeasures) {
  const Piece p = piece_de("|: ! ! ! ! |1. ! ! ! ! | ! ! ! ! :| ! ! ! ! ! ! ! ! ||");
  ASSERT_EQ(p.mesures.size(), 5u);
  EXPECT_TRUE(p.mesures[0].debut_reprise);
  EXPECT_EQ(p.mesures[0].octets.debut, 0u);
  const Volta v1 = p.mesures[1].volta, v2 = p.mesures[2].volta;
  EXPECT_TRUE(v1.numero == 1 && v1.commence && !v1.termine);
  EXPECT_TRUE(v2.numero == 1 && !v2.commence && v2.termine && v2.fermee);
  EXPECT_TRUE(p.mesures[2].fin_reprise);
  EXPECT_EQ(p.mesures[3].volta.numero, 0);
  EXPECT_EQ(p.mesures[3].barre, Barre::ajoutee);
  EXPECT_EQ(p.mesures[4].barre, Barre::finale);
}

// A time signature where the text sets or changes the meter, and nowhere else.
TEST(Piece, ATimeSignatureOnlyWhereTheMeterIsSetOrChanged) {
  const Piece p = piece_de("C ! ! ! ! | ! ! ! ! | 3/4 ! ! ! | d. | C\\ d d | d d ||", {});
  ASSERT_EQ(p.mesures.size(), 6u);
  const bool montres[] = {true, false, true, false, true, false};
  const char symboles[] = {'C', 'C', 0, 0, 'c', 'c'};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(p.mesures[i].montre_metre, montres[i]) << i;
    EXPECT_EQ(p.metre_de(p.mesures[i]).symbole, symboles[i]) << i;
  }
  EXPECT_EQ(p.metre_de(p.mesures[2]).numerateur, 3);
  EXPECT_EQ(p.metre_de(p.mesures[2]).valTps, 48);
}

// A fault is drawn on the note it is about.
TEST(Piece, AReportMarksTheNotesItIsAbout) {
  const Piece p = piece_de("! ! ! d |");
  ASSERT_EQ(p.mesures.size(), 1u);
  EXPECT_EQ(p.mesures[0].ecart, "une noire de trop");
  bool sur_la_blanche = false;
  for (const Marque& k : p.mesures[0].marques)
    sur_la_blanche |= k.nature == Nature::faute && k.elements == std::vector<int32_t>{3};
  EXPECT_TRUE(sur_la_blanche);
  EXPECT_EQ(lieu_a(p, 6).element, 3);
  EXPECT_TRUE(lieu_a(p, 8).barre);
}

// Sixes counted in eighths are beamed by three.
TEST(Piece, ACompoundMeterCountedInSubBeatsIsBeamedByItsCompoundBeat) {
  for (const auto& [texte, mots, poutre] : {std::tuple<const char*, std::vector<std::string>, int32_t>{"[[[ [[[ |", {"6", "8", "1"}, 24},
                                             {"[[[[[[ |", {"6", "8"}, 24},
                                             {"! ! ! ! |", {"4", "4"}, 16}}) {
    const Piece p = piece_de(texte, mots);
    EXPECT_EQ(p.metre_de(p.mesures[0]).poutre(), poutre) << texte;
  }
}

}  // namespace
