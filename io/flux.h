// The two output streams, and when their bytes reach their destination.
//
// Callers write bytes and mark the points where what standard output holds
// becomes due (after each banner, after the exit report); this module decides
// when to write. What a reader sees is the same as if standard output were
// flushed at each of those points and standard error written at once:
//  - due output reaches its destination before anything of the other stream
//    does when both streams share one (same file, pipe or terminal), before
//    the program waits for input, and before the process ends in any way;
//  - a standard output that is a terminal gets each due part at once, and a
//    standard error that is a terminal gets each write at once;
//  - otherwise bytes wait in a buffer until it is full, so that a long run
//    makes few write calls.
// The program's texts are Latin-1 (latin1.h) and go out so, except on a
// terminal whose locale writes UTF-8, where they are turned into UTF-8; the
// user's own bytes (a refused word) go out unchanged everywhere.
//
// A write that fails is reported once on standard error (unless that is the
// stream that failed) and nothing more is written to that stream; the run
// must then fail (flux_en_echec). A reader gone away is not a failure: its
// stream is dropped quietly. A descriptor left non-blocking is waited for.
#pragma once

#include <charconv>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Standard output.
void sortie_ecrit(std::string_view octets);
void sortie_entier(int32_t n);  // an integer in decimal, as "%d" writes it
// Room for up to n bytes (n at most 65536) at the end of standard output, to
// be written in place and handed over with sortie_avance.
char* sortie_place(std::size_t n);
void sortie_avance(std::size_t n);
[[gnu::format(printf, 1, 2)]] void sortie_printf(const char* format, ...);
// What standard output holds is due: the point where it used to be flushed.
void sortie_due();

// Standard error: each write is due at once. The parts of one report are
// given together, so that they stay together whatever the destination.
void erreur_ecrit(std::string_view debut, std::string_view milieu = {}, std::string_view fin = {});
void erreur_ecrit(std::string_view a, std::string_view b, std::string_view c, std::string_view d,
                  std::string_view e);
// The program's text around bytes of the user's own (a word of the command
// line), which go out as they are, never converted.
void erreur_ecrit_avec_octets_lus(std::string_view avant, std::string_view lus, std::string_view apres);
void erreur_vprintf(const char* format, va_list args);

// A write has failed since the streams were last pointed somewhere (other
// than by a reader gone away): the run must end with status 1.
bool flux_en_echec();
// The system's reason for an error number, in French where it is a usual
// one (Latin-1).
const char* raison_systeme(int numero);

// The input layer calls this before each read that may wait: everything due
// is written, and a termination signal received meanwhile takes effect.
void flux_avant_lecture();
// Writes everything still held, due or not: the end of the process.
void flux_termine();

// Points both streams at the process's descriptors 1 and 2, and reads what
// they are (terminals, one shared destination).
void flux_vers_descripteurs();
// Standard output is kept for an export written on it once the run is over:
// what the run writes there is dropped, and standard error, even when it
// shared that destination, keeps its own.
void flux_sortie_ecartee();
// Points both streams at strings, for a run inside the process.
void flux_vers_chaines(std::string* sortie, std::string* erreur);

// Writes texts and integers one after another into memory that the caller
// has sized: a line composed in place, with no format to interpret.
struct Ecriture {
  char* fin;  // where the next byte goes
  void texte(std::string_view s) {
    std::memcpy(fin, s.data(), s.size());
    fin += s.size();
  }
  void entier(int64_t n) {
    // Beat numbers, values and columns are mostly one or two digits.
    if (static_cast<uint64_t>(n) < 10) {
      *fin++ = static_cast<char>('0' + n);
    } else if (static_cast<uint64_t>(n) < 100) {
      fin[0] = static_cast<char>('0' + n / 10);
      fin[1] = static_cast<char>('0' + n % 10);
      fin += 2;
    } else {
      fin = std::to_chars(fin, fin + chiffres_entier_max, n).ptr;
    }
  }
  static constexpr std::size_t chiffres_entier_max = 20;  // "-9223372036854775808"
};

// SIGINT, SIGTERM and SIGHUP write what is held before ending the process as
// they would have (a signal that was ignored at start stays ignored).
void flux_garde_signaux();
// Acts on a termination signal received since the last check, if any.
void flux_verifie_signal();

