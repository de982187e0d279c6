// From the lines and columns of the reports to the bytes of the text: each
// record says exactly which characters it is about.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "scanner/etat_position.h"

// Line and column numbers, as wide as the scanner counts them.
using Ligne = decltype(Position::numeroLigne);
using Colonne = decltype(Position::numeroColonne);

// A place in the text, as the scanner numbers it.
struct Point {
  Ligne ligne = 1;
  Colonne colonne = 1;
};

struct Octets {
  std::size_t debut = 0;  // first byte
  std::size_t fin = 0;    // one past the last; debut for a point between characters
};

// Where each byte of the text stands, counted by the input layer's own rules
// (tab stops, line breaks, carriage returns, backspaces, vertical tabs, a form
// feed after a bar), and an index of those places, so that each position is
// found at once however long the text. The scanner's position in the shared
// state is used to count, from a fresh one, and given back afterwards.
class CarteDuTexte {
 public:
  explicit CarteDuTexte(std::string_view texte);

  // The bytes a report covers: it starts at `debut` and reaches `lignes` line
  // breaks further, `largeur` columns on its last line (0 or less: a point).
  // A position can stand for several bytes (after a carriage return, a
  // backspace or a form feed): the one where the text holds `jeton` (the
  // token in hand when the report was made) is taken first; then, as reports
  // come in reading order, the first from `depuis` (where the previous report
  // started).
  Octets octets_du_rapport(Point debut, Ligne lignes, Colonne largeur, std::string_view jeton,
                           std::size_t depuis) const;

  // The first byte from `depuis` that stands at `p` or after it on its line,
  // or on the next line that holds any: where a stretch that ends at `p` stops.
  std::size_t octet_de_fin(Point p, std::size_t depuis) const;

 private:
  // Bytes [debut, fin) on one line whose columns never go down; sorted by
  // line, then by byte. A position is looked for by a binary search in the
  // runs of its line (one, unless the line goes back on itself), which the
  // index by line finds at once.
  struct Suite {
    Ligne ligne;
    std::size_t debut;
    std::size_t fin;
  };

  template <typename Visite>
  void sur_la_ligne(Ligne ligne, Visite visite) const;
  // The first run on the line or after it.
  std::size_t premiere_suite(Ligne ligne) const;
  std::size_t cherche(Point cible, std::string_view jeton, std::size_t depuis) const;
  // The first byte from `depuis` (or failing that from the start) whose
  // position is past `p` (au_moins: at `p` or past it).
  std::size_t premier_passe(Point p, std::size_t depuis, bool au_moins) const;

  std::string_view texte_;
  // Byte i's column (the one after the text's last byte at the end); its
  // line is its run's.
  std::vector<Colonne> colonnes_;
  std::vector<Suite> suites_;
  // premieres_[l]: the first run on line l or after it, for the lines from 1
  // to the last (a vertical tab skips three lines at most: a few per byte).
  std::vector<std::size_t> premieres_;
};
