// The one report routine for everything the checker says about the text.
// The caller passes the message only (Latin-1, may hold \n and \t); the code
// comes from codeCourant, which a caller that wants a particular code sets
// first, and the position, measure and beat from the shared state.
#pragma once

#include <string_view>

#include "diagnostics/catalogue.h"

// The checker always runs in interactive mode: a run ended early still gives
// its exit report, and the end of the input is reported as such.
inline constexpr bool mode_interactif() { return true; }

// The report's kind comes from its code, unless the caller gives it: the
// measure and meter routines report under $0000, and those that advise or
// inform say so.
void signale_erreur(std::string_view message);
void signale_erreur(std::string_view message, Nature nature);
// Most messages are constant texts, whose length the compiler then knows.
inline void signale_erreur(const char* message) { signale_erreur(std::string_view(message)); }
inline void signale_erreur(const char* message, Nature nature) { signale_erreur(std::string_view(message), nature); }

// What the report routine does first when the parser reports a syntax error:
// the scanner installs it (at its reset) to report a pending run of
// unrecognised bytes before the error. Until then, nothing comes first.
extern void (*avant_erreur_de_syntaxe)();

// Watches the reports as they are printed: when set, called after each report
// that is printed, with its kind, the head of its line (where it stands, up to
// the colon) and the message as printed, while the shared state still holds
// its code, position, measure and beat. The program leaves it unset unless
// the analysis is recorded (recueil/), which gives each report its code and
// kind.
extern void (*temoin_rapport)(Nature nature, std::string_view tete, std::string_view message);
