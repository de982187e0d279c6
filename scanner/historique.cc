#include "driver/etat.h"
#include "scanner/scanner.h"

// The two most recent piece-ending tokens: pushing a third drops the oldest.
void memorise_terminal(int32_t jeton) {
  HistoriqueTerminaux& h = etat.scanner.historiqueTerminaux;
  h.ancien = h.recent;
  h.recent = jeton;
  if (h.nombre < 2) h.nombre += 1;
}

bool terminaux_recents(int32_t ancien, int32_t recent) {
  const HistoriqueTerminaux& h = etat.scanner.historiqueTerminaux;
  return h.nombre == 2 && h.ancien == ancien && h.recent == recent;
}
