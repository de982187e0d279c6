// Watches the reading, as temoin_rapport watches the reports: when set, it is
// called at each sign the scanner hands out (a value, a group's opening and
// closing, a bar, a repeat sign or ending, a meter change), while the shared
// state still holds the sign's position and extent and the measure and beat
// it is counted in. The program leaves it unset, which costs a test of a null
// pointer per sign; the records of an analysis (recueil/) set it.
#pragma once

#include <cstdint>

enum class SigneLu : int32_t {
  valeur,         // a note or a rest
  surpointee,     // a value with too many dots, read again as the next value
  ouverture,      // '(' opening a group
  fermeture,      // ')' closing it, with or without its digit
  barre,          // '|'
  double_barre,   // the final double bar
  barre_liee,     // a bar with a tie across it
  debut_reprise,  // "|:"
  fin_reprise,    // ":|"
  ordinal,        // an ending, "1."
  changement,     // a meter change written in the text
};

struct Lecture {
  SigneLu signe;
  // A value: its plain value in quads, its dots, whether it is a rest, its
  // value with its dots. A closer: the written sum of the group's values and
  // the group's value. An ending: its number (the meter change just read is
  // in the scanner's state).
  int32_t base = 0;
  int32_t points = 0;
  bool silence = false;
  int32_t valeur = 0;
  int32_t genre = 0;  // a closer: the tuplet's kind (its digit, else its count)
  bool lie = false;   // a value or a closer tied to what follows
};

inline void (*temoin_lecture)(const Lecture& lu) = nullptr;

inline void temoigne(const Lecture& lu) {
  if (temoin_lecture != nullptr) temoin_lecture(lu);
}
