// The measure subsystem's operations offered to the others.
#pragma once

#include <cstdint>

// Beats (recording, writing out, reading back).
void ajoute_temps(int32_t ignore);
void ajoute_temps_serie(int32_t n);
void ajoute_des_temps();
int32_t reinterprete_temps(const char* texte);
void libere_mesure();

// Closing a measure.
void ferme_mesure(int32_t total, int lie);
void mesureB(int32_t total);
void ajoute_barre();
void evalue_fixe_mesure_initiale();
[[noreturn]] void mesure_erreur();

// Listing a closed measure.
void affiche_mesure(int32_t total);
