// The input layer: where the text comes from (standard input, a descriptor,
// or bytes in memory for runs inside the process), and the token buffer seen
// by the matcher and the lexical actions: the token starts at the first byte;
// the bytes read ahead or pushed back follow it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/etat.h"

void source_depuis_descripteur(int descripteur);
// The bytes must stay valid until the run ends.
void source_depuis_memoire(const char* octets, std::size_t n);
// Forgets all input read or pushed back, and goes back to standard input.
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

// Drops the text of the last token: the next match starts on what follows.
void debut_jeton();
// Brings one more byte of the source behind the bytes held; 0 when done,
// 1 at the end of the input. A full buffer is fatal.
int remplit_tampon();
// The token's text, terminated by a zero (the byte under it is kept aside).
const char* texte_jeton();

inline int32_t longueur_jeton() { return etat.scanner.tampon.longueur; }
inline unsigned char octet_du_jeton(int32_t i) { return etat.scanner.tampon.octets[i]; }

// The matcher's view of the buffer: the byte under its cursor (0 past the
// bytes held, which the matcher checks with manque_octet) and its cursor moves.
inline unsigned char octet_curseur() {
  const TamponJeton& t = etat.scanner.tampon;
  return t.longueur < t.rempli ? t.octets[t.longueur] : 0;
}
inline bool manque_octet() {
  const TamponJeton& t = etat.scanner.tampon;
  return t.longueur >= t.rempli;
}
