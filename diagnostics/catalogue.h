// The error catalogue: a 16-bit code, written $XXXX, whose top four bits give
// its category.
#pragma once

#include <cstdint>

const char* categorie_erreur(int32_t code);
const char* description_erreur(int32_t code);
