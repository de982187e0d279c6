// One recorded run in memory, as the module's entry points make it: the
// words as JavaScript hands them over (one after the other, each ended by a
// NUL) and the input bytes in; the run's streams and status, and its records,
// out. Anything the run itself does not turn into an exit status (an
// exception) ends this run only, as an internal failure.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/execution.h"
#include "recueil/recueil.h"

std::vector<std::string> mots_recus(const char* mots, int nombre);

// execution receives the run; the records are returned.
Recueil seance(const std::vector<std::string>& mots, std::string_view texte, Limites limites, Execution& execution);
