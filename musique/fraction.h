// A duration or an instant, in quads, exact: a value inside a tuplet lasts a
// fraction of its written value (a triplet's eighth, 8 × 2/3). Always in
// lowest terms with a positive denominator. Inside a group the denominator
// divides the group's written sum, so that an instant of the piece (whole
// quads plus a share of one group) never needs more than that; a length
// taken as the difference of two instants needs at most the product of two.
#pragma once

#include <compare>
#include <cstdint>
#include <numeric>

struct Fraction {
  static constexpr int64_t petit = int64_t{1} << 30;  // below it, a product and its double fit in 64 bits

  int64_t num = 0;
  int64_t den = 1;

  constexpr Fraction() = default;
  constexpr Fraction(int64_t entier) : num(entier) {}  // NOLINT: a whole number of quads is a fraction
  constexpr Fraction(int64_t n, int64_t d) : num(n), den(d) {
    if (den == 1) return;  // a whole number of quads, the most common by far
    if (den < 0) num = -num, den = -den;
    const int64_t g = std::gcd(num, den);
    if (g > 1) num /= g, den /= g;
  }

  friend constexpr Fraction operator+(Fraction a, Fraction b) {
    if (a.den == 1 && b.den == 1) return a.num + b.num;
    const int64_t g = std::gcd(a.den, b.den);
    return {a.num * (b.den / g) + b.num * (a.den / g), a.den / g * b.den};
  }
  friend constexpr Fraction operator-(Fraction a, Fraction b) { return a + Fraction(-b.num, b.den); }
  friend constexpr Fraction operator*(Fraction a, Fraction b) {
    const int64_t g1 = std::gcd(a.num, b.den), g2 = std::gcd(b.num, a.den);
    return {(a.num / (g1 ? g1 : 1)) * (b.num / (g2 ? g2 : 1)), (a.den / (g2 ? g2 : 1)) * (b.den / (g1 ? g1 : 1))};
  }
  Fraction& operator+=(Fraction b) { return *this = *this + b; }
  friend constexpr bool operator==(Fraction a, Fraction b) { return a.num == b.num && a.den == b.den; }
  friend constexpr std::strong_ordering operator<=>(Fraction a, Fraction b) {
    if (a.den == b.den) return a.num <=> b.num;
    return static_cast<__int128>(a.num) * b.den <=> static_cast<__int128>(b.num) * a.den;
  }

  // The nearest multiple of 1/par of a quad, as a whole number (half away
  // from zero): par = 30 gives the ticks of a file of 480 to the quarter.
  constexpr int64_t arrondi(int64_t par) const {
    if (num > -petit && num < petit && par >= 0 && par < petit && den < petit) {
      // The same in 64 bits, where it fits; a whole number has nothing to round.
      const int64_t n = num * par;
      if (den == 1) return n;
      return n >= 0 ? (2 * n + den) / (2 * den) : -((-2 * n + den) / (2 * den));
    }
    const __int128 n = static_cast<__int128>(num) * par;
    return static_cast<int64_t>(n >= 0 ? (2 * n + den) / (2 * den) : -((-2 * n + den) / (2 * den)));
  }
  double en_double() const { return static_cast<double>(num) / static_cast<double>(den); }
};
