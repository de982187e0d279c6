#include "musique/fraction.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Rounding is half away from zero, the same whether the product fits in 64
// bits or needs the wide path; whole numbers are taken as they are.
TEST(Fraction, RoundsHalfAwayFromZeroOnEitherPath) {
  EXPECT_EQ(Fraction(1, 4).arrondi(2), 1);
  EXPECT_EQ(Fraction(-1, 4).arrondi(2), -1);
  EXPECT_EQ(Fraction(16, 3).arrondi(30), 160);
  EXPECT_EQ(Fraction(7).arrondi(30), 210);
  const int64_t grand = int64_t{1} << 40;
  EXPECT_EQ(Fraction(grand + 1, 2).arrondi(3), (3 * grand + 3) / 2 + 1);
  EXPECT_EQ(Fraction(-(grand + 1), 2).arrondi(3), -((3 * grand + 3) / 2 + 1));
  EXPECT_EQ(Fraction(grand).arrondi(30), 30 * grand);
}

// Sums and orders of whole and fractional values agree.
TEST(Fraction, WholeAndFractionalValuesAddAndCompare) {
  EXPECT_EQ(Fraction(3) + Fraction(5), Fraction(8));
  EXPECT_EQ(Fraction(16, 3) + Fraction(32, 3), Fraction(16));
  EXPECT_EQ(Fraction(6, 1), Fraction(12, 2));
  EXPECT_LT(Fraction(16, 3), Fraction(6));
  EXPECT_GT(Fraction(7, 2), Fraction(10, 3));
  EXPECT_LT(Fraction(-1), Fraction(0));
}

}  // namespace
