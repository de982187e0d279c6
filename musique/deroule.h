// The piece as it sounds, in quads from its start, with no tempo yet: the
// measures in the order they are played (repeats taken once, endings as
// written), each note's onset and length (tied notes held as one), the rests'
// places, and the metronome's beats, the first of each measure marked. The
// playback, the MIDI file and the grading of a dictation all hear it so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "musique/fraction.h"
#include "musique/piece.h"

// A measure as it is played.
struct Passage {
  int32_t mesure;  // its index in the piece
  int32_t fois;    // the time through its repeat: 1, 2...
  Fraction debut;
  Fraction duree;  // what it lasts as written
};

// Where an element of a sound stands: a tied note is several.
struct Partie {
  int32_t passage;
  int32_t element;  // in its measure
  Fraction debut;
};

// A note, or a run of rests, as it is heard.
struct Son {
  Fraction debut;
  Fraction duree;
  bool silence;
  std::vector<Partie> parties;  // the elements it is made of, in order
};

enum class Accent : uint8_t { premier, fort, faible };

// A beat of the metronome.
struct Battue {
  Fraction debut;
  int32_t passage;
  int32_t temps;  // from 1
  Accent accent;
};

struct Deroule {
  std::vector<Passage> passages;
  std::vector<Son> sons;
  std::vector<Battue> battues;
  Fraction fin;
};

// The measures in the order they are played: a repeat goes back to the last
// "|:" (or to the start, or past the last repeat taken), once; on the n-th
// time through, an ending other than n is skipped.
struct Tour {
  int32_t mesure;
  int32_t fois;
};
std::vector<Tour> ordre_de_lecture(const Piece& piece);

// The sounds of the measures given, in that order, one after the other.
// Consecutive rests are one silence; a tie holds its note over the next
// note played, whatever lies between them in the text.
Deroule deroule(const Piece& piece, const std::vector<Tour>& ordre);

// The same hearing told as it goes, to a reader that keeps only what it
// needs (a long piece's MIDI file is written so): each measure as it starts,
// each element as it starts a sound or lengthens one, each beat of the
// measure once its elements are told. Sounds are numbered from 0 in the
// order they start; a sound lengthened is the note a tie holds or the rest
// just before.
class Auditeur {
 public:
  virtual void passage(const Passage& p) = 0;
  virtual void commence(Fraction debut, Fraction duree, bool silence, const Partie& partie) = 0;
  virtual void prolonge(std::size_t son, Fraction duree, const Partie& partie) = 0;
  virtual void battue(const Battue& b) = 0;

 protected:
  ~Auditeur() = default;
};
// Returns when the piece ends.
Fraction ecoute(const Piece& piece, const std::vector<Tour>& ordre, Auditeur& auditeur);
