// The piece as a musician reads it, from the signs the checker read: measure
// after measure as the checker cut them, each with its notes and rests as
// written (a measure that does not fill its meter stays as written), its
// tuplets, ties, bar line, repeat signs and endings, the meter in force and
// whether a time signature stands at its start, and what the reports say
// about its notes and bar. The score, the exports and the playback all read
// the piece from here, so that there is one reading of the signs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/catalogue.h"
#include "musique/fraction.h"
#include "recueil/recueil.h"

// A note or a rest (a long piece holds many: its fields are packed).
struct Element {
  bool silence;      // a rest
  bool lie;          // tied to the next note
  int8_t base;       // its plain value in quads: 64 whole ... 1 sixty-fourth
  int8_t points;     // its dots, 0 to 2
  int32_t ecrite;    // its value with its dots
  int32_t temps;     // the beat it was counted in, from 1
  int32_t groupe;    // its tuplet in the measure's groupes, or -1
  Fraction duree;    // what it lasts: its value, scaled by its group
  Fraction debut;    // when it starts, from the start of its measure
  Octets octets;     // its characters
};

// A tuplet: elements premier to dernier of its measure.
struct Groupe {
  int32_t premier;
  int32_t dernier;  // -1 while the group is not closed (the text ended inside it)
  int32_t genre;    // its kind, 2 to 7: the digit written, else its count
  int32_t somme;    // the written values' sum, in quads
  int32_t valeur;   // what the group lasts, in quads
  Octets octets;    // from its '(' to its ')' and digit
};

// The meter a measure is counted in.
struct Metre {
  int32_t numerateur = 0;    // as written; 0 when it has none to write (99 beats) or none is known
  int32_t denominateur = 0;  // 0 when no meter is known
  int32_t valTps = 16;       // a beat, in quads (16 while no meter is known)
  int32_t nbrTps = 4;        // beats in a measure
  int32_t ennaire = 2;       // the beat's base: 2, 3, 5 or 7
  bool compose = false;      // each beat is made of ennaire sub-beats
  std::vector<bool> forts;   // by beat: strong, as the listing marks it
  char symbole = 0;          // 'C' for common time, 'c' for cut time, as the text wrote it

  bool connu() const { return denominateur > 0; }
  // Notes are beamed by this length: the beat, or, in a ternary, quinary or
  // septenary meter counted in its sub-beats, the compound beat they make.
  int32_t poutre() const { return !compose && ennaire != 2 ? valTps * ennaire : valTps; }
  friend bool operator==(const Metre&, const Metre&) = default;
};

enum class Barre : uint8_t {
  aucune,     // the text ended inside the measure
  ajoutee,    // the checker closed the measure by count: no bar was written
  simple,     // a bar line written
  finale,     // the final double bar (or the bar that ends the text)
};

// Where an ending's bracket stands over a measure.
struct Volta {
  int32_t numero = 0;    // the ending's number, 0 when the measure is in none
  bool commence = false; // its bracket starts here
  bool termine = false;  // and ends here
  bool fermee = false;   // ending here, closed by a hook (a repeat follows it)
};

// A report drawn on the score: on the elements or the bar whose characters
// it covers, else on the elements of its beat, else on its measure.
struct Marque {
  std::size_t rapport;            // its index in the records' reports
  std::vector<int32_t> elements;  // the elements it is about, in the measure
  bool barre;                     // it is about the measure's bar
  Nature nature;
};

struct MesureLue {
  int32_t numero;                  // as the checker counted it
  int32_t listee = -1;             // its index in the records' measures, -1 if it was not listed
  int32_t metre = 0;               // the meter it is counted in, in the piece's metres
  bool montre_metre = false;       // a time signature stands at its start
  bool debut_reprise = false;      // "|:" before it
  bool fin_reprise = false;        // ":|" after it
  Barre barre = Barre::aucune;
  Volta volta;
  std::vector<Element> elements;
  std::vector<Groupe> groupes;
  Octets changement;               // the meter change written before it, if any
  Octets octets_barre;             // the bar's characters (empty when none was written)
  Octets octets;                   // from its first sign (repeat sign, ending, meter change) to its bar
  Fraction duree;                  // what its elements last together
  std::string ecart;               // how far it is from its meter, in words ("il manque une noire")
  std::vector<Marque> marques;
};

struct Piece {
  std::vector<MesureLue> mesures;
  // The meters the measures are counted in, each run of measures in one
  // meter sharing one. The first is the meter of measures counted before
  // any is known: four beats of a quarter, strong and weak by turns.
  std::vector<Metre> metres;
  bool incomplete = false;  // the records left signs out: the piece stops there

  const Metre& metre_de(const MesureLue& m) const { return metres[static_cast<std::size_t>(m.metre)]; }
};

// The piece the records describe.
Piece lis_piece(const Recueil& recueil);

// The first measure whose characters reach byte o or past it, and the
// element or bar at byte o (-1 if none).
struct Lieu {
  int32_t mesure = -1;
  int32_t element = -1;
  bool barre = false;
};
Lieu lieu_a(const Piece& piece, std::size_t o);
