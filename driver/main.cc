// rythme: checks the rhythm of a text in the one-character-per-value notation
// read on standard input; rythme [numerator denominator [decomposition]].
#include <csignal>
#include <cstdlib>

#include "driver/execution.h"
#include "io/flux.h"
#include "io/source.h"

namespace {
void livre_tout_a_la_fin() { flux_termine(); }
}  // namespace

int main(int argc, char** argv) {
  reinitialise_etat();
  // A reader that goes away (rythme ... | head) must not end the run by a
  // signal: writes to it fail quietly and the analysis ends with its status.
  std::signal(SIGPIPE, SIG_IGN);
  flux_vers_descripteurs();
  flux_garde_signaux();
  source_depuis_descripteur(0);
  // Registered before the exit report, so that it runs after it.
  std::atexit(livre_tout_a_la_fin);
  return execute_console(argc, argv);
}
