// The meter subsystem's operations offered to the others.
#pragma once

#include <cstdint>

// Prints the two-line description of the meter in force on standard output.
void affiche_indications_mesure();
// Sets the meter n / d; demande asks for a decomposed meter.
void fixe_mesure(int32_t n, int32_t d, int16_t demande);
// Infers the meter from the opening measure: nombreTps beats worth totalEnQuad.
void fixe_mesure_initiale(int32_t nombreTps, int32_t totalEnQuad, int16_t demande);
