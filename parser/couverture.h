// Coverage of the parser, in the coverage build only (RYTHME_COUVERTURE; the
// engine's hooks are in couverture_moteur.h). Two records:
// - the productions reduced, marked at every reduction and written at exit,
//   one line per process, to a file of the build tree that the coverage
//   figures read (tests/couverture/bilan.py);
// - which (state, lookahead) pairs the engine consulted. Recording is off
//   unless a table is installed; the engine then pays one null check per
//   look-up. The table readers (what the automaton does on a pair, the names
//   of its symbols) are written in the grammar's epilogue, where bison's
//   tables are visible.
#pragma once

#include <cstdint>

// The automaton's size, checked against bison's own constants in grammaire.y.
inline constexpr int nbEtatsAnalyseur = 291;     // states
inline constexpr int nbTerminauxAnalyseur = 199;  // terminals, by bison's internal numbers
inline constexpr int nbProductions = 281;         // productions, the augmenting one (0) included
// The column of a state left by its default reduction without reading a token.
inline constexpr int colonneSansJeton = nbTerminauxAnalyseur;

// One mark per pair consulted: [state][internal terminal number, or colonneSansJeton].
struct TableCouverture {
  uint8_t vu[nbEtatsAnalyseur][nbTerminauxAnalyseur + 1] = {};  // 1 once consulted
};

// Marks the production reduced (0 when the parse is accepted).
void note_reduction(int production);

// The table being filled, or nullptr when recording is off.
extern TableCouverture* tableCouverture;

// Marks a pair consulted (called by the engine only while recording).
inline void marque_consultation(int etatAutomate, int colonne) {
  tableCouverture->vu[etatAutomate][colonne] = 1;
}

// The engine's hooks (couverture_moteur.h) mark the pair consulted in a state:
// with no lookahead when pact says the state needs none, else the lookahead
// already read, if any; and the token just read, in the state that asked.
void note_etat_consulte(int etatAutomate, int pact);
int note_jeton_lu(int etatAutomate, int jeton);

// What the tables give a state on a lookahead terminal.
enum class ActionTable {
  explicite,  // a shift or a reduction written for that very terminal
  defaut,     // the state's default reduction
  erreur,     // a syntax error
};

// The state's action on the terminal (internal number), from bison's tables.
ActionTable action_table(int etatAutomate, int terminal);

// True when the state reduces by default without consulting any lookahead.
bool reduit_sans_jeton(int etatAutomate);

// The grammar symbol that leads into the state ("(start)" for state 0).
const char* symbole_d_acces(int etatAutomate);

// The internal number of the terminal a token code stands for.
int terminal_du_jeton(int code);

// The name of a grammar symbol by bison's internal number (terminals first).
const char* nom_symbole(int symbole);
