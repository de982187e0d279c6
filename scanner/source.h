// Where the text comes from: standard input (a descriptor) or, for runs
// inside the process, bytes in memory.
#pragma once

#include <cstddef>

void source_depuis_descripteur(int descripteur);
// The bytes must stay valid until the run ends.
void source_depuis_memoire(const char* octets, std::size_t n);
// Forgets all input read or pushed back, and goes back to standard input.
void reinitialise_source();
