// The input layer: where the text comes from (standard input, a descriptor,
// or bytes in memory for runs inside the process), and the token buffer seen
// by the matcher and the lexical actions: the token starts at the first byte;
// the bytes read ahead or pushed back follow it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>


void source_depuis_descripteur(int descripteur);
// The bytes must stay valid until the run ends.
void source_depuis_memoire(const char* octets, std::size_t n);
// A UTF-8 byte order mark, as editors write at the start of a text: skipped
// there (neither handed out nor counted), like any other bytes elsewhere.
constexpr std::string_view marque_d_ordre_utf8 = "\xEF\xBB\xBF";
// Its length if the n bytes start with it, else 0.
std::size_t longueur_marque_d_ordre(const unsigned char* octets, std::size_t n);

// Forgets all input read or pushed back (the token buffer emptied), and goes
// back to standard input.
void reinitialise_source();

// Whether the source is a terminal: a person typing, who must not be kept
// waiting for more input once the analysis is over. Bytes in memory are not.
bool source_est_un_terminal();

// The system's error number of the read that failed and ended the source
// early, or 0: its end was the end of the text.
int source_erreur_de_lecture();

// Watches the bytes read from a descriptor: when set, called with what each
// read brought, before any of it is handed out. The program leaves it unset,
// which costs a test of a null pointer per read; a run whose analysis is
// recorded keeps the text with it (recueil/).
extern void (*temoin_source)(const unsigned char* octets, std::size_t n);

constexpr int fin_de_fichier = -1;  // octet_source and lit_caractere at the end of the input

// The source's bytes at hand: what the last read brought, or the bytes in
// memory, not yet handed out.
struct OctetsEnMain {
  const unsigned char* debut = nullptr;  // the next byte to hand out
  const unsigned char* fin = nullptr;    // past the last one at hand
};
extern OctetsEnMain octets_en_main;

// The next byte once those at hand are used up: reads again, or ends.
int octet_source_suivant();

// The next byte of the source (0 to 255), or fin_de_fichier once it is
// exhausted; the end is final. A descriptor is read through a large buffer.
inline int octet_source() {
  OctetsEnMain& o = octets_en_main;
  if (o.debut < o.fin) return *o.debut++;
  return octet_source_suivant();
}

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

// Puts back the byte that the token's terminating zero replaced.
inline void restaure_octet_sauve() {
  TamponJeton& t = tampon_jeton;
  if (t.octetSauve < 0) return;
  t.octets[t.longueur] = static_cast<unsigned char>(t.octetSauve);
  t.octetSauve = -1;
}

// Drops the text of the last token: the next match starts on what follows.
inline void debut_jeton() {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  const int32_t reste = t.rempli - t.longueur;
  for (int32_t i = 0; i < reste; ++i) t.octets[i] = t.octets[t.longueur + i];  // a few bytes at most
  t.rempli = reste;
  t.longueur = 0;
  t.marqueur = 0;
  t.marqueurContexte = 0;
}

// Brings one more byte of the source behind the bytes held; 0 when done,
// 1 at the end of the input. A full buffer is fatal.
int remplit_tampon_suivant();
inline int remplit_tampon() {
  TamponJeton& t = tampon_jeton;
  OctetsEnMain& o = octets_en_main;
  if (t.rempli < capacite_tampon_jeton && o.debut < o.fin) {
    t.octets[t.rempli++] = *o.debut++;
    return 0;
  }
  return remplit_tampon_suivant();
}

// The token's text, terminated by a zero (the byte under it is kept aside).
const char* texte_jeton();

// The next input byte 0..255, or fin_de_fichier. A byte read ahead or pushed
// back is taken from the buffer; past them the byte comes straight from the
// source and is consumed at once, so an action may read on (a numerator's
// blanks and zeros) without filling the buffer.
inline int lit_caractere() {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  if (t.longueur < t.rempli) return t.octets[t.longueur++];
  return octet_source();
}

// Pushes a byte back: it is the next one read. A full buffer is fatal.
void rend_caractere_au_milieu(int octet);
inline void rend_caractere(int octet) {
  restaure_octet_sauve();
  TamponJeton& t = tampon_jeton;
  if (t.rempli == t.longueur && t.rempli < capacite_tampon_jeton) {
    t.octets[t.rempli++] = static_cast<unsigned char>(octet);
    return;
  }
  rend_caractere_au_milieu(octet);
}

inline int32_t longueur_jeton() { return tampon_jeton.longueur; }
inline unsigned char octet_du_jeton(int32_t i) { return tampon_jeton.octets[i]; }

// The matcher's view of the buffer: the byte under its cursor and its cursor
// moves. Past the bytes held, the matcher needs the next byte: one already at
// hand is brought into the buffer at once; otherwise the answer is 0, which
// the matcher checks with manque_octet before it asks remplit_tampon (which
// may wait for input, or find the buffer full).
inline unsigned char octet_curseur() {
  TamponJeton& t = tampon_jeton;
  if (t.longueur < t.rempli) return t.octets[t.longueur];
  OctetsEnMain& o = octets_en_main;
  if (t.rempli < capacite_tampon_jeton && o.debut < o.fin) return t.octets[t.rempli++] = *o.debut++;
  return 0;
}
inline bool manque_octet() {
  const TamponJeton& t = tampon_jeton;
  return t.longueur >= t.rempli;
}
