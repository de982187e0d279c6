// The measure routines' part of the shared analysis state: the beats of the
// current measure, the beat being read (its text, and the accumulator of its
// value), and the end of a measure by count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "meter/etat_metre.h"

// One recorded beat.
struct Temps {
  int32_t valeur = 0;    // the beat's value in quads, recomputed from its text
  std::string graphie;   // the beat's text, as written or as written out
};

// Slots the beat table keeps between measures, as many as the widest meter
// given in the text has beats; a wider measure grows it and gives the extra
// slots back when it is released.
inline constexpr std::size_t slots_ordinaires = nbrTps_max;

// The end of a measure by count; its transitions are the routines of
// measure/mesure.h.
enum class FinParCompte : int32_t {
  arretee = 0,    // off: measures end at bars only
  a_rearmer = 1,  // a measure has just been closed by count or inferred: armed again at its release
  armee = 2,      // the scanner ends the measure by itself once its beats are all recorded
};

struct EtatMesure {
  std::vector<std::unique_ptr<Temps>> tabTemps = std::vector<std::unique_ptr<Temps>>(slots_ordinaires);  // beats of the current measure; grows for a wider one, back at its release
  int32_t nt = 0;              // beats recorded in the current measure
  std::string graphieTps;      // canonical text of the beat being read
  int32_t som = 0;             // quads accumulated in the beat being read
  int16_t plein = 0;           // the beat being read is full (som >= valTps)
  FinParCompte finMesureAuto = FinParCompte::arretee;  // the end of a measure by count
  int32_t numeroMesure = 1;    // number of the measure being read
  int32_t modeFermeture = 0;   // how the current measure closes: 1 at a bar line, 2 by count
  int16_t mesureLiee = 0;      // the last closed measure was tied into the next one
  int16_t dejaEvaluee = 0;     // the initial meter has been inferred
};
