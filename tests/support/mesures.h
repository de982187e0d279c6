// Helpers for the measure routines' tests: a meter, beats recorded, and what
// the beat table holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/fatal.h"
#include "measure/mesure.h"
#include "state/etat.h"
#include "tests/support/capture.h"
#include "tests/support/rapports.h"

// The meter of n beats of v quads, in base ennaire.
inline void metre(int32_t n, int32_t v, int32_t ennaire = 2, int16_t composee = 0) {
  etat.metre.nbrTps = n;
  etat.metre.valTps = v;
  etat.metre.ennaire = ennaire;
  etat.metre.composée = composee;
}

// Records each text as a beat, as the parser's end-of-beat steps do.
inline void enregistre_temps(const std::vector<std::string>& textes) {
  for (const std::string& t : textes) {
    etat.mesure.graphieTps = t;
    ajoute_temps(0);
  }
}

// The texts of the beats recorded in the current measure.
inline std::vector<std::string> textes_des_temps() {
  std::vector<std::string> r;
  for (int32_t i = 0; i < etat.mesure.nt; ++i) r.push_back(etat.mesure.tabTemps[static_cast<std::size_t>(i)]->graphie);
  return r;
}

// The values of the beats recorded in the current measure.
inline std::vector<int32_t> valeurs_des_temps() {
  std::vector<int32_t> r;
  for (int32_t i = 0; i < etat.mesure.nt; ++i) r.push_back(etat.mesure.tabTemps[static_cast<std::size_t>(i)]->valeur);
  return r;
}

// The exit status of a run ended by a fatal internal error, or -1.
template <class F>
int statut_fatal(F&& f) {
  try {
    f();
  } catch (const ArretProcessus& a) {
    return a.statut;
  }
  return -1;
}
