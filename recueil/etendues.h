// From the lines and columns of the reports to the bytes of the text: the
// page selects and marks exactly the characters a report is about.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

struct Point {
  int32_t ligne = 1;
  int32_t colonne = 1;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Octets {
  std::size_t debut = 0;  // first byte
  std::size_t fin = 0;    // one past the last; debut for a point between characters
};

// Where each byte of the text stands, counted by the input layer's own rules
// (tab stops, line breaks, carriage returns, backspaces, vertical tabs, a form
// feed after a bar), and an index of those places, so that each position is
// found at once however long the text. The shared state is used to count and
// is reset afterwards.
class CarteDuTexte {
 public:
  explicit CarteDuTexte(std::string_view texte);

  // points()[i] is the position of byte i, points()[n] the one after the text.
  const std::vector<Point>& points() const { return points_; }

  // The bytes a report covers: it starts at `debut` and reaches `lignes` line
  // breaks further, `largeur` columns on its last line (0 or less: a point).
  // A position can stand for several bytes (after a carriage return, a
  // backspace or a form feed): the one where the text holds `jeton` (the
  // token in hand when the report was made) is taken first; then, as reports
  // come in reading order, the first from `depuis` (where the previous report
  // started).
  Octets octets_du_rapport(Point debut, int32_t lignes, int32_t largeur, std::string_view jeton,
                           std::size_t depuis) const;

  // The first byte from `depuis` that stands at `p` or after it on its line,
  // or on the next line that holds any: where a stretch that ends at `p` stops.
  std::size_t octet_de_fin(Point p, std::size_t depuis) const;

 private:
  // Bytes [debut, fin) on one line whose columns never go down; sorted by
  // line, then by byte. A position is looked for by a binary search in the
  // runs of its line (one, unless the line goes back on itself).
  struct Suite {
    int32_t ligne;
    std::size_t debut;
    std::size_t fin;
  };

  template <typename Visite>
  void sur_la_ligne(int32_t ligne, Visite visite) const;
  std::size_t cherche(Point cible, std::string_view jeton, std::size_t depuis) const;
  // The first byte from `depuis` (or failing that from the start) whose
  // position is past `p` (au_moins: at `p` or past it).
  std::size_t premier_passe(Point p, std::size_t depuis, bool au_moins) const;

  std::string_view texte_;
  std::vector<Point> points_;
  std::vector<Suite> suites_;
};
