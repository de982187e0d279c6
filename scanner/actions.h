// The lexical actions that the rules of regles.re call, in the order of its
// sections (the corrections are in corrections.h). Internal to the scanner.
#pragma once

#include <cstdint>

// What follows a value or a group closer: nothing special, white space that
// ends the beat, or a tie.
enum class Suite { nue, blanc, liee };

// Diagnostic reset of the accepted lexemes: the open unrecognised run is
// reported, then no code is current and no code was last reported.
void raz_diagnostic();
// The lines that the token's vertical tabs move down, stop by stop; warns
// first when they do not stand in column 1.
int64_t lignes_des_tabulateurs_verticaux();
// Pushes a text back, so that it is read next, first byte first.
void rend_texte(const char* texte);
// The token's text is swallowed: its extent is applied, and scanning goes on.
void avale_jeton();

// Values and groups.
int valeur(Suite suite);
void valeur_surpointee(Suite suite);
int ouvre_groupe();
int ferme_groupe(Suite suite);

// Meter changes.
int chg_mesure(int32_t numerateur, int32_t denominateur);
int chg_mesure_ecrite();
void zeros_de_tete();
int numerateur_seul();

// Bars and repeat signs.
int retour_chariot();
int barre_seule();
int barre(bool raz);
int double_barre();
int double_barre_blanc();
int barre_rendue(bool raz, const char* rendu, int32_t lignes, int32_t colonnes);
int barre_liee();
int barre_liee_rendue(const char* rendu, int32_t lignes, int32_t colonnes);
void barre_sautee();
void ecrit_reprise(const char* texte);
void ecrit_ordinal();
int fin_de_reprise();

// White space of the white-space states.
void blancs_apres(const char* message_fin);
void nouvelles_lignes_blanc_temps();
void retour_chariot_blanc_temps();
void nouvelles_lignes_blanc_barre();
void tabulateurs_verticaux_blanc_barre();
void sauts_de_page_blanc_barre();

// The tie state.
void liure_seule();
void nouvelle_ligne_liure();
void liure_avant_valeur();
void liure_rendue();
void liure_devant_barre_reprise(int32_t lignes);
void liure_devant_groupe();
void liure_mal_terminee();
