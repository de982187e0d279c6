// Internal failures: a consistency check that fails ("erreur de programmation")
// or memory exhaustion. The message goes straight to standard error, without
// the located prefix of the reports, and the process ends with status 1; the
// exit report, when armed, then tells where the analysis stood.
#pragma once

#include <string>

[[noreturn]] void erreur_fatale(const char* message);
[[noreturn]] [[gnu::format(printf, 1, 2)]] void erreur_fatalef(const char* format, ...);

// How the process ends. The program exits (the exit report runs as an exit
// handler); a run inside the process (tests, fuzzing) throws ArretProcessus
// instead, so that one fatal message ends one run, not the host.
struct ArretProcessus {
  int statut;           // the exit status the process would have had
  std::string message;  // the internal failure's message, as written; empty for a plain end
};

enum class ModeFin {
  quitte,   // std::exit: the real program
  exception // throw ArretProcessus: in-process runs
};

void fixe_mode_fin(ModeFin mode);
ModeFin mode_fin();
// message: an internal failure's, handed over to an in-process run's caller.
[[noreturn]] void termine_processus(int statut, std::string message = {});
