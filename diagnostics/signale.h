// The one report routine for everything the checker says about the text.
// The caller passes the message only (Latin-1, may hold \n and \t); the code
// comes from codeCourant, which a caller that wants a particular code sets
// first, and the position, measure and beat from the shared state.
#pragma once

void signale_erreur(const char* message);
