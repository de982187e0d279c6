#include <sys/stat.h>

#include <cstddef>

#include "driver/execution.h"
#include "recueil/collecte.h"
#include "state/etat.h"

namespace {

// The bytes standard input holds when it is a file, 0 otherwise: what the
// records are sized for (a text read from a pipe grows them as it comes).
std::size_t taille_a_lire() {
  struct stat s {};
  const bool fichier = ::fstat(0, &s) == 0 && S_ISREG(s.st_mode);  // GCOVR_EXCL_BR_LINE: the tests give files
  return fichier ? static_cast<std::size_t>(s.st_size) : 0;        // GCOVR_EXCL_BR_LINE: the same
}

}  // namespace

int execute_console(int argc, const char* const* argv, Recueil& recueil) {
  // Recorded for the exports, which never read the beats' bytes nor the
  // listing's texts, and the signs' bytes only to draw the reports on them.
  Collecte collecte({.octets_des_temps = false, .textes = false, .octets_des_signes = false}, taille_a_lire());
  LigneDeCommande ligne;
  const int statut = execute_console(argc, argv, &ligne);
  recueil = collecte.termine(
      {statut, etat.diagnostics.codeCourant, static_cast<int>(ligne.mot_fautif) - 1, ligne.message, {}});
  return statut;
}
