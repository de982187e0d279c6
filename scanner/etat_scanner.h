// The scanner's part of the shared analysis state: the meter change just read,
// the beat accumulator, the open group, the history of piece-ending tokens,
// and the matcher's own state (start condition, token buffer, open run).
#pragma once

#include <cstdint>

struct HistoriqueTerminaux {
  int32_t ancien = 0;  // older of the last two piece-ending tokens
  int32_t recent = 0;  // newer one
  int32_t nombre = 0;  // entries held, 0 to 2
};

// The matcher's start conditions: which rules are active.
enum class Demarrage : int32_t {
  NORMAL,            // the notation itself
  BLANC_TEMPS,       // white space after a value or group that ends its beat
  BLANC_INDICATION,  // blanks after a meter change, '(' or a repeat sign
  BLANC_BARRE,       // white space after a bar
  LIURE,             // the tie after a tied value, group or bar
  REPRISE            // the repeat sign or ordinal after a bar
};

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

struct EtatScanner {
  int32_t numerateur = 0;                   // numerator of the meter change just scanned
  int32_t denominateur = 0;                 // its denominator
  int32_t som = 0;                          // quads accumulated in the beat being read
  int16_t plein = 0;                        // the beat being read is full (som >= valTps)
  int16_t dansGroupe = 0;                   // a group (tuplet) is open
  int32_t sommeGroupe = 0;                  // quads of the values inside the open group
  int32_t elementsGroupe = 0;               // number of values inside the open group
  int32_t chiffreGroupe = 0;                // the tuplet digit written after ')'
  HistoriqueTerminaux historiqueTerminaux;  // the last two piece-ending tokens
  int32_t dernierTerminal = 0;              // piece-ending token handed out by the last request, or 0
  Demarrage demarrage = Demarrage::NORMAL;  // the matcher's start condition
  TamponJeton tampon;                       // the current token and the bytes behind it
};
