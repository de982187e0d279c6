#include <sys/stat.h>
#include <unistd.h>

#include "driver/execution.h"
#include "recueil/collecte.h"
#include "state/etat.h"

namespace {

// What is left to read on standard input when it is a file, 0 otherwise.
std::size_t taille_a_lire() {
  struct stat s {};
  if (::fstat(0, &s) != 0 || !S_ISREG(s.st_mode)) return 0;
  const off_t lu = ::lseek(0, 0, SEEK_CUR);
  return lu >= 0 && lu < s.st_size ? static_cast<std::size_t>(s.st_size - lu) : 0;
}

}  // namespace

int execute_console(int argc, const char* const* argv, Recueil& recueil) {
  // Recorded for the exports, which never read the beats' bytes.
  Collecte collecte({.octets_des_temps = false}, taille_a_lire());
  LigneDeCommande ligne;
  const int statut = execute_console(argc, argv, &ligne);
  recueil = collecte.termine(
      {statut, etat.diagnostics.codeCourant, static_cast<int>(ligne.mot_fautif) - 1, ligne.message, {}});
  return statut;
}
