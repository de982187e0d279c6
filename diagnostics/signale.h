// The one report routine for everything the checker says about the text.
// The caller passes the message only (Latin-1, may hold \n and \t); the code
// comes from codeCourant, which a caller that wants a particular code sets
// first, and the position, measure and beat from the shared state.
#pragma once

#include <string_view>

void signale_erreur(std::string_view message);
// Most messages are constant texts, whose length the compiler then knows.
inline void signale_erreur(const char* message) { signale_erreur(std::string_view(message)); }
