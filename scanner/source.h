// Where the text comes from: standard input (a descriptor) or, for runs
// inside the process, bytes in memory.
#pragma once

#include <cstddef>

void source_depuis_descripteur(int descripteur);
// The bytes must stay valid until the run ends.
void source_depuis_memoire(const char* octets, std::size_t n);
// Forgets all input read or pushed back, and goes back to standard input.
void reinitialise_source();

// Whether the source is a terminal: a person typing, who must not be kept
// waiting for more input once the analysis is over. Bytes in memory are not.
bool source_est_un_terminal();

// The next byte of the source (0 to 255), or fin_de_fichier once it is
// exhausted; the end is final. A descriptor is read through a large buffer.
int octet_source();
