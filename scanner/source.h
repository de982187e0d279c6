// The input layer: where the text comes from (standard input, a descriptor,
// or bytes in memory for runs inside the process), and the token buffer seen
// by the matcher and the lexical actions: the token starts at the first byte;
// the bytes read ahead or pushed back follow it.
#pragma once

#include <cstddef>
#include <cstdint>


void source_depuis_descripteur(int descripteur);
// The bytes must stay valid until the run ends.
void source_depuis_memoire(const char* octets, std::size_t n);
// Forgets all input read or pushed back (the token buffer emptied), and goes
// back to standard input.
void reinitialise_source();

// Whether the source is a terminal: a person typing, who must not be kept
// waiting for more input once the analysis is over. Bytes in memory are not.
bool source_est_un_terminal();

constexpr int fin_de_fichier = -1;  // octet_source and lit_caractere at the end of the input

// The next byte of the source (0 to 255), or fin_de_fichier once it is
// exhausted; the end is final. A descriptor is read through a large buffer.
int octet_source();

// The next input byte 0..255, or fin_de_fichier: a byte read ahead or pushed
// back first, then the source.
int lit_caractere();
// Pushes a byte back: it is the next one read.
void rend_caractere(int octet);

// Capacity of the token buffer: the token and what is read ahead or pushed back.
constexpr int32_t capacite_tampon_jeton = 100;

// The token buffer. The token starts at octets[0]; behind it lie the bytes
// already read ahead or pushed back and not yet consumed.
struct TamponJeton {
  unsigned char octets[capacite_tampon_jeton + 1] = {};  // the bytes held, and room for the token's terminating zero
  int32_t rempli = 0;                                    // bytes held in all
  int32_t longueur = 0;                                  // token length: where the matcher or the action stands
  int32_t marqueur = 0;                                  // end of the longest match seen so far
  int32_t marqueurContexte = 0;                          // start of a trailing context
  int32_t octetSauve = -1;  // the byte under the token's terminating zero, or -1 when not terminated
};

// The token buffer: working state of the input layer, not of the shared
// record; reinitialise_source empties it.
extern TamponJeton tampon_jeton;

// Drops the text of the last token: the next match starts on what follows.
void debut_jeton();
// Brings one more byte of the source behind the bytes held; 0 when done,
// 1 at the end of the input. A full buffer is fatal.
int remplit_tampon();
// The token's text, terminated by a zero (the byte under it is kept aside).
const char* texte_jeton();

inline int32_t longueur_jeton() { return tampon_jeton.longueur; }
inline unsigned char octet_du_jeton(int32_t i) { return tampon_jeton.octets[i]; }

// The matcher's view of the buffer: the byte under its cursor (0 past the
// bytes held, which the matcher checks with manque_octet) and its cursor moves.
inline unsigned char octet_curseur() {
  const TamponJeton& t = tampon_jeton;
  return t.longueur < t.rempli ? t.octets[t.longueur] : 0;
}
inline bool manque_octet() {
  const TamponJeton& t = tampon_jeton;
  return t.longueur >= t.rempli;
}
