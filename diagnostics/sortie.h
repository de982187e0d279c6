// The two output streams. Standard output keeps a buffer that is emptied where
// the run says (after each banner, after the exit report) and at exit;
// standard error is unbuffered: each call is one write. Bytes are written as
// given: the program's texts are already Latin-1 (latin1.h), and input bytes
// echoed to standard output go out unchanged.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

struct Flux {
  int descripteur = -1;            // file descriptor written to, when not captured
  std::string* capture = nullptr;  // in-memory sink instead of a descriptor (tests, fuzzing)
  bool tamponne = false;           // keep bytes until vide_flux (standard output only)
  std::string tampon;              // bytes kept, at most taille_tampon
};

extern Flux sortie_standard;  // standard output
extern Flux erreur_standard;  // standard error

void flux_ecrit(Flux& flux, const char* octets, std::size_t n);
void flux_ecrit(Flux& flux, const char* texte);
[[gnu::format(printf, 2, 3)]] void flux_printf(Flux& flux, const char* format, ...);
void flux_vprintf(Flux& flux, const char* format, va_list args);
void vide_flux(Flux& flux);

// Shorthands for the two streams.
inline void ecrit_sortie(const char* texte) { flux_ecrit(sortie_standard, texte); }
inline void ecrit_sortie(const char* octets, std::size_t n) { flux_ecrit(sortie_standard, octets, n); }
inline void vide_sortie() { vide_flux(sortie_standard); }
// An integer in decimal, as "%d" writes it, without going through printf.
void ecrit_sortie_entier(int32_t n);
inline void ecrit_erreur(const char* texte) { flux_ecrit(erreur_standard, texte); }
#define sortie_printf(...) flux_printf(sortie_standard, __VA_ARGS__)
#define erreur_printf(...) flux_printf(erreur_standard, __VA_ARGS__)

// Points both streams at the process's descriptors 1 and 2.
void flux_vers_descripteurs();
// Points both streams at strings, for a run inside the process.
void flux_vers_chaines(std::string* sortie, std::string* erreur);
