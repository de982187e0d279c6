#include "io/fatal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "io/flux.h"

namespace {
ModeFin mode_courant = ModeFin::quitte;
}

void fixe_mode_fin(ModeFin mode) { mode_courant = mode; }
ModeFin mode_fin() { return mode_courant; }

void termine_processus(int statut, std::string message) {
  if (mode_courant == ModeFin::exception) throw ArretProcessus{statut, std::move(message)};
  std::exit(statut);  // GCOVR_EXCL_LINE: no text leads the program to an internal failure; in-process runs test what follows one
}

void erreur_fatale(const char* message) {
  erreur_ecrit(message);
  termine_processus(1, mode_courant == ModeFin::exception ? message : "");
}

void erreur_fatalef(const char* format, ...) {
  va_list args;
  va_list pour_message;
  va_start(args, format);
  va_copy(pour_message, args);
  erreur_vprintf(format, args);
  va_end(args);
  // An in-process run hands the message over with the end of the run; the
  // messages are a line or two.
  std::string message;
  if (mode_courant == ModeFin::exception) {
    char texte[1024];
    std::vsnprintf(texte, sizeof texte, format, pour_message);
    message = texte;
  }
  va_end(pour_message);
  termine_processus(1, std::move(message));
}
