// The token buffer seen by the matcher and the lexical actions: the token
// starts at the first byte; the bytes read ahead or pushed back follow it.
#pragma once

#include <cstdint>

#include "driver/etat.h"

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
