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

// Where each byte of the text stands, counted by the input layer's own rules
// (tab stops, line breaks, carriage returns, backspaces, vertical tabs, a form
// feed after a bar): points[i] is the position of byte i, points[n] the one
// after the text. The shared state is used to count and is reset afterwards.
std::vector<Point> points_du_texte(std::string_view texte);

struct Octets {
  std::size_t debut = 0;  // first byte
  std::size_t fin = 0;    // one past the last; debut for a point between characters
};

// The bytes a report covers: it starts at `debut` and reaches `lignes` line
// breaks further, `largeur` columns on its last line (0 or less: a point).
// A position can stand for several bytes (after a carriage return, a
// backspace or a form feed): the one where the text holds `jeton` (the token
// in hand when the report was made) is taken first; then, as reports come in
// reading order, the first from `depuis` (where the previous report started).
Octets octets_du_rapport(const std::vector<Point>& points, std::string_view texte, Point debut, int32_t lignes,
                         int32_t largeur, std::string_view jeton, std::size_t depuis);
