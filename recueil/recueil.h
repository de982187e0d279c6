// The analysis as records: what one run of the checker found, as data for
// whatever shows or exports it (the web page, the console's exports), built
// by the collector (collecte.h) once the run is over. Every place in the
// text is also given as the bytes it covers, counted from the input's start;
// texts are Latin-1, as printed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/catalogue.h"
#include "diagnostics/temoin_lecture.h"
#include "recueil/etendues.h"
#include "recueil/verdict.h"

// A report, as the checker printed it on standard error.
struct Rapport {
  Nature nature;
  int32_t code;         // its code in the catalogue
  Point place;          // where it stands
  int32_t mesure;       // the measure it is counted in
  int32_t temps;        // and the beat, from 1
  bool au_dela;         // the beat is beyond the meter
  Octets octets;        // the bytes of the text it is about
  std::string tete;     // where it stands, as its line says it, up to the colon
  std::string message;  // with its \n and \t
};

// A beat of a measure listed.
struct TempsListe {
  std::string texte;  // as the listing writes it
  int32_t valeur;     // in quads
  bool fort;          // a strong beat
  Octets octets;      // the text it came from, from its first value (no blank or bar line before it)
};

// A measure listed on standard output.
struct MesureListee {
  int32_t numero;
  std::string metre;    // as the listing writes it: "4 / 4"
  std::string graphie;  // the beat value's spelling: "!"; empty while no meter is known
  int32_t total;        // the quads read
  std::vector<TempsListe> temps;
  // The meter as written, in numbers (0 where not known), the beat's value in
  // quads, and how far the total is from the measure's length, in words ("il
  // manque une noire", "une noire de trop"; empty when it is exact or no
  // meter is known).
  int32_t numerateur;
  int32_t denominateur;
  int32_t valTps;
  int32_t ennaire;  // the meter's base: 2, 3, 5 or 7 (0 while no meter is known)
  bool compose;     // each beat is made of ennaire sub-beats
  std::string ecart;
};

// A sign read, as the scanner handed it out: a value, a group's opening or
// closing, a bar, a repeat sign, an ending, a meter change (for a change,
// lu.base and lu.valeur are its numerator and denominator, and lu.genre is
// 'C' for a C or C barred, as written).
struct Signe {
  Lecture lu;
  int32_t mesure;  // the measure it was counted in
  int32_t temps;   // the beat, from 1
  Octets octets;   // its bytes (a value read again after too many dots: those written)
};

// How many reports and signs the records keep (the others are counted): a
// page lists what a person can read; an export takes them all. The beats'
// bytes and the listing's texts are kept for a page, which shows them;
// exports never read them.
struct Limites {
  std::size_t rapports = SIZE_MAX;
  std::size_t signes = SIZE_MAX;
  bool octets_des_temps = true;  // false: each TempsListe::octets stays empty
  bool textes = true;            // false: MesureListee::metre and each TempsListe::texte stay empty
  // false: the signs' bytes are found only when a report is drawn on the
  // signs (see sur_les_signes); otherwise each Signe::octets stays empty, as
  // no report needs them.
  bool octets_des_signes = true;
};

// Whether a report of this kind is drawn on the signs it is about: all are
// but the notes for information (a meter inferred, a measure without one).
inline bool sur_les_signes(Nature nature) { return nature != Nature::renseignement; }

struct Recueil {
  std::vector<Rapport> rapports;  // in the order printed
  std::size_t rapports_omis = 0;  // made beyond the limit
  std::vector<MesureListee> mesures;
  std::vector<Signe> signes;
  std::size_t signes_omis = 0;
  std::string description;  // the meter's description, as last printed
  int mot_refuse = -1;      // the command-line word refused, from 0, or -1
  std::string refus;        // its usage message
  std::string fatal;        // the internal failure's message that ended the run
  Verdict verdict;
};
