#include "driver/execution.h"
#include "recueil/collecte.h"
#include "state/etat.h"

int execute_console(int argc, const char* const* argv, Recueil& recueil) {
  Collecte collecte;
  LigneDeCommande ligne;
  const int statut = execute_console(argc, argv, &ligne);
  recueil = collecte.termine(
      {statut, etat.diagnostics.codeCourant, static_cast<int>(ligne.mot_fautif) - 1, ligne.message, {}});
  return statut;
}
