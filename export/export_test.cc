#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "export/midi.h"
#include "export/musicxml.h"
#include "tests/support/recueil.h"

namespace {

// Divisions make every value whole: a triplet's eighth is a sixth of a
// quarter, a quintuplet's sixteenth three twentieths (five in the time of
// three); tuplets of every
// kind at once stay within what editors take, each instant rounded.
TEST(Export, DivisionsHoldEveryValueWithinTheirBound) {
  EXPECT_EQ(divisions_de(lis_piece(recueil_de("! ! [[ ! |", {"4", "4"}))), 2);
  EXPECT_EQ(divisions_de(lis_piece(recueil_de("([[[)3 (fffff)5 ! ! |", {"4", "4"}))), 60);
  std::string touffu;
  for (int i = 0; i < 6; ++i) touffu += "(qqqqq)5 (qqqqqqq)7 (ttt)3 (fffffff)7 ";
  EXPECT_LE(divisions_de(lis_piece(recueil_de(touffu + "||", {}))), 100800);
}

// A long score is handed on in blocks of 64 KiB at most as it is made, never
// held whole, and its blocks make the whole score.
TEST(Export, ALongScoreIsHandedOnInBoundedBlocks) {
  std::string texte;
  for (int i = 0; i < 2000; ++i) texte += "[[ ([[[)3 !_! ! |";
  const Recueil r = recueil_de(texte + "||", {"4", "4"});
  const Piece p = lis_piece(r);
  std::string score;
  std::size_t blocs = 0, plus_grand = 0;
  ecrit_musicxml(p, r, 60, [&](std::string_view bloc) {
    ++blocs;
    plus_grand = std::max(plus_grand, bloc.size());
    score += bloc;
  });
  EXPECT_GT(blocs, 4u);
  EXPECT_LE(plus_grand, std::size_t{1} << 16);
  EXPECT_TRUE(score.ends_with("</measure>\n</part>\n</score-partwise>\n"));
  EXPECT_NE(score.find("<measure number=\"2000\">"), std::string::npos);
}

// The MIDI file plays repeats, holds a tie over the bar, and ends with the
// piece: two tracks after the header, the notes' lengths in ticks.
TEST(Export, MidiPlaysTheRepeatAndHoldsTheTie) {
  const Piece p = lis_piece(recueil_de("|: ! ! ! !_| ! ! ! ! :| ||", {"4", "4"}));
  const std::string f = en_midi(p, 120);
  ASSERT_EQ(f.substr(0, 14), std::string("MThd\0\0\0\6\0\1\0\2\1\xE0", 14));
  // Tempo: 500000 microseconds a quarter.
  EXPECT_NE(f.find(std::string("\xFF\x51\x03\x07\xA1\x20", 6)), std::string::npos);
  std::size_t notes = 0;
  for (std::size_t i = f.find("MTrk"); i + 2 < f.size(); ++i)
    if (static_cast<unsigned char>(f[i]) == 0x99 && f[i + 1] == 38) ++notes;
  EXPECT_EQ(notes, 14u);  // 7 sounds a time through, twice
}

// A file's delta times take four bytes at most: a silence longer than that
// (some 140,000 measures of rests) is cut by empty text events, and the
// piece still ends where it should.
TEST(Export, MidiCutsAWaitLongerThanItsNumbersHold) {
  std::string texte = "! |";
  for (int i = 0; i < 140000; ++i) texte += "- |";
  const std::string f = en_midi(lis_piece(recueil_de(texte + "! ||", {"4", "4"})), 60);
  const std::string vide("\xFF\xFF\xFF\x7F\xFF\x01\x00", 7);
  const std::size_t coupure = f.find(vide);
  ASSERT_NE(coupure, std::string::npos);
  EXPECT_EQ(f.find(vide, coupure + 1), std::string::npos);  // one cut is enough
  // After the cut, the rest of the wait (140,000 measures of 1,920 ticks, less
  // 0x0FFFFFFF), then the last note.
  EXPECT_EQ(f.substr(coupure + 7, 4), std::string("\x96\xA0\x01\x99", 4));
}

}  // namespace
