// libFuzzer harness: one whole analysis per input, in-process. The first three
// bytes choose the command-line words, the rest is standard input. Every run
// must end with status 0 or 1; a fatal message ends the run, not the fuzzer.
// Its output must stay within a bound proportional to the text: a text that
// makes the checker write more is a fault, found as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "driver/execution.h"

namespace {

// The denominators tried: the ladder, a few to be rounded, and two out of range.
const char* const denominateurs[] = {"1", "2", "4", "8", "16", "32", "64", "3", "5", "7", "12", "48", "49", "0", "65"};

std::vector<std::string> mots_de_commande(uint8_t choix, uint8_t a, uint8_t b) {
  const std::string n = std::to_string(1 + a % 99);
  const std::string d = denominateurs[b % (sizeof denominateurs / sizeof *denominateurs)];
  switch (choix % 8) {
    case 0: return {};
    case 1: return {n, d};
    case 2: return {n, d, "1"};
    case 3: return {n};                         // one word: ignored
    case 4: return {n, d, "1", "x"};            // four words: ignored
    case 5: return {std::to_string(a), d};      // numerator 0 or above 99 is fatal
    case 6: return {" +" + n, d, "  -7"};       // C conversion: blanks and signs
    default: return {n, d, std::to_string(a * 257 + b)};
  }
}

// Bytes both streams may hold in all for a text of n bytes. The most a byte
// gives is one whole note in a meter of 64 sixty-fourths: a measure of 64
// listed beats, about 2,280 bytes for texts of up to 4 KiB (see README); the
// constant covers the meter's description and the banners of a short text.
constexpr std::size_t octets_par_octet = 2400;
constexpr std::size_t octets_fixes = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
  if (taille < 3) return 0;
  const std::vector<std::string> mots = mots_de_commande(donnees[0], donnees[1], donnees[2]);
  const std::string_view entree(reinterpret_cast<const char*>(donnees + 3), taille - 3);
  const Execution r = execute_en_memoire(mots, entree);
  if (r.statut != 0 && r.statut != 1) std::abort();
  const std::size_t ecrits = r.sortie.size() + r.erreur.size();
  if (ecrits > octets_par_octet * entree.size() + octets_fixes) {
    std::fprintf(stderr, "%zu bytes written for a text of %zu bytes: more than %zu per byte and %zu\n", ecrits,
                 entree.size(), octets_par_octet, octets_fixes);
    std::abort();
  }
  return 0;
}
