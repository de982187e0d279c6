// The beat accumulator: the quads of the beat being read. The scanner adds
// each value read outside a group, and each group's value once it closes,
// and asks whether the beat is full; the end of a beat, of a measure, and
// the parser's end-of-beat actions take from it.
#include <cstdint>

#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "measure/mesure.h"
#include "state/etat.h"

namespace {

// Quads past which one beat's accumulator is warned of: as much as a beat
// holds while no meter is known.
constexpr int32_t limite_accumuleur = valTps_sans_metre;

}  // namespace

void accu(int32_t valeur) {
  EtatMesure& m = etat.mesure;
  m.som += valeur;
  if (m.som > limite_accumuleur)
    signale_erreur(
        "l'accumuleur a atteint une valeur limite,\n\tdécouper la portée en mesure avec '|' ou réajuster la mesure."_l1);
  if (m.som >= etat.metre.valTps) {
    m.plein += 1;
    if (m.plein > 1) erreur_fatale("accu : erreur de programmation (plein > 1)\n");
  }
}

void efface_plein() { etat.mesure.plein = 0; }

int32_t somme_du_temps() { return etat.mesure.som; }

void garde_reliquat(int32_t reste) { etat.mesure.som = reste; }

void vide_accumuleur() { etat.mesure.som = 0; }
