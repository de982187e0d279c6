// Malformed notation: reported, then skipped or read again rewritten; and the
// unrecognised bytes, gathered into one run per stretch and reported once.
#pragma once

#include <cstdint>

#include "diagnostics/catalogue.h"
#include "state/etat.h"

// A tie that cannot stand where it is written: reported, and the text is
// read again without it.
void retire_liure(int32_t code, const char* message);
// The token is reported under the code, then skipped.
void rejete(int32_t code, const char* message);
void recule_colonne();
void nouvelles_lignes_mal_placees();
void tabulateurs_verticaux_mal_places();
void deux_retours_chariot();
void retour_chariot_nouvelle_ligne();
void caractere_a_definir();
// An unrecognised byte joins the open run; before a recognised byte the run
// is reported at once.
void non_reconnu(bool avant_reconnu);
// The token is given back whole, to be matched again from its first byte.
void relit_le_jeton();

// Reports the open unrecognised run, if any ($5000 current), at its start and
// with its width, then moves the column past it.
void signale_la_trame_non_reconnue();
inline void signale_non_reconnue() {
  if (etat.diagnostics.codeCourant == err::non_reconnue) signale_la_trame_non_reconnue();
}

// Forgets a report of a run cut short (by a fatal error in a run inside the
// process), as in a new process; and installs signale_non_reconnue as what
// the report routine does before a syntax error, so that the open run is
// reported first.
void reinitialise_corrections();
