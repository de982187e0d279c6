#include "diagnostics/fatal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diagnostics/sortie.h"

namespace {
ModeFin mode_courant = ModeFin::quitte;
}

void fixe_mode_fin(ModeFin mode) { mode_courant = mode; }
ModeFin mode_fin() { return mode_courant; }

void termine_processus(int statut) {
  if (mode_courant == ModeFin::exception) throw ArretProcessus{statut};
  std::exit(statut);
}

void erreur_fatale(const char* message) {
  ecrit_erreur(message);
  termine_processus(1);
}

void erreur_fatalef(const char* format, ...) {
  char local[512];
  va_list args;
  va_start(args, format);
  va_list copie;
  va_copy(copie, args);
  const int n = std::vsnprintf(local, sizeof local, format, args);
  va_end(args);
  if (n >= 0 && static_cast<std::size_t>(n) >= sizeof local) {
    std::string grand(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(grand.data(), grand.size(), format, copie);
    va_end(copie);
    flux_ecrit(erreur_standard, grand.data(), static_cast<std::size_t>(n));
    termine_processus(1);
  }
  va_end(copie);
  if (n > 0) flux_ecrit(erreur_standard, local, static_cast<std::size_t>(n));
  termine_processus(1);
}
