// The measure subsystem's operations offered to the others.
#pragma once

#include <cstdint>

// The beat accumulator: the quads of the beat being read.
void accu(int32_t valeur);                     // adds a value; the beat may become full (plein)
void efface_plein();                           // the full beat has been ended
int32_t somme_du_temps();                      // quads accumulated in the beat being read
void garde_reliquat(int32_t reste);            // the beat is used up: what carries into the next one stays
void vide_accumuleur();                        // the measure is closed: nothing carries over

// Beats (recording, writing out, reading back).
void ajoute_temps(int32_t ignore);
void ajoute_temps_serie(int32_t n);
void ajoute_des_temps();
int32_t reinterprete_temps(const char* texte);
void libere_mesure();
// Gives back the beat records kept for reuse, as in a new process.
void reinitialise_temps();

// Closing a measure.
void ferme_mesure(int32_t total, int lie);
void mesureB(int32_t total);
void ajoute_barre();
void evalue_fixe_mesure_initiale();
[[noreturn]] void mesure_erreur();

// The end of a measure by count (finMesureAuto).
void arme_fin_par_compte();       // a meter is in force: each measure ends once its beats are all recorded
void arrete_fin_par_compte();     // no meter yet: the first measure ends at its bar
void rearmera_fin_par_compte();   // a measure closed by count or inferred: armed again at its release
// For the scanner: true, and off until re-armed, once an armed measure has
// all its beats.
bool fin_par_compte_due();

// Listing a closed measure.
void affiche_mesure(int32_t total);
// Whether beat i (from 0) of a measure is a strong one.
bool temps_fort(int32_t i);
// The meter in force as the listing writes it: "4 / 4", "?? / 4".
struct Ecriture;
void ecrit_metre(Ecriture& e);

// Watch the measures: when set, temoin_temps is called after each beat is
// recorded (with its slot, while the shared state still holds the position of
// the token that ended it), and temoin_mesure after each measure is listed
// (its beats still in the table). The program leaves them unset unless the
// analysis is recorded (recueil/).
extern void (*temoin_temps)(int32_t slot);
extern void (*temoin_mesure)(int32_t total);
