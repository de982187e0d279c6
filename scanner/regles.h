// The matcher generated from regles.re, and its start condition.
#pragma once

#include <cstdint>

// The matcher's start conditions: which rules are active.
enum class Demarrage : int32_t {
  NORMAL,            // the notation itself
  BLANC_TEMPS,       // white space after a value or group that ends its beat
  BLANC_INDICATION,  // blanks after a meter change, '(' or a repeat sign
  BLANC_BARRE,       // white space after a bar
  LIURE,             // the tie after a tied value, group or bar
  REPRISE            // the repeat sign or ordinal after a bar
};

// The start condition in force: working state of the matcher, not of the
// shared record; the actions change it too.
extern Demarrage demarrage;

// Runs the matcher until an action hands out a token; 0 at the end of the input.
int lance_automate();
// Back to the notation's own rules, as in a new process.
void reinitialise_automate();
