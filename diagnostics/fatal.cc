#include "diagnostics/fatal.h"

#include <cstdarg>
#include <cstdlib>

#include "diagnostics/flux.h"

namespace {
ModeFin mode_courant = ModeFin::quitte;
}

void fixe_mode_fin(ModeFin mode) { mode_courant = mode; }
ModeFin mode_fin() { return mode_courant; }

void termine_processus(int statut) {
  if (mode_courant == ModeFin::exception) throw ArretProcessus{statut};
  std::exit(statut);  // GCOVR_EXCL_LINE: no text leads the program to an internal failure; in-process runs test what follows one
}

void erreur_fatale(const char* message) {
  erreur_ecrit(message);
  termine_processus(1);
}

void erreur_fatalef(const char* format, ...) {
  va_list args;
  va_start(args, format);
  erreur_vprintf(format, args);
  va_end(args);
  termine_processus(1);
}
